// Lesson text: formula markup, stacked fractions, glyphs, plain and compact
// text, text boxes, fractions and number strings.
#pragma once

#include "framework/framework.h"

namespace framework {

class Text : public Framework {
public:
    // Draws AA_s in FormulaMarkup at (X, Y) in CCC1; leaves X after the text
    // and AA_s empty.
    void DrawMessage();
    // LLT = the width DrawMessage would give A_s; draws nothing.
    void MeasureTextWidth();
    // Draws AA_s in full width at (X, Y), 16 units a character; XT after it.
    void DrawFormulaText();
    // Draws the characters of A_s in full width from (X, Y); XT after them.
    void DrawFormulaChars();
    // A_s with every blank removed.
    void StripSpaces();
    // T_sa(i) and F_sa(i) from T_a(i) and F_a(i), blanks removed.
    void FormatNumberArrays();
    // Paints the lesson area (0,54)-(1440,900) in colour 15.
    void ClearLessonArea();
    // A_s in a box of HABA by TATE filled with CCC3, bordered in CCC2, at (X, Y).
    void DrawTextBox();
    // Small unmarked label text AA_s at (X, Y).
    void DrawCompactText();
    // Reduces DS/DB; A2_s is the result in FormulaMarkup.
    void ReduceFraction();

protected:
    using Framework::Framework;
};

}  // namespace framework
