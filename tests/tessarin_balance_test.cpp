// The pan balance and its three lessons: the figure at chosen pivots and
// tilts, the loads, the frames of the swings and the weights.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "surface/surface.h"
#include "tests/tessarin_test_support.h"

namespace {

using namespace tessarin_testing;
using replay::Result;
using surface::Utf8ToCp932;

constexpr double kPi = std::numbers::pi;

// The numbers of a log line, checked against `want` within `tol`.
void ExpectNumbers(const std::string& line, const std::vector<double>& want, double tol = 0.001) {
    auto n = Numbers(line);
    ASSERT_GE(n.size(), want.size()) << line;
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(n[i], want[i], tol) << line;
}

class BalanceFigure : public SurfaceTest {
protected:
    tessarin::Tessarin p;
};

struct BalanceCase {
    double x0, y0, angle;     // pivot; tilt in radians
    double lx, ly, rx, ry;    // the beam's ends, from the algebra
};

TEST_F(BalanceFigure, DrawsErasesAndLeavesItsPoints) {
    const double s = 150 * std::sin(kPi / 12), c = 150 * std::cos(kPi / 12);
    const BalanceCase cases[] = {
        {880, 450, 0, 730, 450, 1030, 450},
        {880, 450, kPi / 12, 880 - c, 450 + s, 880 + c, 450 - s},
        {880, 450, -kPi / 12, 880 - c, 450 - s, 880 + c, 450 + s},
        {960, 550, -kPi / 12, 960 - c, 550 - s, 960 + c, 550 + s},
        {320, 600, 0, 170, 600, 470, 600},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << t.x0 << "," << t.y0 << " angle " << t.angle);
        S().ClearLog();
        surface::FE_SETDRAWWIDTH(0, 7);
        p.X_a(0) = t.x0;
        p.Y_a(0) = t.y0;
        p.R_a(1) = 150;
        p.BalanceAngle = t.angle;
        p.PiValue = 0;
        for (int i : {4, 6, 8}) p.Y_a(i) = -1;  // never written
        p.DrawBalance();

        const auto& log = Log();
        ASSERT_EQ(log.size(), 7u);
        // The erase box reaches 390 left and 380 right, 230 up and 100 down.
        ExpectNumbers(log[0], {t.x0 - 390, t.y0 - 230, t.x0 + 380, t.y0 + 100, 15, 2, 15});
        const double lp = t.ly - 30, rp = t.ry - 30;
        ExpectNumbers(log[1], {t.lx, t.ly, t.rx, t.ry, 4, 0, 0});             // beam
        ExpectNumbers(log[2], {t.lx - 120, lp, t.lx + 120, lp, 7, 0, 0});     // left pan
        ExpectNumbers(log[3], {t.rx - 120, rp, t.rx + 120, rp, 7, 0, 0});     // right pan
        ExpectNumbers(log[4], {t.lx, t.ly, t.lx, lp, 7, 0, 0});               // left post
        ExpectNumbers(log[5], {t.rx, t.ry, t.rx, rp, 7, 0, 0});               // right post
        for (int i = 1; i <= 5; ++i) EXPECT_TRUE(log[i].ends_with(" pen=12")) << log[i];
        // The stand last, at pen 3: apex at the pivot, base 60 wide.
        const double foot = t.y0 + 150 * std::sin(kPi / 12);
        ASSERT_TRUE(StartsWith(log[6], "PsCONNECT 4 ")) << log[6];
        ExpectNumbers(log[6], {4, t.x0, t.y0, t.x0 - 30, foot, t.x0 + 30, foot, t.x0, t.y0, 5, 1,
                               4});
        EXPECT_TRUE(log[6].ends_with(" pen=3"));
        EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 3);

        EXPECT_EQ(p.PiValue.value(), 3.14159f);
        EXPECT_NEAR(p.X_a(1), t.lx, 0.001);
        EXPECT_NEAR(p.Y_a(1), t.ly, 0.001);
        EXPECT_NEAR(p.X_a(2), t.rx, 0.001);
        EXPECT_NEAR(p.Y_a(2), t.ry, 0.001);
        EXPECT_NEAR(p.X_a(3), t.lx - 120, 0.001);
        EXPECT_NEAR(p.X_a(4), t.lx + 120, 0.001);
        EXPECT_NEAR(p.Y_a(3), lp, 0.001);
        EXPECT_NEAR(p.X_a(5), t.rx - 120, 0.001);
        EXPECT_NEAR(p.X_a(6), t.rx + 120, 0.001);
        EXPECT_NEAR(p.Y_a(5), rp, 0.001);
        EXPECT_EQ(p.X_a(7), t.x0 - 30);
        EXPECT_EQ(p.X_a(8), t.x0 + 30);
        EXPECT_NEAR(p.Y_a(7), foot, 0.001);
        for (int i : {4, 6, 8}) EXPECT_EQ(p.Y_a(i), -1);
    }
}

TEST_F(BalanceFigure, LoadsStandOnThePans) {
    p.X_a(0) = 880;
    p.Y_a(0) = 450;
    p.R_a(1) = 150;
    p.BalanceAngle = 0;
    p.DrawBalance();
    p.PanLoadText_s = Utf8ToCp932("便せんx枚");

    S().ClearLog();
    p.DrawLeftPanLoad();
    auto boxes = LinesOf(Log(), "PsLINE ");
    ASSERT_EQ(boxes.size(), 2u);
    // The left end of a level beam lies within a thousandth of the pivot's
    // height: PiValue is 3.14159.
    ExpectNumbers(boxes[0], {610, 370, 850, 420, 7, 2, 8});
    ExpectNumbers(boxes[1], {610, 320, 850, 370, 7, 2, 6});
    std::string text;
    for (const auto& d : TextsIn(Log())) {
        EXPECT_EQ(d.colour, 13);
        text += d.text;
    }
    EXPECT_EQ(text, "封筒便せんx枚");
    EXPECT_EQ(p.CCC1, 13);
    EXPECT_EQ(p.CCC2, 7);
    EXPECT_EQ(p.CCC3, 6);
    EXPECT_EQ(p.HABA, 240);
    EXPECT_EQ(p.TATE, 50);
    EXPECT_EQ(p.X, 850);
    EXPECT_NEAR(p.Y, 320, 0.001);

    S().ClearLog();
    p.DrawPanLoads();
    boxes = LinesOf(Log(), "PsLINE ");
    ASSERT_EQ(boxes.size(), 4u);
    ExpectNumbers(boxes[0], {610, 370, 850, 420, 7, 2, 8});
    ExpectNumbers(boxes[1], {610, 320, 850, 370, 7, 2, 6});
    ExpectNumbers(boxes[2], {910, 320, 1030, 420, 7, 2, 10});
    ExpectNumbers(boxes[3], {1060, 370, 1120, 420, 7, 2, 10});
    text.clear();
    for (const auto& d : TextsIn(Log())) text += d.text;
    EXPECT_EQ(text, "封筒便せんx枚205");
    EXPECT_EQ(p.CCC3, 10);
    EXPECT_EQ(p.HABA, 60);
    EXPECT_EQ(p.TATE, 50);
    EXPECT_EQ(p.X, 1120);
    EXPECT_EQ(p.Y, 370);  // the right pan of a level beam: exactly at the pivot's height
}

// The beams drawn (one per frame) and where they stand in the log.
struct Beam {
    std::size_t at;
    double lx, ly, rx, ry;
};
std::vector<Beam> BeamsIn(const std::vector<std::string>& log) {
    std::vector<Beam> out;
    for (std::size_t i = 0; i < log.size(); ++i)
        if (StartsWith(log[i], "PsLINE ") && log[i].ends_with(" 4 0 0 pen=12")) {
            auto n = Numbers(log[i]);
            out.push_back({i, n[0], n[1], n[2], n[3]});
        }
    return out;
}

// The beam of a balance at (880, 450) tilted by `a`.
void ExpectBeam(const Beam& b, double a) {
    EXPECT_NEAR(b.lx, 880 - 150 * std::cos(a), 0.001);
    EXPECT_NEAR(b.ly, 450 + 150 * std::sin(a), 0.001);
    EXPECT_NEAR(b.rx, 880 + 150 * std::cos(a), 0.001);
    EXPECT_NEAR(b.ry, 450 - 150 * std::sin(a), 0.001);
}

// The weight boxes ("PsLINE ... 7 2 10") between two log lines.
std::vector<std::string> WeightBoxes(const std::vector<std::string>& log, std::size_t from,
                                     std::size_t to) {
    std::vector<std::string> out;
    for (const auto& l : LinesOf(log, "PsLINE ", from, to))
        if (l.find(" 7 2 10 ") != std::string::npos) out.push_back(l);
    return out;
}

TEST(BalanceLessons, EqualitySwingsDownAndBackToLevel) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "1{enter}1{enter}xxxxxxxx");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;
    EXPECT_EQ(LinesOf(log, "PsWAIT ").size(), 18u);
    EXPECT_EQ(CountOf(log, kAnyKeyBox), 8u);
    auto beams = BeamsIn(log);
    ASSERT_EQ(beams.size(), 19u);
    ExpectBeam(beams[0], 0);
    for (int k = 0; k <= 8; ++k) {
        SCOPED_TRACE(k);
        ExpectBeam(beams[1 + k], k * kPi / 96);
        ExpectBeam(beams[10 + k], (8 - k) * kPi / 96);
    }
    // Each frame of a swing is followed by its pause before the next one.
    for (std::size_t f = 1; f < beams.size(); ++f) {
        std::size_t end = f + 1 < beams.size() ? beams[f + 1].at : log.size();
        EXPECT_EQ(LinesOf(log, "PsWAIT 50", beams[f].at, end).size(), 1u) << f;
    }
    // The last frame is exactly level: the beam of the still picture.
    EXPECT_EQ(log[beams[18].at], log[beams[0].at]);

    // No weights during the first swing; then both on the raised pan of its
    // last frame, drawn once over it; then on every frame of the second.
    EXPECT_TRUE(WeightBoxes(log, beams[0].at, beams[9].at).empty());
    auto put_on = WeightBoxes(log, beams[9].at, beams[10].at);
    ASSERT_EQ(put_on.size(), 2u);
    const double c = 150 * std::cos(kPi / 12), s = 150 * std::sin(kPi / 12);
    ExpectNumbers(put_on[0], {880 + c - 120, 450 - s - 130, 880 + c, 450 - s - 30}, 0.01);
    ExpectNumbers(put_on[1], {880 + c + 30, 450 - s - 80, 880 + c + 90, 450 - s - 30}, 0.01);
    EXPECT_NEAR(Numbers(put_on[0])[0], 904.9, 0.05);
    EXPECT_NEAR(Numbers(put_on[0])[1], 281.2, 0.05);
    EXPECT_NEAR(Numbers(put_on[1])[0], 1054.9, 0.05);
    EXPECT_NEAR(Numbers(put_on[1])[1], 331.2, 0.05);
    for (int k = 0; k <= 8; ++k) {
        std::size_t end = k < 8 ? beams[11 + k].at : log.size();
        EXPECT_EQ(WeightBoxes(log, beams[10 + k].at, end).size(), 2u) << k;
    }

    EXPECT_EQ(program.BalanceAngle, 0);
    EXPECT_EQ(program.PanLoadText_s, Utf8ToCp932("便せんx枚"));
}

TEST(BalanceLessons, InequalitySwingsThroughLevelToTheOtherSide) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "2{enter}1{enter}xxxxxxxx");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;
    EXPECT_EQ(LinesOf(log, "PsWAIT ").size(), 26u);
    EXPECT_EQ(CountOf(log, kAnyKeyBox), 8u);
    auto beams = BeamsIn(log);
    ASSERT_EQ(beams.size(), 27u);
    for (int k = 0; k <= 8; ++k) ExpectBeam(beams[1 + k], k * kPi / 96);
    for (int k = 0; k <= 16; ++k) {
        SCOPED_TRACE(k);
        ExpectBeam(beams[10 + k], (8 - k) * kPi / 96);
        std::size_t end = k < 16 ? beams[11 + k].at : log.size();
        EXPECT_EQ(WeightBoxes(log, beams[10 + k].at, end).size(), 2u);
    }
    // Level exactly in the middle, and on past it.
    EXPECT_EQ(log[beams[18].at], log[beams[0].at]);
    // The last frame mirrors the first swing's last one.
    EXPECT_NEAR(beams[26].ly, 900 - beams[9].ly, 0.001);
    EXPECT_NEAR(beams[26].ry, 900 - beams[9].ry, 0.001);
    EXPECT_NEAR(beams[26].lx, beams[9].lx, 0.001);
    // The weights end on the lower pan: the right one.
    auto last = WeightBoxes(log, beams[26].at, log.size());
    ASSERT_EQ(last.size(), 2u);
    EXPECT_NEAR(Numbers(last[0])[3], beams[26].ry - 30, 0.001);
    EXPECT_GT(beams[26].ry, beams[26].ly);

    EXPECT_EQ(program.BalanceAngle.value(), static_cast<float>(-8 * double(3.14159f) / 96));
    EXPECT_EQ(program.PanLoadText_s, Utf8ToCp932("便せんy枚"));
}

TEST(BalanceLessons, AtMostShowsTwoStillBalances) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "2{enter}3{enter}xxxxxx");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;
    EXPECT_TRUE(LinesOf(log, "PsWAIT ").empty());
    EXPECT_EQ(CountOf(log, kAnyKeyBox), 6u);
    auto beams = BeamsIn(log);
    ASSERT_EQ(beams.size(), 2u);
    ExpectNumbers(log[beams[0].at], {170, 600, 470, 600, 4, 0, 0});
    const double c = 150 * std::cos(kPi / 12), s = 150 * std::sin(kPi / 12);
    EXPECT_NEAR(beams[1].lx, 960 - c, 0.001);
    EXPECT_NEAR(beams[1].ly, 550 - s, 0.001);
    EXPECT_NEAR(beams[1].ry, 550 + s, 0.001);

    // The second clear comes after the first balance's right pan, which it
    // cuts at x 570; the first balance's weights end at x 560.
    auto pan = IndicesOf(log, "PsLINE 350 570 590 570 7 0 0 pen=12");
    auto clear2 = IndicesOf(log, "PsLINE 570 320 1340 650 15 2 15 pen=3");
    ASSERT_EQ(pan.size(), 1u);
    ASSERT_EQ(clear2.size(), 1u);
    EXPECT_LT(pan[0], clear2[0]);
    EXPECT_EQ(IndicesOf(log, "PsLINE 500 520 560 570 7 2 10 pen=3").size(), 1u);

    // The question, a key, "<解答>", then both balances with no key between.
    auto texts_before = TextsIn(log, 0, beams[0].at);
    ASSERT_FALSE(texts_before.empty());
    EXPECT_EQ(texts_before.back().text, ">");
    EXPECT_EQ(texts_before.back().y, 130);
    auto waits = IndicesOf(log, kAnyKeyBox);
    ASSERT_FALSE(waits.empty());
    EXPECT_LT(waits[0], beams[0].at);
    EXPECT_EQ(CountBefore(waits, beams[1].at), 1u);

    EXPECT_EQ(program.X_a(0), 960);
    EXPECT_EQ(program.Y_a(0), 550);
    EXPECT_EQ(program.PanLoadText_s, Utf8ToCp932("便せんa枚"));
}

}  // namespace
