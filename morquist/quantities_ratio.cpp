// Chapter 3, item ⑤: the four written forms of a ratio (a decimal, a
// fraction, a percentage and 割) on one screen: a fixed table for 10 yen of
// 100 yen, then random drills on 1000 yen and on a letter amount, each
// answer in a box that is filled on a key.
#include <array>

#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

namespace {

struct CellStyle {
    double width, height, border;
};
// The fill of every box is colour 13 and its answer text colour 5.
const CellStyle kTableCells = {120, 70, 3};
const CellStyle kAmountCells = {90, 50, 0};
const CellStyle kLetterCells = {150, 75, 0};

}  // namespace

void Morquist::RatioDrill() {
    // The four ratios of a drill pass, drawn in this order: P (the fraction
    // P/100), N (0.N), Q (Q％) and W (W割).
    auto draw_ratios = [this] {
        T_a(12) = INT(PaRnd() * 69) + 1;
        T_a(11) = INT(PaRnd() * 9) + 1;
        T_a(13) = INT(PaRnd() * 92) + 1;
        T_a(14) = INT(PaRnd() * 9) + 1;
    };
    auto set_style = [this](const CellStyle& style) {
        HABA = style.width;
        TATE = style.height;
        CCC2 = style.border;
        CCC3 = 13;
    };
    // An empty answer box `k` after the pen, its corner kept for the fill.
    auto empty_box = [this](int k) {
        CCC1 = 13;
        X = XI2 + 10;
        Y = YI1;
        A_s = "";
        T_a(k) = X;
        F_a(k) = Y;
        DrawTextBoxAroundLine();
        YI1 = Y;
        XI2 = X;
    };
    // The whole box `k` painted again with its answer.
    auto fill_box = [this, &set_style](const CellStyle& style, int k, const Str& answer) {
        set_style(style);
        CCC1 = 5;
        X = T_a(k);
        Y = F_a(k);
        A_s = answer;
        DrawTextBoxAroundLine();
    };
    // The four answers of a drill pass, one a key.
    auto fill_row = [&](const CellStyle& style, const std::array<Str, 4>& answers) {
        for (int k = 1; k <= 4; ++k) {
            WaitAnyKey();
            fill_box(style, k, answers[k - 1]);
        }
    };
    // The two question lines of a drill pass, from (40, Y_a(1)): the base
    // amount, then the four ratios, each with its empty box.
    auto draw_questions = [&](const Str& base, const char* const labels[4], const CellStyle& style) {
        WriteAt(3, XI1, Y_a(1), base);
        set_style(style);
        WriteAt(0, XI2 + 30, YI1, Utf8ToCp932(labels[0]));
        WriteAfter(3, T_sa(11) + "倍は"_sj);
        empty_box(1);
        WriteAt(0, XI2 + 10, YI1, "円"_sj);
        WriteAt(0, XI1, YI1 + 80, Utf8ToCp932(labels[1]));
        WriteAfter(3, "ﾀ"_sj + T_sa(12) + "/100ﾀ倍は"_sj);
        empty_box(2);
        WriteAt(0, XI2 + 10, YI1, "円"_sj);
        WriteAt(0, XI2 + 30, YI1, Utf8ToCp932(labels[2]));
        WriteAfter(3, T_sa(13) + "％は"_sj);
        empty_box(3);
        WriteAt(0, XI2 + 10, YI1, "円"_sj);
        WriteAt(0, XI2 + 30, YI1, Utf8ToCp932(labels[3]));
        WriteAfter(3, T_sa(14) + "割は"_sj);
        empty_box(4);
        WriteAt(0, XI2 + 10, YI1, "円"_sj);
    };

    // Stage 1: 10 yen of 100 yen in the four forms.
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI1 = 40;
    YI1 = 30;
    // Every box border of the item is drawn this wide.
    FE_SETDRAWWIDTH(0, 5);
    WriteAt(0, XI1, YI1, "Q "_sj);
    WriteAfter(3, "10円"_sj);
    WriteAfter(0, "は"_sj);
    WriteAfter(3, "100円"_sj);
    WriteAfter(0, "の"_sj);
    set_style(kTableCells);
    WriteAt(0, XI1, YI1 + 80, "①"_sj);
    empty_box(1);
    WriteAt(0, XI2 + 10, YI1, "倍(小数)"_sj);
    WriteAt(0, XI2 + 30, YI1, "②"_sj);
    empty_box(2);
    WriteAt(0, XI2 + 10, YI1, "倍(分数)"_sj);
    WriteAt(0, XI2 + 30, YI1, "③"_sj);
    empty_box(3);
    WriteAt(0, XI2 + 10, YI1, "％"_sj);
    WriteAt(0, XI2 + 30, YI1, "④"_sj);
    empty_box(4);
    WriteAt(0, XI2 + 10, YI1, "割"_sj);
    Y_a(1) = YI1;
    WaitAnyKey();
    fill_box(kTableCells, 1, "0.1"_sj);
    WaitAnyKey();
    fill_box(kTableCells, 2, "ﾀ1/10ﾀ"_sj);
    WaitAnyKey();
    fill_box(kTableCells, 3, "10"_sj);
    WaitAnyKey();
    fill_box(kTableCells, 4, "1"_sj);
    WaitAnyKey();
    Y_a(1) = Y_a(1) + 90;
    Y_a(2) = Y_a(1) + 150;

    // Stage 2: the four ratios of 1000 yen.
    static const char* const kAmountLabels[4] = {"⑤", "⑥", "⑦", "⑧"};
    AINP = 3;
    while (AINP != 1) {
        draw_ratios();
        T_a(21) = Div(1000 * T_a(11), 10);
        T_a(22) = Div(1000 * T_a(12), 100);
        T_a(23) = Div(1000 * T_a(13), 100);
        T_a(24) = Div(1000 * T_a(14), 10);
        FormatNumberArrays();
        T_sa(11) = "0." + T_sa(11);
        // The table above stays.
        PsLINE(0, Y_a(1), false, 1760, Y_a(2), 15, 2, 15);
        draw_questions("1000円の"_sj, kAmountLabels, kAmountCells);
        fill_row(kAmountCells, {T_sa(21), T_sa(22), T_sa(23), T_sa(24)});
        AskNextStep();
    }

    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 70, "比べる量(答)=もとにする量(1000円)*割合(分数か小数)"_sj);
    Y_a(1) = YI1;
    WaitAnyKey();
    Y_a(1) = Y_a(1) + 90;
    Y_a(2) = Y_a(1) + 150;

    // Stage 3: the same ratios of a letter amount, the fractions reduced.
    static const char* const kLetterLabels[4] = {"⑨", "⑩", "⑪", "⑫"};
    AINP = 3;
    while (AINP != 1) {
        draw_ratios();
        FormatNumberArrays();
        P = INT(PaRnd() * 4) + 1;
        AmountLetter = P == 1 ? "x" : P == 2 ? "y" : P == 3 ? "a" : "b";
        T_sa(11) = "0." + T_sa(11);
        DS = T_a(12);
        DB = 100;
        ReduceFraction();
        X_sa(1) = A2_s;
        DS = T_a(13);
        DB = 100;
        ReduceFraction();
        X_sa(2) = A2_s;
        DS = T_a(14);
        DB = 10;
        ReduceFraction();
        X_sa(3) = A2_s;
        PsLINE(0, Y_a(1), false, 1760, Y_a(2), 15, 2, 15);
        draw_questions(AmountLetter + "円の"_sj, kLetterLabels, kLetterCells);
        fill_row(kLetterCells, {T_sa(11) + AmountLetter, X_sa(1) + AmountLetter,
                                X_sa(2) + AmountLetter, X_sa(3) + AmountLetter});
        AskNextStep();
    }
}

}  // namespace morquist
