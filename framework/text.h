// Lesson text: formula markup, stacked fractions, glyphs, plain and compact
// text, text boxes, fractions and number strings.
#pragma once

#include "framework/framework.h"

namespace framework {

class Text : public Framework {
public:
    // ---- formula markup printer ----
    // Draws AA_s in FormulaMarkup at (X, Y) in CCC1; leaves X after the text
    // and AA_s empty. The pending marks (JYOU, JYOUK, HROOT, TXM, KAKKO) carry
    // over from and into the texts drawn before and after it.
    void DrawMessage();
    // LLT = the width DrawMessage would give A_s; draws nothing. X, Y and A_s
    // come back as they were; the markup state is left as a drawing pass
    // would leave it, and AA_s is empty.
    void MeasureTextWidth();
    // The fraction "num/den" in A_s stacked at the pen; X moves by the bar's
    // length. Leaves A_s = numerator, LLT = denominator width, BUN = 0.
    void DrawStackedFraction();
    // Draws the characters of A_s glyph by glyph (BUN 1: fraction-part
    // metrics); X after the last glyph.
    void DrawGlyphs();

    // How lesson content writes a line: CCC1, X, Y and AA_s set, DrawMessage,
    // then XI2 = X and YI1 = Y, so that the next text can continue the line.
    void WriteAt(double colour, double x, double y, const Str& text);
    // The same, continuing the line at (XI2, YI1).
    void WriteAfter(double colour, const Str& text);

    // ---- plain formula text (prompt line) ----
    // Draws AA_s in full width at (X, Y), 16 units a character; X after it.
    void DrawFormulaText();
    // Draws the characters of A_s in full width from X; XT after them.
    void DrawFormulaChars();
    // B_s = the full-width form of the one character in B_s.
    void ToFullWidthChar();

    // ---- fractions ----
    // Reduces DS/DB; A2_s is the result in FormulaMarkup (see the registers
    // below for the other results).
    void ReduceFraction();
    // X3 = gcd, X4 = lcm of DS and DB (which it leaves alone).
    void GcdLcm();
    // Floor remainder a - b * floor(a / b); b = 0 is a division by zero.
    static Single FnMod(double a, double b,
                        std::source_location where = std::source_location::current());
    // DSM1/DBM1 + DSM2/DBM2 over a common denominator, with the step texts.
    void SumTwoFractions();

    // ---- clean-up helpers (all work on A_s in place) ----
    // Removes every half-width blank.
    void StripSpaces();
    // Removes every "^", "ﾝ", "ﾀ" and "=".
    void StripMarkup();
    // Removes one leading "+".
    void StripLeadingPlus();
    // Removes one leading "+" or "-".
    void StripLeadingSign();

    // ---- text boxes ----
    // A_s centred in a box of HABA by TATE filled with CCC3, bordered in
    // CCC2, whose top-left corner is (X, Y). X moves on by HABA.
    void DrawTextBox();
    // The same, with the text on the line Y and the box around it.
    void DrawTextBoxAroundLine();
    // A1_s over A2_s in one box at (X, Y).
    void DrawTwoLineTextBox();

    // ---- compact labels ----
    // Small unmarked label text AA_s at (X, Y); X after it.
    void DrawCompactText();

    // ---- lesson area and number strings ----
    // Paints the lesson area (0,54)-(1440,900) in colour 15.
    void ClearLessonArea();
    // Paints the band right of the typed answer in colour 15; X, Y its corner.
    void ClearRightOfAnswer();
    // T_sa(i) and F_sa(i) from T_a(i) and F_a(i), blanks removed; then
    // ClassifyChoiceKey.
    void FormatNumberArrays();
    // FKIG = 1 and HHKIG = 1..10 when I_s is one of "QWERT@I[]S", else FKIG 0.
    void ClassifyChoiceKey();

    // ---- registers of the text routines ----
    Str AA_A_s;  // rest of DrawMessage's text while a fraction is drawn

    // Results of ReduceFraction (A2_s, A21_s, DS, DB, YAK, YAK1, X3, X4 are
    // program-wide).
    Str A1_s;              // the fraction as given, "ﾀp/qﾀ"; also line 1 of the two-line box
    Str A3_s, A31_s;       // given "=" result, unsigned and signed
    Str TKAI1_s, TKAI2_s;  // A2_s and A21_s without markup

    // SumTwoFractions.
    Single DSM1, DBM1, DSM2, DBM2;  // the two addends
    Single DS1, DS2, DS4;           // numerators over the common denominator, and their sum
    Str A11_s, A4_s, A41_s, A5_s, B3_s, B4_s;

    // ClassifyChoiceKey.
    Single FKIG, HHKIG;

protected:
    using Framework::Framework;

    // While set, the glyph renderer draws "a", "x", "c" and "l" as the
    // ordinary letters they are, not as formula letters: a program's name
    // is a name, not a formula.
    bool plain_letters_ = false;
};

}  // namespace framework
