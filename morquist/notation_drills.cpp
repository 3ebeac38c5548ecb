// Chapter 2, items ①, ②, ③ and ⑤: the rule drills for products and
// quotients, each followed by the rule it shows, and the summary of the
// six rules.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

namespace {

using RuleRow = Morquist::RuleRow;

// Products of letters: alphabetical order.
const RuleRow kQ2Rows[10] = {
    {"a*b", "ab"},         {"b*a", "ab"},       {"y*x", "xy"},          {"a*b*c", "abc"},
    {"b*a*c", "abc"},      {"x*a*y*b", "abxy"}, {"x*3*y", "3xy"},       {"b*a*5", "5ab"},
    {"y*(-3)*x", "-3xy"},  {"x*a*(-2)", "-2ax"},
};

// A bracket counts as one letter.
const RuleRow kQ3Rows[10] = {
    {"5*(a+b)", "5(a+b)"},       {"(x+y)*3", "3(x+y)"},       {"(n-5)*2", "2(n-5)"},
    {"3*(a+3)", "3(a+3)"},       {"(a-b)*5", "5(a-b)"},       {"-5*(a+b)", "-5(a+b)"},
    {"(x+y)*(-3)", "-3(x+y)"},   {"(n-5)*(-2)", "-2(n-5)"},   {"-3*(a+3)", "-3(a+3)"},
    {"(a-b)*(-5)", "-5(a-b)"},
};

// Fractions behave like whole numbers.
const RuleRow kQ4Rows[10] = {
    {"ﾀ3/5ﾀ*x", "ﾀ3/5ﾀx"},
    {"x*ﾀ2/7ﾀ", "ﾀ2/7ﾀx"},
    {"a*ﾀ1/5ﾀ", "ﾀ1/5ﾀa"},
    {"ﾀ2/7ﾀ*(a+b)", "ﾀ2/7ﾀ(a+b)"},
    {"(x-y)*ﾀ3/4ﾀ", "ﾀ3/4ﾀ(x-y)"},
    {"-ﾀ3/5ﾀ*x", "-ﾀ3/5ﾀx"},
    {"x*(-ﾀ2/7ﾀ)", "-ﾀ2/7ﾀx"},
    {"a*(-ﾀ1/5ﾀ)", "-ﾀ1/5ﾀa"},
    {"-ﾀ2/7ﾀ*(a+b)", "-ﾀ2/7ﾀ(a+b)"},
    {"(x-y)*(-ﾀ3/4ﾀ)", "-ﾀ3/4ﾀ(x-y)"},
};

// The factors 1, -1 and 0.1.
const RuleRow kQ5Rows[10] = {
    {"1*a", "a"},        {"b*1", "b"},        {"x*1", "x"},        {"y*1+1", "y+1"},
    {"0.1*a", "0.1a"},   {"(-1)*a", "-a"},    {"b*(-1)", "-b"},    {"x*(-1)", "-x"},
    {"y*(-1)-1", "-y-1"}, {"(-0.1)*a", "-0.1a"},
};

// Products of the same letter: exponents.
const RuleRow kQ6Rows[10] = {
    {"x*x*x", "x^3"},        {"x*4*x", "4x^2"},       {"x*x*y*y*y", "x^2y^3"},
    {"a*a", "a^2"},          {"a*a*b", "a^2b"},       {"a*5*a*a", "5a^3"},
    {"a*a*(-3)", "-3a^2"},   {"x*y*x*(-2)", "-2x^2y"}, {"a*a*1*b", "a^2b"},
    {"x*(-1)*y*x", "-x^2y"},
};

// Quotients as fractions.
const RuleRow kQ7Rows[10] = {
    {"a/9", "ﾀa/9ﾀ"},         {"x/4", "ﾀx/4ﾀ"},         {"-x/4", "-ﾀx/4ﾀ"},
    {"a/(-5)", "-ﾀa/5ﾀ"},     {"(x+3)/2", "ﾀx+3/2ﾀ"},   {"(a-2)/5", "ﾀa-2/5ﾀ"},
    {"x/y", "ﾀx/yﾀ"},         {"a/b", "ﾀa/bﾀ"},         {"x/(-y)", "-ﾀx/yﾀ"},
    {"5b/2", "ﾀ5b/2ﾀ"},
};

// The signs of a fraction, through the fraction with its signs kept.
const RuleRow kQ8Rows[10] = {
    {"a/(-9)", "-ﾀa/9ﾀ", "ﾀa/-9ﾀ"},
    {"x/(-4)", "-ﾀx/4ﾀ", "ﾀx/-4ﾀ"},
    {"3x/(-4)", "-ﾀ3x/4ﾀ", "ﾀ3x/-4ﾀ"},
    {"-3a/(-4)", "ﾀ3a/4ﾀ", "ﾀ-3a/-4ﾀ"},
    {"x/1", "x", "ﾀx/1ﾀ"},
    {"-x/1", "-x", "ﾀ-x/1ﾀ"},
    {"-x/(-1)", "x", "ﾀ-x/-1ﾀ"},
    {"a/(-1)", "-a", "ﾀa/-1ﾀ"},
    {"-2x/(-7)", "ﾀ2x/7ﾀ", "ﾀ-2x/-7ﾀ"},
    {"-3a/(-1)", "3a", "ﾀ-3a/-1ﾀ"},
};

// Example 3: products and quotients mixed.
const RuleRow kExample3Rows[10] = {
    {"5-4*n", "5-4n"},
    {"x*4-y/4", "4x-ﾀy/4ﾀ"},
    {"a*7-b*3", "7a-3b"},
    {"x*y*x/3", "ﾀx^2y/3ﾀ"},
    {"-2*(a+b)-c/2", "-2(a+b)-ﾀc/2ﾀ"},
    {"6*a+b/3", "6a+ﾀb/3ﾀ"},
    {"x/5+3", "ﾀx/5ﾀ+3"},
    {"x*2-y/2", "2x-ﾀy/2ﾀ"},
    {"2+3a/5", "2+ﾀ3a/5ﾀ"},
    {"a*(-3)-5b/2", "-3a-ﾀ5b/2ﾀ"},
};

// Heading, colour, x, y; clear rectangle, cleared before the heading;
// expression x, y; cell width, height; rows.
const Morquist::RuleTableDrill kQ2 = {"Q2　きまりをみつけよう。", 7, 40, 340,
                                      0, 340, 600, 640, true, 80, 420, 120, 50, kQ2Rows};
const Morquist::RuleTableDrill kQ3 = {"Q3　きまりをみつけよう。", 7, 680, 30,
                                      680, 90, 1320, 230, false, 680, 110, 210, 50, kQ3Rows};
const Morquist::RuleTableDrill kQ4 = {"Q4　きまりをみつけよう。", 7, 680, 280,
                                      680, 280, 1280, 520, true, 680, 370, 210, 90, kQ4Rows};
const Morquist::RuleTableDrill kQ5 = {"Q5　きまりをみつけよう。", 7, 40, 30,
                                      0, 90, 600, 230, false, 134, 110, 120, 50, kQ5Rows};
const Morquist::RuleTableDrill kQ6 = {"Q6　きまりをみつけよう。", 7, 40, 260,
                                      0, 320, 1600, 460, false, 134, 340, 150, 50, kQ6Rows};
const Morquist::RuleTableDrill kQ7 = {"Q7　きまりをみつけよう。", 7, 40, 30,
                                      0, 90, 720, 290, false, 80, 120, 210, 90, kQ7Rows};
const Morquist::RuleTableDrill kQ8 = {"Q8　きまりをみつけよう。", 7, 40, 360,
                                      0, 410, 720, 610, false, 40, 440, 150, 90, kQ8Rows};
const Morquist::RuleTableDrill kExample3 = {
    "例3 *,/を使わないで表しなさい。", 3, 40, 30, 0, 90, 720, 290, false, 80, 120, 270, 90,
    kExample3Rows};

}  // namespace

void Morquist::ProductRulesDrill1() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);

    // Q1: a number times a letter, from random numbers.
    AINP = 3;
    while (AINP != 1) {
        T_a(1) = INT(PaRnd() * 18) + 2;
        P = INT(PaRnd() * 2) + 1;
        if (P == 1) T_a(1) = -T_a(1);
        FormatNumberArrays();
        // A negative factor after the letter needs its brackets.
        T_sa(2) = T_a(1) < 0 ? "("_sj + T_sa(1) + ")"_sj : T_sa(1);
        X_sa(1) = "a"_sj;
        X_sa(2) = "b"_sj;
        X_sa(3) = "x"_sj;
        X_sa(4) = "y"_sj;
        T_sa(11) = X_sa(INT(PaRnd() * 4) + 1);
        P = INT(PaRnd() * 2) + 1;
        F_sa(1) = P == 1 ? T_sa(1) + "*"_sj + T_sa(11) : T_sa(11) + "*"_sj + T_sa(2);
        F_sa(2) = T_sa(1) + T_sa(11);
        XI1 = 40;
        YI1 = 30;
        WriteAt(7, XI1, YI1, "Q1　積の表し方のきまりをみつけよう。"_sj);
        PsLINE(0, 90, false, 600, 230, 15, 2, 15);
        RevealRuleAnswer(F_sa(1) + "="_sj, F_sa(2), 80, 110, 120, 50);
    }
    XI1 = 40;
    WriteAt(5, 120, YI1 + 70, "<積の表し方>"_sj);
    WaitAnyKey();
    WriteAt(3, 80, YI1 + 50, "①*は省いて書く"_sj);
    WaitAnyKey();
    WriteAt(3, 80, YI1 + 50, "②数を文字の前に書く"_sj);
    WaitAnyKey();

    RunRuleTableDrill(kQ2);
    WriteAt(5, 80, YI1 + 70, "アルファベット順に書く"_sj);
    WriteAt(3, 120, YI1 + 50, "(例外もある)"_sj);
    WaitAnyKey();

    RunRuleTableDrill(kQ3);
    WriteAt(5, 720, YI1 + 80, "( )は1つの文字と同じ"_sj);
    WaitAnyKey();

    RunRuleTableDrill(kQ4);
    WriteAt(5, 720, YI1 + 80, "分数も整数と同じ"_sj);
    WriteAt(3, 680, YI1 + 50, "(文字は真ん中の棒の横に書く)"_sj);
}

void Morquist::ProductRulesDrill2() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);

    RunRuleTableDrill(kQ5);
    WriteAt(5, 134, YI1 + 80, "1は書かない"_sj);
    WriteAfter(3, "(0.1は書く)"_sj);
    WaitAnyKey();

    RunRuleTableDrill(kQ6);
    WriteAt(5, 40, YI1 + 80, "同じ文字の積は、指数を使って書く"_sj);
    WaitAnyKey();
    WriteAt(3, 40, YI1 + 60, "教科書P60 問1,問2 をしなさい。"_sj);
    WaitAnyKey();

    // The answers to questions 1 and 2, in the right half; question 2 goes
    // the other way, back to "*".
    struct Answer {
        const char* label;
        const char* question;
        const char* answer;
    };
    static const Answer kQuestion1[6] = {
        {"(1)", "50*n", "=50n"},      {"(2)", "x*8", "=8x"},        {"(3)", "y*(-1)*x", "=-xy"},
        {"(4)", "c*c*c", "=c^3"},     {"(5)", "3*a*a*b", "=3a^2b"}, {"(6)", "(b+c)*7", "=7(b+c)"},
    };
    static const Answer kQuestion2[2] = {
        {"(1)", "7ab", "=7*a*b"},
        {"(2)", "2xy^2", "=2*x*y*y"},
    };
    auto row = [this](const Answer& a) {
        WriteAt(3, 680, YI1 + 50, Utf8ToCp932(a.label));
        WriteAt(0, 761, YI1, Utf8ToCp932(a.question));
        WriteAfter(5, Utf8ToCp932(a.answer));
    };
    WriteAt(7, 680, 30, "問1解答"_sj);
    WaitAnyKey();
    for (const Answer& a : kQuestion1) {
        row(a);
        WaitAnyKey();
    }
    WriteAt(7, 680, YI1 + 60, "問2解答"_sj);
    WaitAnyKey();
    row(kQuestion2[0]);
    WaitAnyKey();
    row(kQuestion2[1]);
}

void Morquist::QuotientRulesDrill() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);

    RunRuleTableDrill(kQ7);
    WriteAt(5, 40, YI1 + 80, "/は使わないで、分数の形で書く"_sj);
    WriteAt(3, 40, YI1 + 80, "ﾀx/4ﾀ=ﾀ1/4ﾀx でもよい"_sj);
    WaitAnyKey();

    RunRuleTableDrill(kQ8);
    WriteAt(5, 40, YI1 + 80, "- が奇数のとき、- をつける"_sj);
    WaitAnyKey();
    WriteAt(3, 40, YI1 + 60, "教科書P61 問3,問4 をしなさい。"_sj);
}

void Morquist::Example3NotationDrill() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    NO = 1;
    RunRuleTableDrill(kExample3);
    WaitAnyKey();

    // The six rules of the chapter in two columns, under the last instance.
    XI0 = 40;
    V_a(1) = YI1 + 80;
    WriteAt(5, XI0, V_a(1), "<文字式の表し方>"_sj);
    WriteAt(0, XI0, YI1 + 50, "①"_sj);
    WriteAfter(3, "*は省いて書く"_sj);
    WriteAfter(0, "(a*b=ab)"_sj);
    WriteAt(0, XI0, YI1 + 50, "②"_sj);
    WriteAfter(3, "文字と数の積では、"_sj);
    WriteAt(3, XI0 + 36, YI1 + 50, "数を文字の前に書く"_sj);
    WriteAfter(0, "(2*x=2x)"_sj);
    WriteAt(0, XI0, YI1 + 50, "③"_sj);
    WriteAfter(3, "文字はa,b,c…順に書く"_sj);
    WriteAfter(0, "(ba→ab)"_sj);
    WriteAt(0, XI0, YI1 + 50, "④"_sj);
    WriteAfter(3, "1と文字の積は1を書かない。"_sj);
    WriteAt(0, XI0 + 36, YI1 + 50, "(1a=a -1x=-x)"_sj);
    V_a(2) = YI1;
    WriteAt(0, 640, V_a(1), "⑤"_sj);
    WriteAfter(3, "同じ文字の積は、指数を使って書く"_sj);
    WriteAt(0, 676, YI1 + 50, "(a*a=a^2)"_sj);
    WriteAt(0, 640, YI1 + 50, "⑥"_sj);
    WriteAfter(3, "÷は使わないで、分数の形で書く"_sj);
    WriteAt(0, 676, YI1 + 60, "(x/3=ﾀx/3ﾀ)"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, V_a(2) + 60, "教科書P61 問5,問6 をしなさい。"_sj);
}

}  // namespace morquist
