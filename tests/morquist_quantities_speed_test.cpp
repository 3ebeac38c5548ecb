// Chapter 3 of Morquist, item ③: the speed, time and distance drill in four
// parts. Chosen instances through replay, and long runs over several clocks
// whose every pass is read back from the log and checked against
// distance = speed × time.
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/morquist_quantities_test_support.h"

namespace {

using namespace quantities_testing;
using replay::Result;

// The band each part paints over before every pass.
const std::string kBands[4] = {
    "PsLINE 0 0 560 320 15 2 15 pen=3",
    "PsLINE 0 300 560 620 15 2 15 pen=3",
    "PsLINE 640 30 2000 350 15 2 15 pen=3",
    "PsLINE 640 320 2000 640 15 2 15 pen=3",
};

// One pass of each part, 1 typed at every step prompt.
const std::string kOnePassEach = Repeat("a1{enter}a", 3) + "a1{enter}" + "a";

class SpeedDrillTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

struct Want {
    double x, y;
    const char* text;
    std::vector<std::pair<int, int>> colour_runs;  // (characters, colour); 0: the rest
};

void ExpectLine(const std::vector<Glyph>& glyphs, const Want& w) {
    SCOPED_TRACE(w.text);
    Line line = LineAt(glyphs, w.x, w.y);
    EXPECT_EQ(line.text, w.text);
    std::vector<int> colours;
    for (auto [n, c] : w.colour_runs)
        colours.insert(colours.end(), n ? std::size_t(n) : line.colours.size() - colours.size(), c);
    EXPECT_EQ(line.colours, colours);
}

TEST_F(SpeedDrillTest, ChosenInstancesOfTheFourParts) {
    // Speed, then time, in every part; in 5④ the letter comes third.
    const std::vector<double> rnd = {0.4, 0.2,    // 5 km/h, 3 hours
                                     0, 0,        // 3 km/h, 2 hours
                                     0.99, 0.99,  // 7 km/h, 6 hours
                                     0.2, 0.6, 0.5};  // 4 km/h, 5 hours, x
    Result r = RunMorquist(program, Item(3) + kOnePassEach, rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t start = IndicesOf(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=3").at(0);
    std::size_t end = NextItemLine(r.log, start);
    ASSERT_NE(end, std::string::npos);
    std::vector<std::string> item(r.log.begin() + start, r.log.begin() + end);
    auto glyphs = GlyphsIn(item);
    auto fractions = FractionsIn(item);

    const Want lines[] = {
        {40, 30, "例5①　時速5kmで 3時間", {{4, 3}, {0, 0}}},
        {40, 80, "進むときの道のりを求めなさい。", {{0, 0}}},
        {100, 140, "5×3=15 (km)", {{4, 0}, {0, 3}}},
        {40, 200, "(道のり)=(速さ)×(時間)", {{0, 5}}},
        {40, 300, "例5②　時速3kmで 6km", {{4, 3}, {0, 0}}},
        {40, 350, "進むときにかかる時間を求めなさい。", {{0, 0}}},
        {40, 500, "(時間)=", {{0, 5}}},
        {640, 30, "例5③　42km を6時間で", {{4, 3}, {0, 0}}},
        {640, 80, "進むときの速さ(時速)を求めなさい。", {{0, 0}}},
        {640, 230, "(速さ)=", {{0, 5}}},
        {640, 320, "例5④　時速4kmで x時間", {{4, 3}, {0, 0}}},
        {640, 370, "進むときの道のりを求めなさい。", {{0, 0}}},
        {700, 450, "4×x=", {{0, 0}}},
        {640, 520, "教科書P62問8 をしなさい。", {{0, 7}}},
    };
    for (const auto& w : lines) ExpectLine(glyphs, w);

    // The fractions as built: 6 over 3 and 42 over 6, never reduced.
    ASSERT_EQ(fractions.size(), 4u);
    const struct {
        double left;
        const char *num, *den;
        int colour;
    } want_fractions[] = {
        {100, "6", "3", 0}, {40 + 7 * 27 - 0, "道のり", "速さ", 5},
        {700, "42", "6", 0}, {640 + 7 * 27 - 0, "道のり", "時間", 5}};
    for (std::size_t k = 0; k < fractions.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(fractions[k].num, want_fractions[k].num);
        EXPECT_EQ(fractions[k].den, want_fractions[k].den);
        EXPECT_EQ(fractions[k].colour, want_fractions[k].colour);
    }
    EXPECT_EQ(fractions[0].left, 100);
    EXPECT_EQ(fractions[2].left, 700);
    // The formulas' fractions follow "(時間)=" and "(速さ)=" directly.
    EXPECT_EQ(fractions[1].left, LineAt(glyphs, 40, 500).end_x);
    EXPECT_EQ(fractions[3].left, LineAt(glyphs, 640, 230).end_x);
    // The answers after the fractions, and the unit 10 after the speed.
    ExpectLine(glyphs, {fractions[0].right, 430, "=2 (時間)", {{1, 0}, {0, 3}}});
    ExpectLine(glyphs, {fractions[2].right, 160, "=7", {{1, 0}, {1, 3}}});
    Line speed = LineAt(glyphs, fractions[2].right, 160);
    ExpectLine(glyphs, {speed.end_x + 10, 160, "(km／h)", {{0, 3}}});
    // 5④: the letter's expression 10 after the left piece, in colour 5.
    Line left = LineAt(glyphs, 700, 450);
    ExpectLine(glyphs, {left.end_x + 10, 450, "4x (km)", {{0, 5}}});
}

TEST_F(SpeedDrillTest, LetterPartAsksItsThreeQuestionsInTurn) {
    Result r = RunMorquist(program, Item(3) + Repeat("a1{enter}a", 3) + Repeat("a2{enter}", 5) +
                                        "a1{enter}a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t end = NextItemLine(r.log, IndicesOf(r.log, kBands[3]).at(0));
    auto passes = SplitAt(std::vector<std::string>(r.log.begin(), r.log.begin() + end), kBands[3]);
    ASSERT_EQ(passes.size(), 6u);
    const char* const asks[3] = {"進むときの道のりを求めなさい。", "進むときにかかる時間を求めなさい。",
                                 "進むときの速さ(時速)を求めなさい。"};
    for (std::size_t k = 0; k < passes.size(); ++k) {
        SCOPED_TRACE("pass " + std::to_string(k + 1));
        auto glyphs = GlyphsIn(passes[k]);
        EXPECT_EQ(LineAt(glyphs, 640, 370).text, asks[k % 3]);
        auto fractions = FractionsIn(passes[k]);
        if (k % 3 == 0) {
            EXPECT_TRUE(fractions.empty());
        } else {
            // The empty left piece leaves the pen at 700.
            ASSERT_EQ(fractions.size(), 1u);
            EXPECT_EQ(fractions[0].left, 710);
            EXPECT_EQ(fractions[0].colour, 5);
        }
    }
}

// One pass read back: the speed, time and distance it shows.
struct Instance {
    int speed = 0, time = 0, distance = 0;
    std::string letter;
};

// The pass of `part` (question `question` in 5④), checked as it is read.
Instance ReadPass(const std::vector<std::string>& pass, int part, int question) {
    static const std::regex kLine1[3] = {
        std::regex("例5①　時速(\\d)kmで (\\d)時間"),
        std::regex("例5②　時速(\\d)kmで (\\d+)km"),
        std::regex("例5③　(\\d+)km を(\\d)時間で"),
    };
    static const std::regex kLetterLine1[3] = {
        std::regex("例5④　時速(\\d)kmで ([abxy])時間"),
        std::regex("例5④　時速([abxy])kmで (\\d+)km"),
        std::regex("例5④　([abxy])km を(\\d)時間で"),
    };
    auto glyphs = GlyphsIn(pass);
    auto fractions = FractionsIn(pass);
    // The part's formula, in colour 5, follows its last pass.
    if (part < 4)
        std::erase_if(fractions, [](const Fraction& f) { return f.colour == 5; });
    Instance in;
    std::smatch m;
    const double margin = part <= 2 ? 40 : 640;
    const double top = part == 1 ? 30 : part == 2 ? 300 : part == 3 ? 30 : 320;
    const double answer = part == 1 ? 140 : top + 130;
    std::string line1 = LineAt(glyphs, margin, top).text;
    if (part < 4) {
        EXPECT_TRUE(std::regex_match(line1, m, kLine1[part - 1])) << line1;
        if (m.empty()) return in;
        if (part == 1) {
            in.speed = std::stoi(m[1]), in.time = std::stoi(m[2]);
            in.distance = in.speed * in.time;
            EXPECT_EQ(LineAt(glyphs, 100, answer).text,
                      m[1].str() + "×" + m[2].str() + "=" + std::to_string(in.distance) + " (km)");
            EXPECT_TRUE(fractions.empty());
            return in;
        }
        EXPECT_EQ(fractions.size(), 1u);
        if (fractions.empty()) return in;
        const Fraction& f = fractions[0];
        EXPECT_EQ(f.left, margin + 60);
        std::string after = LineAt(glyphs, f.right, answer).text;
        if (part == 2) {
            in.speed = std::stoi(m[1]), in.distance = std::stoi(m[2]);
            EXPECT_EQ(f.num, m[2].str());
            EXPECT_EQ(f.den, m[1].str());
            EXPECT_TRUE(std::regex_match(after, m, std::regex("=(\\d) \\(時間\\)"))) << after;
            if (!m.empty()) in.time = std::stoi(m[1]);
        } else {
            in.distance = std::stoi(m[1]), in.time = std::stoi(m[2]);
            EXPECT_EQ(f.num, m[1].str());
            EXPECT_EQ(f.den, m[2].str());
            EXPECT_TRUE(std::regex_match(after, m, std::regex("=(\\d)"))) << after;
            if (!m.empty()) in.speed = std::stoi(m[1]);
            Line speed = LineAt(glyphs, f.right, answer);
            EXPECT_EQ(LineAt(glyphs, speed.end_x + 10, answer).text, "(km／h)");
        }
        EXPECT_EQ(in.speed * in.time, in.distance);
        return in;
    }
    EXPECT_TRUE(std::regex_match(line1, m, kLetterLine1[question - 1])) << line1;
    if (m.empty()) return in;
    if (question == 1) {
        in.speed = std::stoi(m[1]), in.letter = m[2];
        Line left = LineAt(glyphs, 700, answer);
        EXPECT_EQ(left.text, m[1].str() + "×" + in.letter + "=");
        EXPECT_EQ(LineAt(glyphs, left.end_x + 10, answer).text, m[1].str() + in.letter + " (km)");
        EXPECT_TRUE(fractions.empty());
        return in;
    }
    EXPECT_EQ(fractions.size(), 1u);
    if (fractions.empty()) return in;
    const Fraction& f = fractions[0];
    EXPECT_EQ(f.left, 710);
    if (question == 2) {
        in.letter = m[1], in.distance = std::stoi(m[2]);
        EXPECT_EQ(f.num, m[2].str());
        EXPECT_EQ(f.den, in.letter);
        EXPECT_EQ(LineAt(glyphs, f.right + 27, answer).text, "(時間)");
    } else {
        in.letter = m[1], in.time = std::stoi(m[2]);
        EXPECT_EQ(f.num, in.letter);
        EXPECT_EQ(f.den, m[2].str());
        EXPECT_EQ(LineAt(glyphs, f.right + 27, answer).text, "(km／h)");
    }
    return in;
}

TEST_F(SpeedDrillTest, ManyPassesOfEveryPartKeepDistanceSpeedTimesTime) {
    const int kPasses = 250;
    const std::string keys = Item(3) +
                             Repeat(Repeat("a2{enter}", kPasses - 1) + "a1{enter}a", 3) +
                             Repeat("a2{enter}", kPasses - 1) + "a1{enter}a";
    std::set<int> speeds, times, products;
    std::map<std::string, int> letters;
    for (int v = 3; v <= 7; ++v)
        for (int t = 2; t <= 6; ++t) products.insert(v * t);
    for (const char* clock : {"08:15:42", "13:59:07"}) {
        SCOPED_TRACE(clock);
        Result r = RunMorquist(program, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t start = IndicesOf(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=3").at(0);
        std::size_t end = NextItemLine(r.log, start);
        ASSERT_NE(end, std::string::npos);
        std::vector<std::string> item(r.log.begin() + start + 1, r.log.begin() + end);
        // A repeat paints over its own band only; the prompts paint over the
        // strip at the foot of the window.
        std::map<std::string, int> painted;
        for (const auto& line : item) {
            if (!StartsWith(line, "PsLINE ") || line.find(" 15 2 15 ") == std::string::npos) continue;
            if (Numbers(line)[1] >= 639) continue;
            ++painted[line];
        }
        EXPECT_EQ(painted, (std::map<std::string, int>{{kBands[0], kPasses}, {kBands[1], kPasses},
                                                        {kBands[2], kPasses}, {kBands[3], kPasses}}));
        // Each part's passes, read up to the next part's first band.
        for (int part = 1; part <= 4; ++part) {
            SCOPED_TRACE("part " + std::to_string(part));
            std::size_t from = FindBlock(item, {kBands[part - 1]});
            std::size_t to = part < 4 ? FindBlock(item, {kBands[part]}) : item.size();
            auto passes = SplitAt(std::vector<std::string>(item.begin() + from, item.begin() + to),
                                  kBands[part - 1]);
            ASSERT_EQ(passes.size(), std::size_t(kPasses));
            for (int k = 0; k < kPasses; ++k) {
                SCOPED_TRACE("pass " + std::to_string(k + 1));
                Instance in = ReadPass(passes[k], part, k % 3 + 1);
                if (::testing::Test::HasFailure()) return;
                if (in.speed) {
                    speeds.insert(in.speed);
                    EXPECT_TRUE(in.speed >= 3 && in.speed <= 7) << in.speed;
                }
                if (in.time) {
                    times.insert(in.time);
                    EXPECT_TRUE(in.time >= 2 && in.time <= 6) << in.time;
                }
                if (in.distance) {
                    EXPECT_TRUE(products.count(in.distance)) << in.distance;
                }
                if (!in.letter.empty()) ++letters[in.letter];
            }
        }
    }
    EXPECT_EQ(speeds, (std::set<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(times, (std::set<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(letters.size(), 4u);
}

}  // namespace
