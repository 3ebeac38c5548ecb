// Chapter 4 of Brenvale, item ②'s random drill: kx ÷ n written as a
// fraction and cancelled. The textbook's instances through chosen random
// numbers, then many instances at random clocks, each read back from the log
// and checked against the algebra.
#include <set>
#include <string>
#include <vector>

#include "tests/brenvale_muldiv_test_support.h"

namespace {

using namespace muldiv_testing;
using replay::Result;

const std::string kDivisionPass = "PsLINE 0 90 2000 1890 15 2 15 ";
const std::string kReciprocalPass = "PsLINE 600 90 2600 1890 15 2 15 ";

struct Tally {
    std::set<int> divisors, quotients;
    std::set<std::string> letters;
    int instances = 0;
};

// One instance, up to its step prompt: "① " and the problem at (66, 120),
// the fraction at (100, 210), the fraction with "×" at (100, 300) and the
// result in colour 5 right after it, one key between each. The problem is
// read back; everything else must be what its numbers make.
void CheckInstance(const std::vector<std::string>& part, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    const std::string problem = LineAt(glyphs, 127, 120).text;
    SCOPED_TRACE(problem);
    std::smatch m;
    static const std::regex form(R"(^\(?(-?\d+)([ax])\)?÷\(?(-?\d+)\)?$)");
    ASSERT_TRUE(std::regex_match(problem, m, form));
    const int k = std::stoi(m[1]), n = std::stoi(m[3]);
    const std::string letter = m[2];
    ASSERT_NE(n, 0);
    ASSERT_EQ(k % n, 0);
    const int q = k / n;
    EXPECT_TRUE(std::abs(n) >= 2 && std::abs(n) <= 7);
    EXPECT_TRUE(std::abs(q) >= 2 && std::abs(q) <= 7);
    // Brackets round a negative dividend and a negative divisor only.
    const std::string dividend = std::to_string(k) + letter;
    const std::string shown_dividend = k < 0 ? "(" + dividend + ")" : dividend;
    EXPECT_EQ(problem, shown_dividend + "÷" + Factor(n));
    EXPECT_TRUE(WrittenWell(problem));

    auto waits = IndicesOf(part, kAnyKeyBox);
    auto steps = IndicesOf(part, kStepBox);
    ASSERT_EQ(waits.size(), 3u);
    ASSERT_EQ(steps.size(), 1u);
    PlainLine whole = ReadPlainLine(glyphs, 66, 120);
    EXPECT_EQ(whole.text, "① " + problem);
    EXPECT_EQ(whole.colours, std::set<int>{0});
    auto fraction = FindPieces(
        part, {100, 210, {{0, "=ﾀ" + dividend + "/" + std::to_string(n) + "ﾀ"}}});
    auto apart = FindPieces(
        part, {100, 300,
               {{0, "=ﾀ" + std::to_string(k) + "*" + letter + "/" + std::to_string(n) + "ﾀ"},
                {5, "=" + std::to_string(q) + letter}}});
    ASSERT_NE(fraction[0], std::string::npos);
    ASSERT_NE(apart[1], std::string::npos);
    EXPECT_LT(whole.index, waits[0]);
    EXPECT_TRUE(waits[0] < fraction[0] && fraction[0] < waits[1]);
    EXPECT_TRUE(waits[1] < apart[0] && apart[0] < waits[2]);
    EXPECT_TRUE(waits[2] < apart[1] && apart[1] < steps[0]);

    // Everything stays left of the right-hand column at x 600.
    for (std::size_t i = 0; i < steps[0]; ++i) {
        const std::string& line = part[i];
        double right = 0;
        if (StartsWith(line, "PsSYMBOL40 ")) {
            auto at = Numbers(line.substr(0, line.find('"')));
            if (at[1] >= 639) continue;  // the prompt strip
            right = at[0] + 34;
        } else if (StartsWith(line, "PsLINE ")) {
            auto at = Numbers(line);
            if (at[1] >= 639) continue;
            right = std::max(at[0], at[2]);
        }
        EXPECT_LT(right, 600) << line;
        EXPECT_EQ(line.find("±"), std::string::npos) << line;
    }
    tally.divisors.insert(n);
    tally.quotients.insert(q);
    tally.letters.insert(letter);
    ++tally.instances;
}

std::vector<std::vector<std::string>> DivisionPasses(const std::vector<std::string>& log) {
    std::vector<std::vector<std::string>> out;
    for (auto& part : SplitAtAny(log, {kDivisionPass, kReciprocalPass}))
        if (part.kind == 0) out.push_back(std::move(part.lines));
    return out;
}

class DivisionDrillTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

TEST_F(DivisionDrillTest, TheWorkedInstancesReadAsTheyShould) {
    struct Case {
        std::vector<double> rnd;  // |n|, its sign (0 negates), |q|, its sign (1 negates), letter
        const char* problem;      // after "① "
        const char* fraction;
        const char* apart;
        const char* result;
    };
    const Case cases[] = {
        {{0.2, 0.2, 0.4, 0.7, 0.7}, "(-12x)÷(-3)", "=ﾀ-12x/-3ﾀ", "=ﾀ-12*x/-3ﾀ", "=4x"},
        {{0.5, 0.7, 0.9, 0.7, 0.2}, "35a÷5", "=ﾀ35a/5ﾀ", "=ﾀ35*a/5ﾀ", "=7a"},
        // (-4x) ÷ 2 is -2x.
        {{0, 0.7, 0, 0.2, 0.7}, "(-4x)÷2", "=ﾀ-4x/2ﾀ", "=ﾀ-4*x/2ﾀ", "=-2x"},
        // The last value of every draw.
        {{0.99999994, 0.99999994, 0.99999994, 0.99999994, 0.99999994}, "49x÷7", "=ﾀ49x/7ﾀ",
         "=ﾀ49*x/7ﾀ", "=7x"},
        {{0.99999994, 0, 0.99999994, 0, 0.99999994}, "49x÷(-7)", "=ﾀ49x/-7ﾀ", "=ﾀ49*x/-7ﾀ",
         "=-7x"},
    };
    std::vector<double> rnd;
    for (const auto& c : cases) rnd.insert(rnd.end(), c.rnd.begin(), c.rnd.end());
    Result r = RunBrenvale(program, Chapter4Item(2) + Repeat("aaa2{enter}", std::size(cases)),
                           rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_EQ(LineAt(GlyphsIn(r.log), 40, 30).text, "例2　次の計算をしなさい。");
    EXPECT_EQ(LineAt(GlyphsIn(r.log), 40, 30).colour, 3);
    auto passes = DivisionPasses(r.log);
    ASSERT_EQ(passes.size(), std::size(cases) + 1);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const Case& c = cases[k];
        SCOPED_TRACE(c.problem);
        const auto& part = passes[k];
        EXPECT_EQ(LineAt(GlyphsIn(part), 127, 120).text, c.problem);
        EXPECT_NE(FindPieces(part, {100, 210, {{0, c.fraction}}})[0], std::string::npos);
        EXPECT_NE(FindPieces(part, {100, 300, {{0, c.apart}, {5, c.result}}})[1],
                  std::string::npos);
        Tally tally;
        CheckInstance(part, tally);
    }
}

TEST_F(DivisionDrillTest, OneEndsTheDrillUnderItsRule) {
    Result r = RunBrenvale(program, Chapter4Item(2) + "aaa0{enter}" + "aaa1{enter}" + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto passes = DivisionPasses(r.log);
    ASSERT_EQ(passes.size(), 2u);
    auto& last = passes[1];
    auto steps = IndicesOf(last, kStepBox);
    ASSERT_EQ(steps.size(), 1u);
    // Under the last instance, in colour 5; one key, then the right-hand
    // drill starts.
    auto rule = FindPieces(last, {40, 380, {{5, "分数の形にして、約分する。"}}}, steps[0]);
    ASSERT_NE(rule[0], std::string::npos);
    auto waits = IndicesOf(last, kAnyKeyBox, steps[0]);
    ASSERT_EQ(waits.size(), 1u);
    EXPECT_GT(waits[0], rule[0]);
    EXPECT_EQ(SplitAt(r.log, kReciprocalPass).size(), 1u);
}

// 504 instances, in shards that run side by side: each shard runs the item
// twice, at two random clocks, for 63 instances a run.
constexpr int kShards = 4;
constexpr int kRunsPerShard = 2;
constexpr int kInstancesPerRun = 63;

class ManyDivisionsTest : public DivisionDrillTest, public ::testing::WithParamInterface<int> {};

TEST_P(ManyDivisionsTest, EveryInstanceDividesEvenly) {
    Tally tally;
    for (const auto& clock : ShardClocks(GetParam(), kRunsPerShard)) {
        SCOPED_TRACE("--clock " + clock);
        brenvale::Brenvale fresh;
        std::string keys = Chapter4Item(2) + Repeat("aaa2{enter}", kInstancesPerRun - 1) +
                           "aaa1{enter}" + "a" + "aa1{enter}" + "a";
        Result r = RunBrenvale(fresh, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto passes = DivisionPasses(r.log);
        ASSERT_EQ(passes.size(), std::size_t(kInstancesPerRun));
        for (int k = 0; k < kInstancesPerRun; ++k) {
            SCOPED_TRACE("pass " + std::to_string(k + 1));
            CheckInstance(UpToStepPrompt(passes[k]), tally);
        }
        CheckNothingOutsideTheWindow(r.log);
        surface::Surface::Shutdown();
    }
    EXPECT_EQ(tally.instances, kRunsPerShard * kInstancesPerRun);
    const std::set<int> values = {-7, -6, -5, -4, -3, -2, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(tally.divisors, values);
    EXPECT_EQ(tally.quotients, values);
    EXPECT_EQ(tally.letters, (std::set<std::string>{"a", "x"}));
}

INSTANTIATE_TEST_SUITE_P(Shards, ManyDivisionsTest, ::testing::Range(0, kShards));

}  // namespace
