// Chapter 4, the random drills: 例1 (6-4x for positive, then negative x),
// 例2 (-x), 例3 (a fraction over x whose value is whole), 例5 (3x+2y) and
// 例6 (-5a-6b), each followed by its rule lines and the textbook's worked
// answers. All drills run on one pass loop with their own step tables.
#include <cstdlib>
#include <cstring>
#include <string>

#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

namespace {

using Step = Morquist::ValueStep;
constexpr auto kLineX = Step::kLineX;
constexpr auto kMarginX = Step::kMarginX;
constexpr auto kPen = Step::kPen;
constexpr auto kEquals = Step::kEqualsColumn;
constexpr auto kGo = Step::kNothing;
constexpr auto kWait = Step::kWait;
constexpr auto kMark = Step::kMarkEquals;

// 例1-1: 6-4x for x from 1 to 10.
const Step kExample1PositiveSteps[] = {
    {kLineX, 0, 0, 7, "例1-1", kGo},
    {kPen, 0, 0, 0, "x={1}のとき、", kGo},
    {kLineX, 108, 50, 0, "6-4xの値を求めなさい。", kWait},
    {kLineX, 0, 50, 5, "＜解答＞", kWait},
    {kLineX, 81, 50, 3, "x={1}を代入して", kWait},
    {kLineX, 27, 50, 0, "6-4x", kMark},
    {kPen, 0, 0, 0, "=6-4*{11}", kWait},
    {kEquals, 0, 50, 0, "=6{12}", kWait},
    {kPen, 0, 0, 5, "={3}", kGo},
};

// 例1-2: the same for x from -10 to -1, without the question line.
const Step kExample1NegativeSteps[] = {
    {kLineX, 0, 0, 7, "例1-2", kGo},
    {kPen, 0, 0, 0, "x={1}のときは？", kWait},
    {kLineX, 0, 50, 5, "＜解答＞", kWait},
    {kLineX, 81, 50, 3, "x={1}を代入して", kWait},
    {kLineX, 27, 50, 0, "6-4x", kMark},
    {kPen, 0, 0, 0, "=6-4*{11}", kWait},
    {kEquals, 0, 50, 0, "=6{12}", kWait},
    {kPen, 0, 0, 5, "={3}", kGo},
};

// 例2: -x as (-1) times x.
const Step kExample2Steps[] = {
    {kMarginX, 0, 0, 7, "例2 ", kGo},
    {kPen, 0, 0, 0, "x={1}のとき、", kGo},
    {kLineX, 0, 50, 0, "-xの値を求めなさい。", kWait},
    {kLineX, 0, 50, 5, "＜解答＞", kWait},
    {kLineX, 27, 50, 0, "-x", kWait},
    {kLineX, 0, 50, 0, "=(-1)*x", kWait},
    {kLineX, 27, 50, 3, "x={1}を代入して", kWait},
    {kLineX, 0, 50, 0, "=(-1)*{11}", kWait},
    {kPen, 0, 0, 5, "={2}", kGo},
};

// 例3: the fraction in X_sa(1), its signed numerator in T_sa(3).
const Step kExample3Steps[] = {
    {kMarginX, 0, 0, 7, "例3 ", kGo},
    {kPen, 0, 0, 0, "x={1}のとき、", kGo},
    {kLineX, 0, 70, 0, "{L}の値を求めなさい。", kWait},
    {kLineX, 0, 60, 5, "＜解答＞", kWait},
    {kLineX, 27, 70, 0, "{L}", kWait},
    {kLineX, 0, 60, 0, "={3}/x", kWait},
    {kLineX, 27, 50, 3, "x={1}を代入して", kWait},
    {kLineX, 0, 70, 0, "={3}/{11}", kWait},
    {kPen, 0, 0, 5, "={2}", kWait},
    {kLineX, 0, 70, 3, "ﾀ{3}/{1}ﾀ={2}", kGo},
};

// 例5 and 例6: the second term, amended in T_sa(4), follows the first.
const Step kExample5Steps[] = {
    {kLineX, 0, 0, 3, "例5 ", kGo},
    {kPen, 0, 0, 0, "x={1},y={2}のとき、", kGo},
    {kLineX, 72, 50, 0, "3x+2y　の値を求めなさい。", kWait},
    {kLineX, 0, 50, 7, "＜解答＞", kWait},
    {kLineX, 27, 50, 3, "x={1},y={2}を代入して", kWait},
    {kLineX, 27, 50, 0, "3x+2y", kMark},
    {kPen, 0, 0, 0, "=3*{11}+2*{12}", kWait},
    {kEquals, 0, 50, 0, "={3}{4}", kWait},
    {kEquals, 0, 50, 5, "={5}", kGo},
};

const Step kExample6Steps[] = {
    {kLineX, 0, 0, 3, "例6 ", kGo},
    {kPen, 0, 0, 0, "a={1},b={2}のとき、", kGo},
    {kLineX, 72, 50, 0, "-5a-6b　の値を求めなさい。", kWait},
    {kLineX, 0, 50, 7, "＜解答＞", kWait},
    {kLineX, 27, 50, 3, "a={1},b={2}を代入して", kWait},
    {kLineX, 27, 50, 0, "-5a-6b", kMark},
    {kPen, 0, 0, 0, "=-5*{11}-6*{12}", kWait},
    {kEquals, 0, 50, 0, "={3}{4}", kWait},
    {kEquals, 0, 50, 5, "={5}", kGo},
};

template <std::size_t N>
constexpr int Count(const Step (&)[N]) {
    return static_cast<int>(N);
}

// A drill without a column margin of its own leaves XI0 alone.
constexpr double kNoMargin = -1;

// A value as it stands after "×" or "÷": in brackets when negative.
Str AfterSign(double value, const Str& text) { return value < 0 ? "("_sj + text + ")"_sj : text; }

}  // namespace

// ---- the pass loop ----

void Morquist::RunValueDrill(const ValueDrill& drill) {
    while (AINP != 1) {
        PsLINE(drill.x1, drill.y1, false, drill.x2, drill.y2, 15, 2, 15);
        (this->*drill.draw_values)();
        // It rewrites every text slot, so the display variants come after.
        FormatNumberArrays();
        (this->*drill.make_texts)();
        if (drill.margin_x != kNoMargin) XI0 = drill.margin_x;
        XI1 = drill.line_x;
        YI1 = drill.line_y;
        for (int k = 0; k < drill.step_count; ++k) {
            const ValueStep& step = drill.steps[k];
            double x = 0;
            switch (step.from) {
                case ValueStep::kLineX: x = XI1; break;
                case ValueStep::kMarginX: x = XI0; break;
                case ValueStep::kPen: x = XI2; break;
                case ValueStep::kEqualsColumn: x = X_a(1); break;
            }
            // The slots are found in the UTF-8 text, where "{" is never part
            // of a wider character, and filled with the cp932 texts.
            Str text;
            const char* p = step.text;
            while (*p) {
                const char* open = std::strchr(p, '{');
                if (!open) {
                    text += Utf8ToCp932(p);
                    break;
                }
                text += Utf8ToCp932(std::string(p, open));
                const char* close = std::strchr(open, '}');
                if (open[1] == 'L') {
                    text += X_sa(1);
                } else {
                    text += T_sa(std::atoi(open + 1));
                }
                p = close + 1;
            }
            WriteAt(step.colour, x + step.indent, YI1 + step.down, text);
            if (step.then == ValueStep::kMarkEquals) X_a(1) = X;
            if (step.then != ValueStep::kNothing) WaitAnyKey();
        }
        AskNextStep();
    }
}

// ---- the values of a pass ----

void Morquist::DrawPositiveX6Minus4x() {
    T_a(1) = INT(PaRnd() * 10 + 1);
    Derive6Minus4x();
}

void Morquist::DrawNegativeX6Minus4x() {
    T_a(1) = -INT(PaRnd() * 10 + 1);
    Derive6Minus4x();
}

void Morquist::Derive6Minus4x() {
    T_a(2) = -4 * T_a(1);
    T_a(3) = 6 + T_a(2);
}

void Morquist::Make6Minus4xTexts() {
    T_sa(11) = AfterSign(T_a(1), T_sa(1));
    T_sa(12) = T_a(2) > 0 ? "+"_sj + T_sa(2) : T_sa(2);
}

void Morquist::DrawNegationValues() {
    T_a(1) = INT(PaRnd() * 10 + 1);
    P = INT(PaRnd() * 2);
    if (P == 0) T_a(1) = -T_a(1);
    T_a(2) = -T_a(1);
}

void Morquist::MakeNegationTexts() {
    T_sa(11) = AfterSign(T_a(1), T_sa(1));
}

void Morquist::DrawFractionValues() {
    // The denominators are set on every pass: other items use these slots.
    X_a(1) = 2;
    X_a(2) = 3;
    X_a(3) = 5;
    X_a(4) = 7;
    Q = INT(PaRnd() * 4 + 1);
    T_a(1) = X_a(Q);
    P = INT(PaRnd() * 2);
    if (P == 0) T_a(1) = -T_a(1);
    T_a(2) = INT(PaRnd() * 9 + 1);
    P = INT(PaRnd() * 2);
    if (P == 0) T_a(2) = -T_a(2);
    T_a(3) = T_a(1) * T_a(2);
    T_a(4) = ABS(T_a(3));
}

void Morquist::MakeFractionTexts() {
    T_sa(11) = AfterSign(T_a(1), T_sa(1));
    // The question puts the sign before the bar, with |a| above it.
    X_sa(1) = (T_a(3) >= 0 ? "ﾀ"_sj : "-ﾀ"_sj) + T_sa(4) + "/xﾀ"_sj;
}

void Morquist::DrawTwoLetterSizes() {
    T_a(1) = INT(PaRnd() * 10 + 1);
    T_a(2) = INT(PaRnd() * 10 + 1);
    P = INT(PaRnd() * 2 + 1);
    if (P == 1) T_a(1) = -T_a(1);
    if (P == 2) T_a(2) = -T_a(2);
}

void Morquist::Draw3xPlus2yValues() {
    DrawTwoLetterSizes();
    T_a(3) = 3 * T_a(1);
    T_a(4) = 2 * T_a(2);
    T_a(5) = T_a(3) + T_a(4);
}

void Morquist::DrawMinus5aMinus6bValues() {
    DrawTwoLetterSizes();
    T_a(3) = -5 * T_a(1);
    T_a(4) = -6 * T_a(2);
    T_a(5) = T_a(3) + T_a(4);
}

void Morquist::MakeTwoLetterTexts() {
    T_sa(11) = AfterSign(T_a(1), T_sa(1));
    T_sa(12) = AfterSign(T_a(2), T_sa(2));
    if (T_a(4) > 0) T_sa(4) = "+"_sj + T_sa(4);
}

// ---- the items ----

void Morquist::Example1SubstitutionDrill() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);

    AINP = 3;
    RunValueDrill({0, 0, 1320, 1300, &Morquist::DrawPositiveX6Minus4x,
                   &Morquist::Make6Minus4xTexts, kNoMargin, 40, 30, kExample1PositiveSteps,
                   Count(kExample1PositiveSteps)});
    WriteAt(5, XI1, YI1 + 50, "代入するとき、*にする"_sj);
    V_a(1) = YI1;
    WaitAnyKey();

    // The left half keeps the last instance and its rule.
    AINP = 3;
    RunValueDrill({680, 0, 2000, 1300, &Morquist::DrawNegativeX6Minus4x,
                   &Morquist::Make6Minus4xTexts, kNoMargin, 680, 30, kExample1NegativeSteps,
                   Count(kExample1NegativeSteps)});
    WriteAt(5, XI1, YI1 + 50, "- のとき、( )をつける"_sj);
    WaitAnyKey();

    WriteAt(3, 40, V_a(1) + 50, "教科書P66 問2 をしなさい。"_sj);
    V_a(1) = YI1;
    XI0 = 40;
    XI1 = XI0 + 54;
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=7 を代入して"_sj);
    WriteAt(0, XI1, YI1 + 50, " 12-2x"_sj);
    WriteAt(0, XI1, YI1 + 50, "=12-2*7"_sj);
    WriteAt(0, XI1, YI1 + 50, "=12-14"_sj);
    WriteAfter(5, "=-2"_sj);
    WaitAnyKey();
    // Answer (2) stands level with the textbook line, right of its end.
    XI0 = 600;
    XI1 = XI0 + 54;
    WriteAt(3, XI0, V_a(1), "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-8 を代入して"_sj);
    WriteAt(0, XI1, YI1 + 50, " 12-2x"_sj);
    WriteAt(0, XI1, YI1 + 50, "=12-2*(-8)"_sj);
    WriteAt(0, XI1, YI1 + 50, "=12+16"_sj);
    WriteAfter(5, "=28"_sj);
}

void Morquist::Example2NegationValueDrill() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    AINP = 3;
    RunValueDrill({0, 0, 1320, 1300, &Morquist::DrawNegationValues, &Morquist::MakeNegationTexts,
                   40, 94, 30, kExample2Steps, Count(kExample2Steps)});

    // The short way, below the last instance.
    WriteAt(3, XI1, YI1 + 70, "x=3のとき、-x="_sj);
    WriteAfter(5, "-3"_sj);
    WriteAt(3, XI1, YI1 + 60, "x=-3のとき、"_sj);
    WriteAt(3, XI1, YI1 + 50, "-x="_sj);
    WriteAfter(5, "-(-3)=3"_sj);
    WriteAt(0, XI1, YI1 + 70, "としてもよい"_sj);
    WaitAnyKey();

    XI0 = 600;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P66 問3 をしなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=3 を代入して"_sj);
    WriteAt(0, XI1, YI1 + 50, " -x-2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-3-2"_sj);
    WriteAt(5, XI1, YI1 + 50, "=-5"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-5 を代入して"_sj);
    WriteAt(0, XI1, YI1 + 50, " -x-2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-(-5)-2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=5-2"_sj);
    WriteAt(5, XI1, YI1 + 50, "=3"_sj);
}

void Morquist::Example3FractionValueDrill() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    AINP = 3;
    RunValueDrill({0, 0, 1320, 1300, &Morquist::DrawFractionValues, &Morquist::MakeFractionTexts,
                   40, 94, 30, kExample3Steps, Count(kExample3Steps)});
    WaitAnyKey();

    XI0 = 600;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P66 問4 をしなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-3 を代入して"_sj);
    WriteAt(0, XI1, YI1 + 70, " ﾀ12/xﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=ﾀ12/-3ﾀ"_sj);
    WriteAfter(5, "=-4"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-3 を代入して"_sj);
    WriteAt(0, XI1, YI1 + 70, " -ﾀ18/xﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ18/-3ﾀ"_sj);
    WriteAfter(5, "=6"_sj);
}

void Morquist::WriteTwoLetterRules() {
    WriteAt(5, XI1, YI1 + 50, "代入するとき、*　を書く"_sj);
    WriteAt(5, XI1, YI1 + 50, "負の数は、( )をつける"_sj);
}

void Morquist::Example5TwoLetterValueDrill() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    // No AINP = 3: the sub-menu has left 10 there, so the first pass runs.
    RunValueDrill({0, 0, 1760, 1300, &Morquist::Draw3xPlus2yValues,
                   &Morquist::MakeTwoLetterTexts, kNoMargin, 40, 30, kExample5Steps,
                   Count(kExample5Steps)});
    WriteTwoLetterRules();
}

void Morquist::Example6TwoLetterValueDrill() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    RunValueDrill({0, 0, 1760, 1300, &Morquist::DrawMinus5aMinus6bValues,
                   &Morquist::MakeTwoLetterTexts, kNoMargin, 40, 30, kExample6Steps,
                   Count(kExample6Steps)});
    WriteTwoLetterRules();
    WaitAnyKey();

    XI0 = 640;
    XI1 = XI0 + 60;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "教科書P67 問7 をしなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-2,y=6 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "2x+y=2*(-2)+6"_sj);
    WriteAt(0, XI1 + 162, YI1 + 50, "=-4+6"_sj);
    WriteAfter(5, "=2"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-2,y=6 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "4x-3y=4*(-2)-3*6"_sj);
    WriteAt(0, XI1 + 162, YI1 + 50, "=-8-18"_sj);
    WriteAfter(5, "=-26"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 60, "(3)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-2,y=6 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 70, "ﾀ3/2ﾀx+y=ﾀ3/2ﾀ*(-2)+6"_sj);
    WriteAt(0, XI1 + 162, YI1 + 70, "=-3+6"_sj);
    WriteAfter(5, "=3"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 50, "教科書P67 問8 をしなさい。"_sj);
}

}  // namespace morquist
