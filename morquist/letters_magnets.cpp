// Chapter 1, item ①: how many magnets hold 30 sheets of drawing paper posted
// in a row, each overlapping the one before? The row, a table filled sheet
// by sheet, the count 2×30+2 marked on the figure, then a drill on a random
// number of sheets.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

namespace {

// Corners 32 to 34 of the sheet whose top-left corner is corner 31.
void SetSheetCorners(Morquist& m) {
    const Single x = m.U_a(31), y = m.V_a(31);
    m.U_a(32) = x;
    m.V_a(32) = y + m.SheetHeight;
    m.U_a(33) = x + m.SheetWidth;
    m.V_a(33) = y + m.SheetHeight;
    m.U_a(34) = x + m.SheetWidth;
    m.V_a(34) = y;
}

}  // namespace

void Morquist::DrawMagnetSheet() {
    const Single x = U_a(31), y = V_a(31);
    SetSheetCorners(*this);
    // The white fill hides the strip of the sheet below it, magnets included:
    // a sheet's right magnets and the next one's left magnets are one pair.
    PsLINE(x, y, false, U_a(33), V_a(33), 0, 2, 15);
    PsCIRCLE(x + 15, y + 15, 6, 3, 1, 0, 0, true, 3);
    PsCIRCLE(x + 15, y + SheetHeight - 15, 6, 3, 1, 0, 0, true, 3);
    PsCIRCLE(x + SheetWidth - 15, y + SheetHeight - 15, 6, 3, 1, 0, 0, true, 3);
    PsCIRCLE(x + SheetWidth - 15, y + 15, 6, 3, 1, 0, 0, true, 3);
}

void Morquist::MarkMagnetPair() {
    const Single x = U_a(31), y = V_a(31);
    SetSheetCorners(*this);
    PsLINE(x + 15, y + 15, false, x + 15, y + SheetHeight - 15, 7, 0, 0);
}

void Morquist::MagnetIntroP57() {
    // Sheet i of a run of sheets from x0, on the row's line.
    auto sheet = [this](double x0, int i) {
        U_a(31) = x0 + (i - 1) * SheetStep;
        V_a(31) = V_a(1);
        DrawMagnetSheet();
    };
    // The left edge of a fifth sheet and the ellipsis after the fourth;
    // returns where the last two sheets start.
    auto ellipsis = [this]() -> double {
        PsLINE(U_a(33) - 30, V_a(34), false, U_a(33) - 30, V_a(34) + SheetHeight, 0, 0, 0);
        WriteAt(0, U_a(34) + 10, V_a(34) + 35, "……"_sj);
        return XI2 + 10;
    };
    // The last two sheets from x0, the last one labelled.
    auto last_two = [&](double x0) {
        sheet(x0, 1);
        sheet(x0, 2);
        WriteAt(3, U_a(31) + 30, V_a(1) + 35, "30枚"_sj);
    };
    auto cell = [this](double x, double y, double fill, double colour, const Str& text) {
        X = x;
        Y = y;
        CCC1 = colour;
        CCC2 = 3;
        CCC3 = fill;
        A_s = text;
        DrawTextBox();
    };

    // Problem and figure.
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    XI0 = 30;
    YI1 = 20;
    FE_SETDRAWWIDTH(0, 5);  // also what the sub-menu and later items draw with
    WriteAt(7, XI0, YI1, "P57 "_sj);
    WriteAfter(3, "30枚の画用紙をとめるのに必要なマグネットの個数はいくつ？"_sj);
    SheetWidth = 160;
    SheetHeight = 120;
    SheetStep = 130;
    U_a(1) = 80;
    V_a(1) = YI1 + 70;
    for (int i = 1; i <= 4; ++i) sheet(U_a(1), i);
    last_two(ellipsis());
    WaitAnyKey();

    // The table of sheets and magnets. Its texts are set on every visit: a
    // drill's number formatting rewrites all of T_sa.
    X_sa(2) = "1"_sj;
    X_sa(3) = "2"_sj;
    X_sa(4) = "3"_sj;
    X_sa(5) = "4"_sj;
    X_sa(6) = "…"_sj;
    X_sa(7) = "30"_sj;
    for (int j = 2; j <= 7; ++j) T_sa(j) = Str();
    T_sa(6) = "…"_sj;
    TATE = 50;
    X_a(21) = U_a(1);
    X_a(22) = X_a(21) + 285;
    for (int j = 3; j <= 7; ++j) X_a(20 + j) = X_a(19 + j) + 90;
    Y_a(21) = V_a(33) + 20;
    Y_a(22) = Y_a(21) + 50;
    Y_a(23) = Y_a(22) + 50;
    HABA = 285;
    cell(X_a(21), Y_a(21), 13, 0, "画用紙(枚)"_sj);
    cell(X_a(21), Y_a(22), 15, 0, "マグネット(個)"_sj);
    HABA = 90;
    for (int j = 2; j <= 7; ++j) {
        cell(X_a(20 + j), Y_a(21), 13, 0, X_sa(j));
        cell(X_a(20 + j), Y_a(22), 15, 0, T_sa(j));
    }
    WaitAnyKey();

    // The sheets again, one at a time, each with its magnet count.
    PsLINE(0, V_a(1), true, 1760, SheetHeight, 15, 2, 15);
    static const char* const kCounts[4] = {"4", "6", "8", "10"};
    for (int i = 1; i <= 4; ++i) {
        sheet(U_a(1), i);
        WaitAnyKey();
        // The first two counts in black; from the third on the growth by 2
        // stands out.
        cell(X_a(21 + i), Y_a(22), 15, i <= 2 ? 0 : 5, Utf8ToCp932(kCounts[i - 1]));
        WaitAnyKey();
    }
    U_a(2) = ellipsis();
    last_two(U_a(2));
    WaitAnyKey();
    cell(X_a(27), Y_a(22), 15, 5, "62"_sj);
    WaitAnyKey();

    // The count, and which magnets each of its terms counts.
    XI1 = 80;
    YI1 = Y_a(23) + 30;
    WriteAt(0, XI1, YI1, "2*30+2="_sj);
    WaitAnyKey();
    WriteAfter(0, "60+2="_sj);
    WaitAnyKey();
    WriteAfter(3, "62"_sj);
    WaitAnyKey();
    for (int i = 1; i <= 4; ++i) {
        U_a(31) = U_a(1) + (i - 1) * SheetStep;
        V_a(31) = V_a(1);
        MarkMagnetPair();
        WaitAnyKey();
    }
    for (int i = 1; i <= 2; ++i) {
        U_a(31) = U_a(2) + (i - 1) * SheetStep;
        V_a(31) = V_a(1);
        MarkMagnetPair();
        WaitAnyKey();
    }
    PsLINE(U_a(34) - 15, V_a(34) + 15, false, U_a(33) - 15, V_a(33) - 15, 5, 0, 0);
    WaitAnyKey();

    // Drill: the same question for 5 to 99 sheets.
    U_a(3) = XI0;
    V_a(3) = YI1 + 70;
    AINP = 3;
    while (AINP != 1) {
        T_a(1) = INT(PaRnd() * 95 + 5);
        T_a(2) = 2 * T_a(1) + 2;
        FormatNumberArrays();
        PsLINE(U_a(3), V_a(3), true, 1600, 100, 15, 2, 15);
        WriteAt(3, U_a(3), V_a(3),
                "Q 画用紙"_sj + T_sa(1) + "枚をとめるとき、マグネットの個数は?"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 50, "2*"_sj + T_sa(1) + "+2="_sj);
        WaitAnyKey();
        WriteAfter(5, T_sa(2) + "(個)"_sj);
        AskNextStep();
    }
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 60, "教科書P58 問1 をしなさい。"_sj);
}

}  // namespace morquist
