// Chapter 2, items ① to ③: taking brackets away. The change from 500 yen
// that leads to a-(b+c)=a-b-c and the explanation of a+(b+c)=a+b+c; the
// random drill of a term plus, then minus, a bracketed expression; the
// worked answers of the textbook's problem 4 on page 72.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

// Where a text of the bracket introduction starts across: the margin, the
// indented lines, where the last recorded text ended (plus a gap), or the
// column in which a problem's two answers are revealed.
enum IntroX { kMargin, kIndent, kPen, kColumn };
// And down: a fixed y, a step below the last recorded line (0: on it), or
// the column's first or second row.
enum IntroY { kAt, kBelow, kRow1, kRow2 };

enum IntroAfter {
    kWait = 1,        // a key wait after the text
    kSetColumn = 2,   // the answer column starts 30 right of this text
    kSetRow1 = 4,     // this line is the column's first row
    kSetRow2 = 8,     // ... its second row
    kSetBand = 16,    // the top band, down to 50 below this line, is erased later
    kUnrecorded = 32, // the pen and line stay where the text before left them
    kNewBand = 64,    // before this text: erase the band and start again at the top
};

struct IntroStep {
    const char* text;
    int colour;
    IntroX x;
    int dx;
    IntroY y;
    int dy;
    int after;
};

const IntroStep kIntroSteps[] = {
    // The change from 500 yen, with numbers and then with letters.
    {"P71「ひろげよう」", 3, kMargin, 0, kAt, 20, 0},
    {"(1)", 7, kMargin, 0, kBelow, 60, 0},
    {"500円を出して、200円のメロンパンと180円のクロワッサンを", 0, kPen, 0, kBelow, 0, 0},
    {"買ったときのおつりを求める式はどうなりますか?", 0, kIndent, 0, kBelow, 50, kWait},
    {"①", 7, kIndent, 0, kBelow, 60, 0},
    {"500-200-180", 0, kPen, 0, kBelow, 0, kSetRow1 | kWait},
    {"②", 7, kIndent, 0, kBelow, 50, 0},
    {"500-(200+180)", 0, kPen, 0, kBelow, 0, kSetColumn | kSetRow2 | kSetBand | kWait},
    {"それぞれの金額を順にひく方法", 3, kColumn, 0, kRow1, 0, kUnrecorded | kWait},
    {"合計金額をひく方法", 3, kColumn, 0, kRow2, 0, kUnrecorded | kWait},
    {"(2)", 7, kMargin, 0, kBelow, 70, 0},
    {"a円を出して、b円のメロンパンとc円のクロワッサンを", 0, kPen, 0, kBelow, 0, 0},
    {"買ったときのおつりを求める式はどうなりますか?", 0, kIndent, 0, kBelow, 50, kWait},
    {"①", 7, kIndent, 0, kBelow, 60, 0},
    {"それぞれの金額を順にひく方法", 0, kPen, 0, kBelow, 0, kSetColumn | kSetRow1},
    {"②", 7, kIndent, 0, kBelow, 50, 0},
    {"合計金額をひく方法", 0, kPen, 0, kBelow, 0, kSetRow2 | kWait},
    {"a-b-c", 3, kColumn, 0, kRow1, 0, kUnrecorded | kWait},
    {"a-(b+c)", 3, kColumn, 0, kRow2, 0, kUnrecorded | kWait},
    {"したがって、 ", 0, kMargin, 0, kBelow, 60, 0},
    {"a-(b+c)=a-b-c", 5, kPen, 0, kBelow, 0, kWait},
    {"数の計算と同じ", 7, kPen, 40, kBelow, 0, kWait},
    {"P72の絵を使って、 ", 0, kMargin, 0, kBelow, 60, 0},
    {"a+(b+c)=a+b+c", 5, kPen, 0, kBelow, 0, 0},
    {"となることを説明しよう。", 0, kPen, 20, kBelow, 0, kWait},
    // The explanation of a+(b+c)=a+b+c, in the band where problem (1) was.
    {"P72「説明しよう」", 3, kMargin, 0, kAt, 20, kNewBand},
    {"例 ", 7, kPen, 0, kBelow, 0, 0},
    {"a円のミックスジュースとb円のプレーン,", 0, kPen, 0, kBelow, 0, 0},
    {"c円のチョコレートを買ったときの金額を表す式は、", 0, kIndent, 0, kBelow, 50, kWait},
    {"①", 7, kIndent, 0, kBelow, 60, 0},
    {"プレーンとチョコレートの合計金額をたすと", 0, kPen, 0, kBelow, 0, kWait},
    {"a+(b+c)", 3, kPen, 20, kBelow, 0, kUnrecorded | kWait},
    {"②", 7, kIndent, 0, kBelow, 50, 0},
    {"それぞれの金額を順にたすと", 0, kPen, 0, kBelow, 0, kWait},
    {"a+b+c", 3, kPen, 20, kBelow, 0, kUnrecorded | kWait},
    {"したがって、 ", 0, kMargin, 0, kBelow, 60, 0},
    {"a+(b+c)=a+b+c", 5, kPen, 0, kBelow, 0, kWait},
    {"数の計算と同じ", 7, kPen, 40, kBelow, 0, 0},
};

}  // namespace

void Brenvale::BracketRulesIntroP71() {
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    XI0 = 30;
    XI1 = XI0 + 54;
    YI1 = 20;
    // The answer column is X_a(1) = X_a(2), its rows Y_a(1) and Y_a(2);
    // Y_a(3) is the bottom of the band that the second part takes over.
    for (const IntroStep& s : kIntroSteps) {
        if (s.after & kNewBand) {
            PsLINE(0, 0, false, 1760, Y_a(3), 15, 2, 15);
            XI0 = 30;
            XI1 = XI0 + 54;
            YI1 = 20;
        }
        Single x = 0, y = 0;
        switch (s.x) {
            case kMargin: x = XI0; break;
            case kIndent: x = XI1; break;
            case kPen: x = XI2 + s.dx; break;
            case kColumn: x = s.y == kRow1 ? X_a(1) : X_a(2); break;
        }
        switch (s.y) {
            case kAt: y = s.dy; break;
            case kBelow: y = YI1 + s.dy; break;
            case kRow1: y = Y_a(1); break;
            case kRow2: y = Y_a(2); break;
        }
        if (s.after & kUnrecorded) {
            CCC1 = s.colour;
            X = x;
            Y = y;
            AA_s = Utf8ToCp932(s.text);
            DrawMessage();
        } else {
            WriteAt(s.colour, x, y, Utf8ToCp932(s.text));
        }
        if (s.after & kSetColumn) {
            X_a(1) = XI2 + 30;
            X_a(2) = X_a(1);
        }
        if (s.after & kSetRow1) Y_a(1) = YI1;
        if (s.after & kSetRow2) Y_a(2) = YI1;
        if (s.after & kSetBand) Y_a(3) = Y_a(2) + 50;
        if (s.after & kWait) WaitAnyKey();
    }
}

void Brenvale::Example5BracketDrill() {
    // The numbers of an instance, the same in both passes: a (slot 1), the
    // leading part's constant 0 (2), b (3), c (4), a + b (5) and 0 + c (6).
    // The letter terms never cancel: a and the size of b differ.
    auto draw = [this] {
        T_a(1) = INT(PaRnd() * 9) + 1;
        T_a(2) = 0;
        T_a(3) = INT(PaRnd() * 9) + 1;
        T_a(4) = INT(PaRnd() * 9) + 2;
        if (T_a(1) - T_a(3) == 0) T_a(1) = T_a(1) + 1;
        P = INT(PaRnd() * 2);
        if (P == 1) T_a(3) = -T_a(3);
        T_a(5) = T_a(1) + T_a(3);
        T_a(6) = T_a(2) + T_a(4);
    };
    auto strip = [this](Str& text) {
        A_s = text;
        StripLeadingPlus();
        text = A_s;
    };
    // The texts of slots 1 to `last`: no digit 1 before a letter, a "+"
    // before each positive value after the first; then none where b opens
    // the bracket (as 13), the result or, in 5-2, the problem's bracket.
    auto make_texts = [this, &strip](int last) {
        FormatNumberArrays();
        for (int i = 1; i < last; ++i) {
            if (T_a(i) == 1) {
                T_sa(i) = "";
            } else if (T_a(i) == -1) {
                T_sa(i) = "-"_sj;
            }
        }
        for (int i = 2; i <= last; ++i)
            if (T_a(i) > 0) T_sa(i) = "+"_sj + T_sa(i);
        T_sa(13) = T_sa(3);
        strip(T_sa(13));
        strip(T_sa(5));
        if (last == 8) strip(T_sa(7));
    };
    // An instance's column at `margin`, erased from (x, 90) down and across
    // to the right.
    auto clear_column = [this](double margin, double x) {
        XI0 = margin;
        XI1 = XI0 + 60;
        YI1 = 90;
        X_a(31) = x;
        Y_a(31) = 90;
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);
    };

    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);

    // ---- 5-1: a term plus a bracket, in the left half ----
    XI0 = 40;
    YI1 = 30;
    WriteAt(0, XI0, YI1, "例5-1　次の計算をしなさい。"_sj);
    AINP = 3;
    while (AINP != 1) {
        draw();
        make_texts(6);
        PickDrillLetter();
        clear_column(40, 0);
        const Str& L = X_sa(1);
        WriteAt(0, XI1 + 27, YI1, T_sa(1) + L + "+("_sj + T_sa(13) + L + T_sa(4) + ")"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 55, "="_sj + T_sa(1) + L + T_sa(3) + L + T_sa(4));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 55, "="_sj + T_sa(5) + X_sa(2) + T_sa(6));
        AskNextStep();
    }
    WriteAt(5, XI0, YI1 + 80, "かっこを省き、"_sj);
    WriteAt(3, XI0, YI1 + 50, "文字の部分が同じ項どうし、"_sj);
    WriteAt(3, XI0, YI1 + 50, "を計算する。"_sj);
    WaitAnyKey();

    // ---- 5-2: a term minus a bracket, in the right half; the left half
    // stays ----
    XI0 = 640;
    YI1 = 30;
    WriteAt(0, XI0, YI1, "例5-2　次の計算をしなさい。"_sj);
    AINP = 3;
    while (AINP != 1) {
        draw();
        // The problem's bracket is the opposite of the one added.
        T_a(7) = -T_a(3);
        T_a(8) = -T_a(4);
        make_texts(8);
        PickDrillLetter();
        clear_column(640, 640);
        const Str& L = X_sa(1);
        WriteAt(0, XI1 + 27, YI1, T_sa(1) + L);
        WriteAfter(3, "-"_sj);
        WriteAfter(0, "("_sj + T_sa(7) + L + T_sa(8) + ")"_sj);
        WaitAnyKey();
        // The minus becomes a plus and every sign in the bracket changes.
        WriteAt(0, XI1, YI1 + 50, "="_sj + T_sa(1) + L);
        WriteAfter(3, "+"_sj);
        WriteAfter(0, "("_sj);
        WriteAfter(3, T_sa(13) + L + T_sa(4));
        WriteAfter(0, ")"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 55, "="_sj + T_sa(1) + L + T_sa(3) + L + T_sa(4));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 55, "="_sj + T_sa(5) + X_sa(2) + T_sa(6));
        AskNextStep();
    }
    WriteAt(5, XI0, YI1 + 80, "符号を変えて加える。"_sj);
    WriteAfter(3, "(- → +)"_sj);
    WriteAt(5, XI0, YI1 + 50, "( )の中の符号もすべて変える。"_sj);
    WaitAnyKey();
    WriteAt(7, 120, YI1 + 80, "教科書P72 問4　をやろう。"_sj);
}

void Brenvale::ShowP72Problem4Answers() {
    // A problem: its label, its expression, the working lines and the
    // result, which follows the last working line. Problem (6) holds
    // stacked fractions and steps 70 where the others step 60 and 50.
    struct Answer {
        const char* label;
        const char* lines[4];  // the expression, then the working lines
        const char* result;
        int label_step, step;
    };
    static const Answer kAnswers[6] = {
        {"(1)", {" 2x+(5-x)", "=2x+5-x", "=2x-x+5"}, "=x+5", 60, 50},
        {"(2)", {" 6y-3+(-4y-3)", "=6y-3-4y-3", "=6y-4y-3-3"}, "=2y-6", 60, 50},
        {"(3)", {" 4x-(x-1)", "=4x-x+1"}, "=3x+1", 60, 50},
        {"(4)", {" 7x-(-8x+2)", "=7x+8x-2"}, "=15x-2", 60, 50},
        {"(5)", {" -5a-1-(7-7a)", "=-5a-1-7+7a", "=-5a+7a-1-7"}, "=2a-8", 60, 50},
        {"(6)", {" 3y+2-(ﾀ1/2ﾀy+1)", "=3y+2-ﾀ1/2ﾀy-1", "=3y-ﾀ1/2ﾀy+2-1", "=ﾀ6/2ﾀy-ﾀ1/2ﾀy+2-1"},
         "=ﾀ5/2ﾀy+1", 70, 70},
    };

    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI1, YI1, "教科書P72 問4　解答"_sj);
    WaitAnyKey();
    for (int k = 0; k < 6; ++k) {
        const Answer& a = kAnswers[k];
        if (k == 4) {  // (5) and (6) in the right column
            XI0 = 640;
            XI1 = XI0 + 54;
            YI1 = 30;
        }
        WriteAt(3, XI0, YI1 + a.label_step, Utf8ToCp932(a.label));
        WriteAt(0, XI1, YI1, Utf8ToCp932(a.lines[0]));
        for (int n = 1; n < 4 && a.lines[n]; ++n)
            WriteAt(0, XI1, YI1 + a.step, Utf8ToCp932(a.lines[n]));
        WriteAfter(5, Utf8ToCp932(a.result));
    }
}

}  // namespace brenvale
