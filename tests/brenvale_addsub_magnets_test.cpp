// Chapter 2 of Brenvale, item ⑥: why x sheets in two rows take 5x+2
// magnets. Scripted runs through replay, checked on the operation log.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_drill_test_support.h"

namespace {

using namespace terms_testing;
using replay::Result;

const std::string kItem = "2{enter}6{enter}";
const std::string kClear = "PsLINE 0 0 1760 1300 15 2 15 pen=3";

class AddSubMagnetsTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

TEST_F(AddSubMagnetsTest, ItemNeedsFifteenKeys) {
    for (int keys : {14, 15}) {
        SCOPED_TRACE(keys);
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, kItem + Repeat("a", keys));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto clears = IndicesOf(r.log, kClear);
        ASSERT_EQ(clears.size(), 1u);
        EXPECT_EQ(std::any_of(r.log.begin() + clears[0], r.log.end(), IsItemLineStart),
                  keys == 15);
        surface::Surface::Shutdown();
    }
}

TEST_F(AddSubMagnetsTest, TwoFiguresOfTwoRowsWithTheirGroupings) {
    Result r = RunBrenvale(program, kItem + Repeat("a", 15));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto item = ItemLog(r.log, kClear);
    ASSERT_FALSE(item.empty());
    auto waits = IndicesOf(item, kAnyKeyBox);
    EXPECT_EQ(waits.size(), 15u);

    // 44 discs: four rows of eleven, the left figure's before the first
    // wait, the right one's before the eighth.
    std::multiset<std::string> want_discs, discs;
    std::vector<std::size_t> disc_at;
    for (auto [ox, oy] : {std::pair{40.0, 90.0}, {40.0, 190.0}, {600.0, 90.0}, {600.0, 190.0}})
        for (auto [dx, dy] : kMagnetOffsets)
            want_discs.insert("PsCIRCLE " + surface::LogNumber(ox + dx) + " " +
                              surface::LogNumber(oy + dy) + " 10 0 1 0 0 1 0 pen=5");
    for (std::size_t i = 0; i < item.size(); ++i)
        if (StartsWith(item[i], "PsCIRCLE ") &&
            item[i].find(" 10 0 1 0 0 1 0 ") != std::string::npos) {
            discs.insert(item[i]);
            disc_at.push_back(i);
        }
    EXPECT_EQ(discs, want_discs);
    ASSERT_EQ(disc_at.size(), 44u);
    EXPECT_EQ(CountBefore(waits, disc_at[21]), 0u);
    EXPECT_EQ(CountBefore(waits, disc_at[22]), 7u);
    EXPECT_EQ(CountBefore(waits, disc_at[43]), 7u);

    // Each column of two sheets: a zigzag through its five magnets; the
    // last two sheets' right magnets as a pair.
    const std::vector<std::string> zigzags = {
        "PsCONNECT 5 110 110 60 160 110 210 60 260 110 310 7 0 0 pen=5",
        "PsCONNECT 5 215 110 165 160 215 210 165 260 215 310 7 0 0 pen=5",
        "PsCONNECT 5 460 110 410 160 460 210 410 260 460 310 7 0 0 pen=5",
        "PsCONNECT 2 510 160 510 260 7 0 0 pen=5",
    };
    std::size_t zigzags_at = FindBlock(item, zigzags);
    ASSERT_NE(zigzags_at, std::string::npos);
    EXPECT_EQ(CountBefore(waits, zigzags_at), 2u);
    // The five tiers of the right figure, framed 3, 4, 5, then 1, 2.
    const std::vector<std::string> tiers = {
        "PsLINE 650 190 1040 225 5 1 0 pen=5", "PsLINE 580 242 1110 278 5 1 0 pen=5",
        "PsLINE 650 330 1040 295 5 1 0 pen=5", "PsLINE 650 90 1040 125 5 1 0 pen=5",
        "PsLINE 580 142 1110 178 5 1 0 pen=5",
    };
    std::size_t tiers_at = FindBlock(item, tiers);
    ASSERT_NE(tiers_at, std::string::npos);
    EXPECT_EQ(CountBefore(waits, tiers_at), 9u);
    std::size_t outlines = 0, polylines = 0;
    for (const auto& line : item) {
        outlines += StartsWith(line, "PsLINE ") && line.find(" 5 1 0 ") != std::string::npos;
        polylines += StartsWith(line, "PsCONNECT ") && line.find(" 7 0 0 ") != std::string::npos;
    }
    EXPECT_EQ(outlines, 5u);
    EXPECT_EQ(polylines, 4u);

    // The texts; "*" is drawn as the times sign.
    auto glyphs = GlyphsIn(item);
    const Line pair_line = LineAt(glyphs, 600, 490);
    ExpectLines(item, {
        {40, 30, "教科書P73 x枚の画用紙をとめるのに必要なマグネットの個数は？", {{0, 3}}, 0},
        {40, 340, "5×x+2=5x+2(個)", {{6, 3}, {0, 5}}, 1},
        {40, 390, "<説明>", {{0, 7}}, 2},
        {40, 440, "5個の組がx組で", {{0, 0}}, 3},
        {40, 490, "5×x=5x個。", {{4, 0}, {2, 5}, {0, 0}}, 4},
        {40, 540, "2個が1組 だから 5x+2(個)", {{9, 0}, {5, 5}, {0, 0}}, 5},
        {627, 340, "3×x+2×(x+1)", {{0, 3}}, 8},
        {600, 390, "=3x+2x+2=5x+2(個)", {{9, 0}, {0, 5}}, 8},
        {600, 440, "<説明>1,3,5段はx個 だから", {{4, 7}, {7, 0}, {1, 3}, {0, 0}}, 9},
        {600, 490, "3×x(個)", {{0, 3}}, 12},
        {pair_line.end_x + 54, 490, "2,4段は", {{0, 0}}, 13},
        {600, 540, "(x+1)個 だから", {{5, 3}, {0, 0}}, 14},
        {600, 590, "2×(x+1)(個)", {{0, 3}}, 15},
    });
    // The last line ends the item: nothing waits after it.
    EXPECT_EQ(glyphs.back().y, 590);
    EXPECT_GT(glyphs.back().index, waits.back());
    CheckNothingOutsideTheWindow(item);
}

TEST_F(AddSubMagnetsTest, LeavesPenFiguresAndRegistersForLaterScreens) {
    auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
        surface::ParseKeys(Repeat("a", 15)), std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 3);
    program.MagnetProblemP73();
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
    EXPECT_EQ(program.XI1, 600);
    EXPECT_EQ(program.YI1, 590);
    EXPECT_EQ(program.CCC2, 15);
    // The right figure: its upper row in X_a/Y_a and T_a/F_a 1-19, its
    // lower row in 21-39.
    EXPECT_EQ(program.X_a(1), 600);
    EXPECT_EQ(program.Y_a(1), 160);
    EXPECT_EQ(program.X_a(17), 1090);
    EXPECT_EQ(program.T_a(4), 670);
    EXPECT_EQ(program.F_a(4), 90);
    EXPECT_EQ(program.T_a(21), 600);
    EXPECT_EQ(program.F_a(21), 260);
    EXPECT_EQ(program.F_a(36), 330);
}

}  // namespace
