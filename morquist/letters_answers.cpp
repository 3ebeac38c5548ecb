// Chapter 1, items ② to ⑦: the worked examples and the answers to the
// textbook's problems, each a fixed screen revealed one key at a time.
#include <vector>

#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

namespace {

// A line of a textbook answer screen (UTF-8), and whether a key is awaited
// after it.
struct AnswerLine {
    const char* text;
    int colour;
    bool wait;
};

// The answers to the two parts of a textbook problem.
struct AnswerScreen {
    const char* heading;
    std::vector<AnswerLine> first, second;
};

const AnswerScreen kP57Problem2 = {
    "教科書P57　問2解答",
    {{"ボールb個の重さ…135*b (g)", 0, false},
     {"ボールケースの重さを加えると", 0, true},
     {"135*b+1500 (g)", 5, true}},
    {{"1個x円のドーナツ6個の代金…x*6 (円）", 0, false},
     {"おつりは1000円からドーナツの代金をひけばよいから", 0, true},
     {"1000-x*6（円）", 5, false}},
};

const AnswerScreen kP59Problem3 = {
    "教科書P59　問3解答",
    {{"100円硬貨x枚の金額…100*x (円)", 0, true},
     {"10円硬貨y枚の金額…10*y (円)", 0, true},
     {"だから、あわせて", 0, false},
     {"100*x＋10*y (円)", 5, true}},
    {{"2人がけの座席にすわれる人数…2*a (人)", 0, true},
     {"3人がけの座席にすわれる人数…3*b (人)", 0, true},
     {"だから、あわせて", 0, false},
     {"2*a+3*b (人)", 5, false}},
};

const AnswerScreen kPracticeP59 = {
    "教科書P59　練習問題解答",
    {{"長さ5cmのひもx本の長さ…5*x（cm）", 0, true},
     {"残りの長さは、ひけばよいから", 0, true},
     {"a-5*x (cm)", 5, true}},
    {{"三角形の面積は、(底辺)*(高さ)/2 だから", 0, true},
     {"a*h/2 (cm^2)", 5, false}},
};

// Heading, then each problem's number with its lines beside and below it;
// no key after the last line.
void ShowTextbookAnswers(Morquist& m, const AnswerScreen& screen) {
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    m.XI1 = 110;
    m.YI1 = 30;
    m.XI0 = 40;
    m.WriteAt(3, m.XI0, m.YI1, Utf8ToCp932(screen.heading));
    const char* const numbers[2] = {"(1)", "(2)"};
    const std::vector<AnswerLine>* problems[2] = {&screen.first, &screen.second};
    for (int p = 0; p < 2; ++p) {
        // The second problem stands further off than any line from the next.
        const Single y = m.YI1 + (p == 0 ? 50 : 80);
        m.WriteAt(3, m.XI0, y, Utf8ToCp932(numbers[p]));
        bool first = true;
        for (const AnswerLine& line : *problems[p]) {
            m.WriteAt(line.colour, m.XI1, first ? double(y) : m.YI1 + 50, Utf8ToCp932(line.text));
            first = false;
            if (line.wait) m.WaitAnyKey();
        }
    }
}

}  // namespace

void Morquist::ShowP58Problem1Answers() {
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    XI1 = 40;
    YI1 = 30;
    U_a(1) = XI1 + 44;   // the sheets column
    U_a(2) = XI1 + 204;  // the magnets column
    V_a(1) = 190;        // the first row

    // The table: its head and the sheet counts 1 to 6.
    WriteAt(0, XI1, YI1, "問1解答"_sj);
    WriteAt(3, XI1, 80, "画用紙の"_sj);
    WriteAt(3, XI1, 130, "枚数(枚)"_sj);
    WriteAt(3, U_a(2), 80, "必要なﾏｸﾞﾈｯﾄの"_sj);
    WriteAt(3, U_a(2), 130, "個数(個)"_sj);
    static const char* const kDigits[6] = {"1", "2", "3", "4", "5", "6"};
    for (int k = 1; k <= 6; ++k) WriteAt(3, U_a(1), V_a(1) + 60 * (k - 1), Utf8ToCp932(kDigits[k - 1]));
    WaitAnyKey();

    // Each row's count as a calculation, one key each.
    Single formula_end = 0;
    Single formula_y = V_a(1);
    for (int k = 1; k <= 6; ++k) {
        WriteAt(5, U_a(2), formula_y, "2*"_sj + Utf8ToCp932(kDigits[k - 1]) + "+2"_sj);
        formula_end = XI2;
        formula_y = YI1 + 60;
        WaitAnyKey();
    }

    // The rule in words: a two-line label, the equation half-way between.
    WriteAt(3, XI1, 560, "必要なﾏｸﾞﾈｯﾄ"_sj);
    const Single label_end = XI2;
    WriteAt(3, XI1, 610, "の個数"_sj);
    WriteAt(3, label_end, 585, "=2*"_sj);
    WriteAfter(5, "(画用紙の枚数)"_sj);
    WriteAfter(3, "+2"_sj);
    WaitAnyKey();

    // The two questions, right of the count formulas.
    XI1 = formula_end + 200;
    YI1 = 30;
    WriteAt(7, XI1, YI1, "Q1"_sj);
    WriteAfter(0, "数の代わりに画用紙の枚数が"_sj);
    WriteAfter(3, "a"_sj);
    WriteAfter(0, "枚として、"_sj);
    WriteAt(0, XI1, YI1 + 50, "必要なﾏｸﾞﾈｯﾄの個数を表しなさい。"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "答　2*a+2(個)"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 60, "Q2 "_sj);
    WriteAfter(3, "aが10"_sj);
    WriteAfter(0, "のとき"_sj);
    WriteAt(0, XI1, YI1 + 50, "必要なﾏｸﾞﾈｯﾄの個数は何個ですか。"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "2*10+2=22 だから"_sj);
    WriteAt(5, XI1, YI1 + 50, "答　22個"_sj);
}

void Morquist::LetterExpressionExample() {
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);

    // Q3, left column: the price of x notebooks.
    XI1 = 40;
    YI1 = 30;
    WriteAt(7, XI1, YI1, "Q3 "_sj);
    WriteAfter(0, "1冊90円のノートx冊の代金を、"_sj);
    WriteAt(0, XI1, YI1 + 50, "文字を使った式で表しなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "(代金)＝(単価)*(冊数)"_sj);
    WaitAnyKey();
    static const char* const kCases[5][2] = {
        {"1冊…90*1", "90円"},   {"2冊…90*2", "180円"},    {"3冊…90*3", "270円"},
        {"△冊…", "90*△(円)"}, {"x冊…", "90*x(円)"},
    };
    for (const auto& row : kCases) {
        WriteAt(0, XI1, YI1 + 50, Utf8ToCp932(row[0]));
        WaitAnyKey();
        WriteAt(3, XI2 + 50, YI1, Utf8ToCp932(row[1]));
        WaitAnyKey();
    }
    WriteAt(5, XI1, YI1 + 50, "　＜文字式＞"_sj);
    WriteAt(3, XI1, YI1 + 50, "①　文字(a,b,x…)を使った式"_sj);
    WriteAt(3, XI1, YI1 + 50, "②　○、△のかわりに"_sj);
    WriteAt(3, XI1, YI1 + 50, "　　aやxを使って式に表す。"_sj);
    WaitAnyKey();

    // Q4, right column: the weight of 8 cans in a box.
    XI1 = 680;
    YI1 = 30;
    WriteAt(7, XI1, YI1, "Q4 "_sj);
    WriteAfter(0, "1個agのかんづめ8個を、"_sj);
    WriteAt(0, XI1, YI1 + 50, "200gの箱に入れたとき、"_sj);
    WriteAt(0, XI1, YI1 + 50, "全体の重さを表す式を書きなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "全体の重さは、"_sj);
    WriteAt(3, XI1, YI1 + 50, "(1個の重さ)*8+200(g)"_sj);
    WriteAt(0, XI1, YI1 + 50, "だから"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "答　a*8+200(g)"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 70, "教科書P59"_sj);
    WriteAt(7, XI1, YI1 + 50, "問2 をしなさい。"_sj);
}

void Morquist::Example1TotalPrice() {
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    XI1 = 40;
    YI1 = 30;
    WriteAt(7, XI1, YI1, "例1 "_sj);
    WriteAfter(0, "1冊120円のノートa冊と1本100円のボールペンb本を"_sj);
    WriteAt(0, XI1, YI1 + 50, "買ったときの代金を表す式を書きなさい。"_sj);
    WriteAt(3, XI1, YI1 + 50, "<解答>"_sj);
    WaitAnyKey();
    // Three labels first; each expression later starts where its label ends.
    WriteAt(0, XI1, YI1 + 50, "1冊120円のノートa冊の代金…"_sj);
    U_a(1) = XI2;
    V_a(1) = YI1;
    WriteAt(0, XI1, YI1 + 70, "1本100円のボールペンb本の代金…"_sj);
    U_a(2) = XI2;
    V_a(2) = YI1;
    WriteAt(0, XI1, YI1 + 70, "あわせて…"_sj);
    U_a(3) = XI2;
    V_a(3) = YI1;
    WaitAnyKey();
    WriteAt(3, U_a(1), V_a(1), "120*a(円)"_sj);
    WaitAnyKey();
    WriteAt(3, U_a(2), V_a(2), "100*b(円)"_sj);
    WaitAnyKey();
    WriteAt(5, U_a(3), V_a(3), "120*a+100*b(円)"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, V_a(3) + 70, "教科書P59 問3 をしなさい。"_sj);
}

void Morquist::ShowP57Problem2Answers() { ShowTextbookAnswers(*this, kP57Problem2); }
void Morquist::ShowP59Problem3Answers() { ShowTextbookAnswers(*this, kP59Problem3); }
void Morquist::ShowPracticeP59Answers() { ShowTextbookAnswers(*this, kPracticeP59); }

}  // namespace morquist
