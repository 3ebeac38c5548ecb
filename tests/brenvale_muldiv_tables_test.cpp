// Chapter 4 of Brenvale, the items on fixed tables: the product drill of
// item ①, the reciprocal drill that ends item ②, and the worked answers of
// the textbook's problems 1 and 2 on page 74.
#include <string>
#include <vector>

#include "tests/brenvale_muldiv_test_support.h"

namespace {

using namespace muldiv_testing;
using replay::Result;

// The boxes that erase one pass before it is drawn.
const std::string kProductPass = "PsLINE 0 90 2000 1890 15 2 15 ";
const std::string kReciprocalPass = "PsLINE 600 90 2600 1890 15 2 15 ";
const std::string kItemHead = "PsLINE 0 0 1320 1300 15 2 15 ";

struct Row {
    const char* problem;
    const char* middle;  // the product with the reciprocal (item ② only)
    const char* result;
};
const Row kProducts[10] = {
    {"5a*3", "", "15a"},          {"(-x)*3", "", "-3x"},     {"3x*6", "", "18x"},
    {"7a*(-3)", "", "-21a"},      {"-2x*(-9)", "", "18x"},   {"(-a)*8", "", "-8a"},
    {"ﾀ1/7ﾀy*7", "", "y"},        {"(-5)*(-3a)", "", "15a"}, {"(-5)*ﾀ1/5ﾀx", "", "-x"},
    {"ﾀ2/3ﾀa*ﾀ1/4ﾀ", "", "ﾀ1/6ﾀa"},
};
const Row kReciprocals[10] = {
    {"8x/2", "8x*ﾀ1/2ﾀ", "4x"},
    {"12x/(-3)", "12x*(-ﾀ1/3ﾀ)", "-4x"},
    {"-10x/(-5)", "-10x*(-ﾀ1/5ﾀ)", "2x"},
    {"-4x/4", "-4x*ﾀ1/4ﾀ", "-x"},
    {"6x/ﾀ2/3ﾀ", "6x*ﾀ3/2ﾀ", "9x"},
    {"(-6a)/ﾀ3/2ﾀ", "-6a*ﾀ2/3ﾀ", "-4a"},
    {"-12b/(-ﾀ9/4ﾀ)", "-12b*(-ﾀ4/9ﾀ)", "ﾀ16/3ﾀb"},
    {"ﾀ3/4ﾀx/6", "ﾀ3/4ﾀx*ﾀ1/6ﾀ", "ﾀ1/8ﾀx"},
    {"6x/(-ﾀ2/3ﾀ)", "6x*(-ﾀ3/2ﾀ)", "-9x"},
    {"-ﾀ3/4ﾀa/ﾀ5/4ﾀ", "-ﾀ3/4ﾀa*ﾀ4/5ﾀ", "-ﾀ3/5ﾀa"},
};

// Step answers that show the next row: anything whose value is not 1.
const char* const kOtherThanOne[] = {"2", "0", "1.5", "", "-1", "11"};

std::string PassKeys(const std::string& before_prompt, int passes, const std::string& last) {
    std::string keys;
    for (int k = 0; k + 1 < passes; ++k)
        keys += before_prompt + kOtherThanOne[k % std::size(kOtherThanOne)] + "{enter}";
    return keys + before_prompt + last + "{enter}";
}

class MulDivTablesTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// ---- item ① ----

TEST_F(MulDivTablesTest, ProductRowsComeInTableOrderAndWrapAfterTen) {
    // Twelve passes, the last ended by 3/3, which the prompt reads as 1.
    Result r = RunBrenvale(program, Chapter4Item(1) + PassKeys("a", 12, "3/3"));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto heading = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(heading, 40, 30).text, "例1　次の計算をしなさい。");
    EXPECT_EQ(LineAt(heading, 40, 30).colour, 0);
    auto passes = SplitAt(r.log, kProductPass);
    ASSERT_EQ(passes.size(), 12u);
    for (int k = 0; k < 12; ++k) {
        const Row& row = kProducts[k % 10];
        SCOPED_TRACE("pass " + std::to_string(k + 1) + ": " + row.problem);
        auto part = UpToStepPrompt(passes[k]);
        // The problem and "=", a key, the answer in colour 5 after the "=".
        auto at = FindPieces(part, {100, 120, {{0, std::string(row.problem) + "="},
                                               {5, row.result}}});
        ASSERT_NE(at[1], std::string::npos);
        auto waits = IndicesOf(part, kAnyKeyBox);
        ASSERT_EQ(waits.size(), 1u);
        EXPECT_LT(at[0], waits[0]);
        EXPECT_GT(at[1], waits[0]);
    }
}

TEST_F(MulDivTablesTest, ProductDrillClosesWithTheRuleAndPage74Problem1) {
    Result r = RunBrenvale(program, Chapter4Item(1) + "a2{enter}a1{enter}aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto passes = SplitAt(r.log, kProductPass);
    ASSERT_EQ(passes.size(), 2u);
    auto part = passes[1];
    auto steps = IndicesOf(part, kStepBox);
    ASSERT_EQ(steps.size(), 1u);
    std::size_t menu = std::find_if(part.begin(), part.end(), IsItemLineStart) - part.begin();
    ASSERT_LT(menu, part.size());
    std::vector<std::string> closing(part.begin() + steps[0], part.begin() + menu);
    // The last row stays above the rule.
    EXPECT_NE(FindPieces(part, {100, 120, {{0, "(-x)*3="}, {5, "-3x"}}})[1], std::string::npos);

    auto glyphs = GlyphsIn(closing);
    Line rule = LineAt(glyphs, 40, 200);
    EXPECT_EQ(rule.text, "係数と数の積に、文字をかける。");
    EXPECT_EQ(rule.colour, 5);
    Line pointer = LineAt(glyphs, 40, 280);
    EXPECT_EQ(pointer.text, "教科書P74 問1 をやろう。");
    EXPECT_EQ(pointer.colour, 7);

    const std::vector<WrittenLine> answers = {
        {40, 340, {{3, "(1)"}}},
        {127, 340, {{0, "3x*2"}}},
        {100, 390, {{0, "=3*x*2"}}},
        {100, 440, {{0, "=3*2*x"}, {5, "=6x"}}},
        {40, 500, {{3, "(2)"}}},
        {127, 500, {{0, "4x*(-7)"}}},
        {100, 550, {{0, "=4*x*(-7)"}}},
        {100, 600, {{0, "=4*(-7)*x"}, {5, "=-28x"}}},
        {600, 30, {{3, "(3)"}}},
        {681, 30, {{0, "-x*9"}, {0, "=-1*x*9"}}},
        {654, 80, {{0, "=-1*9*x"}, {5, "=-9x"}}},
        {600, 140, {{3, "(4)"}}},
        {681, 140, {{0, "-5x*(-6)"}, {0, "=-5*x*(-6)"}}},
        {654, 190, {{0, "=-5*(-6)*x"}, {5, "=30x"}}},
        {600, 250, {{3, "(5)"}}},
        {681, 250, {{0, "14x*ﾀ6/7ﾀ"}, {0, "=14*x*ﾀ6/7ﾀ"}}},
        {654, 320, {{0, "=14*ﾀ6/7ﾀ*x"}}},
        {654, 390, {{0, "=2*6*x"}, {5, "=12x"}}},
        {600, 450, {{3, "(6)"}}},
        {681, 450, {{0, "-ﾀ3/4ﾀx*12"}, {0, "=-ﾀ3/4ﾀ*x*12"}}},
        {654, 520, {{0, "=-ﾀ3/4ﾀ*12*x"}}},
        {654, 590, {{0, "=-3*3*x"}, {5, "=-9x"}}},
    };
    // A wait after the rule and after the pointer; the answers follow at
    // once, and the sub-menu follows them with no wait.
    auto waits = IndicesOf(closing, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 2u);
    ExpectLinesInOrder(closing, answers, waits[1]);
    EXPECT_LT(glyphs.front().index, waits[0]);
}

TEST_F(MulDivTablesTest, ProductDrillStartsAtRowOneOnEveryEntry) {
    // Three rows, leave through the answers, choose the item again.
    Result r = RunBrenvale(program, Chapter4Item(1) + PassKeys("a", 3, "1") + "aa" + "1{enter}" +
                                        "a1{enter}aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto visits = SplitAt(r.log, kItemHead);
    ASSERT_EQ(visits.size(), 2u);
    auto passes = SplitAt(visits[1], kProductPass);
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_NE(FindPieces(passes[0], {100, 120, {{0, "5a*3="}, {5, "15a"}}})[1],
              std::string::npos);
}

// ---- item ②, the reciprocal drill ----

TEST_F(MulDivTablesTest, ReciprocalRowsRunInTheRightColumnAndWrapAfterTen) {
    // One instance of drill ①, its rule's wait, then twelve rows ended by
    // 2/2, the rule's wait and the pointer.
    Result r = RunBrenvale(program, Chapter4Item(2) + "aaa1{enter}" + "a" +
                                        PassKeys("aa", 12, "2/2") + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto passes = SplitAt(r.log, kReciprocalPass);
    ASSERT_EQ(passes.size(), 12u);
    for (int k = 0; k < 12; ++k) {
        const Row& row = kReciprocals[k % 10];
        SCOPED_TRACE("pass " + std::to_string(k + 1) + ": " + row.problem);
        auto part = UpToStepPrompt(passes[k]);
        auto problem = FindPieces(part, {626, 120, {{0, std::string("② ") + row.problem}}});
        auto working = FindPieces(part, {660, 210, {{0, "=" + std::string(row.middle) + "="},
                                                    {5, row.result}}});
        ASSERT_NE(problem[0], std::string::npos);
        ASSERT_NE(working[1], std::string::npos);
        auto waits = IndicesOf(part, kAnyKeyBox);
        ASSERT_EQ(waits.size(), 2u);
        EXPECT_LT(problem[0], waits[0]);
        EXPECT_GT(working[0], waits[0]);
        EXPECT_LT(working[0], waits[1]);
        EXPECT_GT(working[1], waits[1]);
        // Nothing left of x 600 is erased: the left column stays.
        for (const auto& line : part) {
            bool prompt = line.find(" 657 ") != std::string::npos ||
                          line.find(" 639 ") != std::string::npos;
            if (StartsWith(line, "PsLINE ") && line.find(" 15 2 15 ") != std::string::npos &&
                !prompt) {
                EXPECT_GE(Numbers(line)[0], 600) << line;
            }
        }
    }
    // The rule 80 below the result line, one key, the pointer 80 lower, and
    // the sub-menu at once.
    auto& last = passes.back();
    auto glyphs = GlyphsIn(last);
    Line rule = LineAt(glyphs, 600, 290);
    EXPECT_EQ(rule.text, "逆数をかける。");
    EXPECT_EQ(rule.colour, 5);
    Line pointer = LineAt(glyphs, 600, 370);
    EXPECT_EQ(pointer.text, "教科書P74 問2　をやろう。");
    EXPECT_EQ(pointer.colour, 7);
    auto waits = IndicesOf(last, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 3u);
    std::size_t menu = std::find_if(last.begin(), last.end(), IsItemLineStart) - last.begin();
    ASSERT_LT(menu, last.size());
    std::size_t pointer_at = 0;
    for (const auto& g : glyphs)
        if (g.y == 370) pointer_at = g.index;
    EXPECT_GT(pointer_at, waits[2]);
    EXPECT_GT(menu, pointer_at);
}

TEST_F(MulDivTablesTest, ReciprocalDrillStartsAtRowOneOnEveryEntry) {
    const std::string visit = Chapter4Item(2).substr(std::string("4{enter}").size());
    Result r = RunBrenvale(program, Chapter4Item(2) + "aaa1{enter}a" + PassKeys("aa", 4, "1") +
                                        "a" + visit + "aaa1{enter}a" + "aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto visits = SplitAt(r.log, kItemHead);
    ASSERT_EQ(visits.size(), 2u);
    auto passes = SplitAt(visits[1], kReciprocalPass);
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_NE(FindPieces(passes[0], {626, 120, {{0, "② 8x/2"}}})[0], std::string::npos);
}

// ---- item ③ ----

TEST_F(MulDivTablesTest, Page74Problem2AnswersComeAfterOneKey) {
    Result r = RunBrenvale(program, Chapter4Item(3) + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto visits = SplitAt(r.log, kItemHead);
    ASSERT_EQ(visits.size(), 1u);
    auto part = visits[0];
    auto waits = IndicesOf(part, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 1u);
    std::size_t menu = std::find_if(part.begin(), part.end(), IsItemLineStart) - part.begin();
    ASSERT_LT(menu, part.size());

    // Before the key: the heading only.
    std::vector<std::string> before(part.begin(), part.begin() + waits[0]);
    EXPECT_EQ(before, ReferencePieces(94, 30, {{3, "教科書P74 問2　解答"}})[0]);

    const std::vector<WrittenLine> answers = {
        {40, 90, {{3, "(1)"}}},          {121, 90, {{0, "18x/6"}}},
        {94, 160, {{0, "=ﾀ18x/6ﾀ"}}},     {94, 230, {{0, "=ﾀ18*x/6ﾀ"}}},
        {94, 280, {{5, "=3x"}}},         {40, 340, {{3, "(2)"}}},
        {121, 340, {{0, "10x/(-5)"}}},   {94, 410, {{0, "=-ﾀ10x/5ﾀ"}}},
        {94, 480, {{0, "=-ﾀ10*x/5ﾀ"}}},   {94, 530, {{5, "=-2x"}}},
        {400, 90, {{3, "(3)"}}},         {481, 90, {{0, "-12x/(-4)"}}},
        {454, 160, {{0, "=ﾀ12x/4ﾀ"}}},    {454, 230, {{0, "=ﾀ12*x/4ﾀ"}}},
        {454, 280, {{5, "=3x"}}},        {400, 340, {{3, "(4)"}}},
        {481, 340, {{0, "9x/ﾀ3/4ﾀ"}}},    {454, 410, {{0, "=9x*ﾀ4/3ﾀ"}}},
        {454, 480, {{0, "=9*ﾀ4/3ﾀ*x"}}},  {454, 550, {{0, "=3*4*x"}}},
        {454, 600, {{5, "=12x"}}},       {800, 90, {{3, "(5)"}}},
        {881, 90, {{0, "6x/(-ﾀ3/2ﾀ)"}}},  {854, 160, {{0, "=6x*(-ﾀ2/3ﾀ)"}}},
        {854, 230, {{0, "=6*(-ﾀ2/3ﾀ)*x"}}}, {854, 300, {{0, "=-2*2*x"}}},
        {854, 350, {{5, "=-4x"}}},       {800, 410, {{3, "(6)"}}},
        {881, 410, {{0, "-3x/3"}}},      {854, 480, {{0, "=-ﾀ3x/3ﾀ"}}},
        {854, 550, {{0, "=-ﾀ3*x/3ﾀ"}}},   {854, 600, {{5, "=-x"}}},
    };
    ASSERT_EQ(answers.size(), 32u);
    // The 32 lines, in order, are all that is drawn between the key and the
    // sub-menu.
    std::size_t shown = std::find_if(part.begin() + waits[0], part.end(),
                                     [](const std::string& l) {
                                         return StartsWith(l, "PsLINE 0 657 400 693 15 2 15 ");
                                     }) -
                        part.begin();
    ASSERT_LT(shown, menu);
    std::vector<std::string> after(part.begin() + shown + 1, part.begin() + menu);
    ExpectLinesInOrder(after, answers);
    std::vector<std::string> expected;
    for (const auto& line : answers)
        for (const auto& block : ReferencePieces(line.x, line.y, line.pieces))
            expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(after, expected);
}

}  // namespace
