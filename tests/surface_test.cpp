// The run-time surface: strings, numbers, errors, drawing and the clock seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "harness.h"
#include "surface/number.h"
#include "surface/strings.h"
#include "surface/surface.h"

using namespace surface;
using testing_support::SurfaceTest;
using testing_support::TestProgram;

namespace {

// Runs `f` and returns the run-time error it raises (code 0 when none).
template <typename F>
RuntimeError ErrorOf(F f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e;
    }
    return RuntimeError{0, 0};
}

}  // namespace

TEST(Strings, CountsBytesAndCharacters) {
    // "丗" ends in the byte of "ﾀ" and "表" in the byte of "\": only a
    // character-wise search must not find them.
    struct Case {
        const char* text;
        double bytes, chars;
        const char* pattern;
        double byte_pos, char_pos;
    } cases[] = {
        {"漢字abcﾀ", 8, 6, "ﾀ", 8, 6},
        {"丗x", 3, 2, "ﾀ", 2, 0},
        {"表ﾀ", 3, 2, "ﾀ", 3, 2},
        {"表", 2, 1, "\\", 2, 0},
        {"", 0, 0, "a", 0, 0},
        {"ｹ1", 2, 2, "1", 2, 2},
    };
    for (const auto& c : cases) {
        Str s = Utf8ToCp932(c.text), p = Utf8ToCp932(c.pattern);
        EXPECT_EQ(PfLEN(s), c.bytes) << c.text;
        EXPECT_EQ(PfKLEN(s), c.chars) << c.text;
        EXPECT_EQ(PfINSTR(s, p), c.byte_pos) << c.text;
        EXPECT_EQ(PfKINSTR(s, p), c.char_pos) << c.text;
    }
}

TEST(Strings, CharacterSlicesKeepDoubleByteCharactersWhole) {
    Str s = "ﾀ3/4ﾀ漢x"_sj;
    EXPECT_EQ(PfKLEFT24(s, 6), "ﾀ3/4ﾀ漢"_sj);
    EXPECT_EQ(PfKRIGHT24(s, 2), "漢x"_sj);
    EXPECT_EQ(PfKMID24(s, 6, 1), "漢"_sj);
    EXPECT_EQ(PfKMID24(s, 6), "漢x"_sj);
    EXPECT_EQ(PfKMID24(s, 9), ""_sj);
    EXPECT_EQ(PfLEFT24(s, 99), s);
    EXPECT_EQ(PfMID24("abcdef", 2, 3), "bcd");
    EXPECT_EQ(PfRIGHT24("abcdef", 0), "");
    EXPECT_EQ(ErrorOf([] { PfLEFT24("abc", -1); }).code, kErrInvalidArgument);
    EXPECT_EQ(ErrorOf([] { PfKMID24("abc", 0); }).code, kErrInvalidArgument);
}

TEST(Strings, ValReadsNumberTexts) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},       {"3", 3},    {"-2.5", -2.5}, {"007", 7},  {" 5", 5},
        {".5", 0.5},   {"-", 0},    {"1-2", 1},     {"1.2.3", 1.2f}, {"3/4", 3},
        {"abc", 0},    {"-0", 0},   {"0.1", 0.1f},
    };
    for (const auto& c : cases) EXPECT_EQ(PfVAL(c.text), c.value) << '"' << c.text << '"';
}

TEST(Strings, StrPutsABlankBeforeNonNegativeNumbers) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {5, " 5"},       {-5, "-5"},          {0, " 0"},    {-0.0, " 0"},
        {512, " 512"},   {2.5, " 2.5"},       {-0.25, "-0.25"},
        {1.0 / 3, " 0.3333333"}, {16777216, " 16777216"}, {1.8f, " 1.8"},
    };
    for (const auto& c : cases) EXPECT_EQ(PfSTR244(c.value), c.text) << c.value;
}

TEST(Strings, CharacterCodes) {
    EXPECT_EQ(PfCHR24(65), "A");
    EXPECT_EQ(PfCHR24(13), "\r");
    EXPECT_EQ(PfASC("漢"_sj), 0x8ABF);
    EXPECT_EQ(PfCHR24(PfASC("漢"_sj)), "漢"_sj);
    EXPECT_EQ(PfASC("ﾀ"_sj), 0xC0);
    EXPECT_EQ(ErrorOf([] { PfASC(""); }).code, kErrInvalidArgument);
    EXPECT_EQ(Cp932ToUtf8("＜めあて＞"_sj), "＜めあて＞");
}

TEST(Numbers, ArithmeticRunsInDoubleAndStoresSingles) {
    Single c = 1.8f;
    EXPECT_EQ(INT(c * 5), 8);  // 1.7999999523 * 5, floored unrounded
    Single stored = c * 5;
    EXPECT_EQ(stored.value(), 9.0f);  // rounded only when stored
    struct Case {
        double in, floor;
    } floors[] = {{2.5, 2}, {-2.5, -3}, {-3, -3}, {-0.1, -1}, {0, 0}};
    for (const auto& f : floors) EXPECT_EQ(INT(f.in), f.floor) << f.in;
}

TEST(Numbers, ModMakesBothOperandsWholeFirst) {
    EXPECT_EQ(MOD(7, 3), 1);
    EXPECT_EQ(MOD(-7, 3), -1);
    EXPECT_EQ(MOD(7.6, 3), 2);  // 8 mod 3
    EXPECT_EQ(MOD(10, 5), 0);
    EXPECT_EQ(ErrorOf([] { MOD(5, 0.4); }).code, kErrDivisionByZero);
}

TEST(Numbers, FailuresRaiseErrorsAtTheirLine) {
    int line = 0;
    RuntimeError e = ErrorOf([&] {
        Single big = 3e38f;
        line = __LINE__ + 1;
        Single overflow = big * 10;
        (void)overflow;
    });
    EXPECT_EQ(e.code, kErrOverflow);
    EXPECT_EQ(e.line, line);

    e = ErrorOf([&] {
        Single zero = 0;
        line = __LINE__ + 1;
        Single q = Div(1, zero);
        (void)q;
    });
    EXPECT_EQ(e.code, kErrDivisionByZero);
    EXPECT_EQ(e.line, line);

    EXPECT_EQ(ErrorOf([] { SQR(-1); }).code, kErrInvalidArgument);
    EXPECT_EQ(ErrorOf([] { PnFXy(0, -1); }).code, kErrDivisionByZero);
    EXPECT_EQ(ErrorOf([] { Single s = PnFXy(10, 50); (void)s; }).code, kErrOverflow);
    EXPECT_EQ(ErrorOf([] { Single s = std::nan(""); (void)s; }).code, kErrInvalidArgument);
    EXPECT_NEAR(PnFAtn(1) * 4, M_PI, 1e-12);
}

TEST(Numbers, ArraysCheckTheirBounds) {
    Array<Single, 80> t;
    t(80) = 5;
    EXPECT_EQ(t(80), 5);
    EXPECT_EQ(t(0), 0);
    EXPECT_EQ(ErrorOf([&] { t(81) = 1; }).code, kErrOutOfBounds);
    EXPECT_EQ(ErrorOf([&] { t(-1); }).code, kErrOutOfBounds);
    Array2<Str, 5, 2> grid;
    grid(5, 2) = "x";
    EXPECT_EQ(ErrorOf([&] { grid(5, 3); }).code, kErrOutOfBounds);
}

TEST(Keys, ScriptNamesTheSpecialKeys) {
    auto keys = ParseKeys("1/{enter}{bs}{del}{esc}ﾀ{scan 82}");
    std::vector<Str> want = {"1", "/", "\r", "\b", "\x0c", "\x1b", "ﾀ"_sj, Str{'\0', 82}};
    EXPECT_EQ(keys, want);
    for (const char* bad : {"{tab}", "{enter", "{scan}", "{scan 0}", "{scan 256}", "{scan 8x}"})
        EXPECT_THROW(ParseKeys(bad), std::invalid_argument) << bad;
}

class DrawingTest : public SurfaceTest {};

TEST_F(DrawingTest, LogResolvesOffsetsAndRecordsPenAndFont) {
    FE_SETDRAWWIDTH(0, 3);
    PsLINE(22, 10, true, 1320, 600, 15, 2, 10);
    PsLINE(0, 657, false, 992, 720, 15, 2, 15);
    PsCIRCLE(1064, 656, 4, 5, 1, 0, 0, true, 5);
    PsCONNECT({{10, 20}, {5, 5, true}, {10, 20}}, 0, true, 4);
    FE_SETFONTNAME(0, "ゴシック"_sj);
    FE_SETFONTSIZE(0, 13);
    FE_SETFONTBOLD(0, -1);
    PsSYMBOL40(288, 432, "x+1"_sj, 2, 1, 13);
    PsWAIT(50);
    PsCLS();
    std::vector<std::string> want = {
        "PsLINE 22 10 1342 610 15 2 10 pen=3",
        "PsLINE 0 657 992 720 15 2 15 pen=3",
        "PsCIRCLE 1064 656 4 5 1 0 0 1 5 pen=3",
        "PsCONNECT 3 10 20 15 25 10 20 0 1 4 pen=3",
        "PsSYMBOL40 288 432 \"x+1\" 2 1 13 font=\"ゴシック\" size=13 bold=1 italic=0",
        "PsWAIT 50",
        "PsCLS",
    };
    EXPECT_EQ(Log(), want);
}

TEST_F(DrawingTest, ShapesPaintTheirColours) {
    FE_SETDRAWWIDTH(0, 3);
    PsLINE(100, 100, false, 300, 200, 13, 2, 4);
    EXPECT_EQ(S().PixelAt(200, 150), PaletteColor(4));   // inside: the fill
    EXPECT_EQ(S().PixelAt(100, 150), PaletteColor(13));  // on the border
    EXPECT_EQ(S().PixelAt(305, 150), PaletteColor(15));  // outside: untouched
    PsCIRCLE(500, 500, 30, 0, 1, 0, 0, true, 3);
    EXPECT_EQ(S().PixelAt(500, 500), PaletteColor(3));
    EXPECT_EQ(S().PixelAt(530, 500), PaletteColor(0));
    // A quarter arc from a quarter turn to a half turn, clockwise as seen:
    // from straight down round to the left.
    PsCIRCLE(800, 500, 40, 5, 1, 0.25, 0.5, false, 0);
    EXPECT_EQ(S().PixelAt(800, 540), PaletteColor(5));
    EXPECT_EQ(S().PixelAt(760, 500), PaletteColor(5));
    EXPECT_EQ(S().PixelAt(800, 460), PaletteColor(15));
    EXPECT_EQ(S().PixelAt(840, 500), PaletteColor(15));
    // Aspect below 1 flattens the circle vertically.
    PsCIRCLE(1000, 300, 40, 0, 0.5, 0, 0, false, 0);
    EXPECT_EQ(S().PixelAt(1040, 300), PaletteColor(0));
    EXPECT_EQ(S().PixelAt(1000, 280), PaletteColor(0));
    EXPECT_EQ(S().PixelAt(1000, 260), PaletteColor(15));
    PsCLS();
    EXPECT_EQ(S().PixelAt(200, 150), PaletteColor(15));
}

TEST_F(DrawingTest, AFilledCircleIsASolidDiscOfItsRadiusPlusHalfThePen) {
    // The curved arrow's dots are discs of radius 0.5 drawn with pen 5: they
    // must read as dots, not rings, whatever the radius against the pen.
    struct Case {
        double r, pen;
    };
    const Case cases[] = {{0.5, 5}, {0, 5}, {1, 5}, {2, 5}, {2.5, 5}, {3, 5}, {4, 3}, {0.5, 12}};
    double x = 60;
    for (const Case& c : cases) {
        PsCLS();
        FE_SETDRAWWIDTH(0, c.pen);
        PsCIRCLE(x, 300, c.r, 4, 1, 0, 0, true, 4);
        const double reach = c.r + c.pen / 2;
        for (int dy = -12; dy <= 12; ++dy)
            for (int dx = -12; dx <= 12; ++dx) {
                double d = std::hypot(dx, dy);
                std::uint32_t at = S().PixelAt(x + dx, 300 + dy);
                if (d <= reach - 0.8) {
                    ASSERT_EQ(at, PaletteColor(4)) << "r " << c.r << " pen " << c.pen << " at " << dx << "," << dy;
                }
                if (d >= reach + 0.8) {
                    ASSERT_EQ(at, PaletteColor(15)) << "r " << c.r << " pen " << c.pen << " at " << dx << "," << dy;
                }
            }
        x += 40;
    }
    // Border and fill of different colours: a wide pen covers a small fill.
    PsCLS();
    FE_SETDRAWWIDTH(0, 5);
    PsCIRCLE(300, 300, 1, 0, 1, 0, 0, true, 9);
    EXPECT_EQ(S().PixelAt(300, 300), PaletteColor(0));
    // A small sector and a small arc are solid too.
    PsCIRCLE(400, 300, 1.5, 5, 1, 0, 0.25, true, 5);
    EXPECT_EQ(S().PixelAt(400, 300), PaletteColor(5));
    EXPECT_EQ(S().PixelAt(401, 301), PaletteColor(5));
    PsCIRCLE(500, 300, 1.5, 5, 1, 0, 0.5, false, 0);
    EXPECT_EQ(S().PixelAt(500, 301.5), PaletteColor(5));
    EXPECT_EQ(S().PixelAt(500, 305.5), PaletteColor(15));
}

TEST_F(DrawingTest, TextFillsItsCellsAndKeepsWhatLiesUnder) {
    FE_SETFONTNAME(0, "ｺﾞｼｯｸ"_sj);
    FE_SETFONTSIZE(0, 16);
    PsLINE(0, 0, false, 1440, 900, 4, 2, 4);  // a red ground
    // "■" fills its 16 by 16 cell; the half-width "|" stays in its 8 units.
    PsSYMBOL40(100, 100, "■|"_sj, 1, 1, 0);
    int dark_in_square = 0, dark_outside = 0;
    for (int y = 96; y < 124; ++y)
        for (int x = 96; x < 130; ++x) {
            bool dark = S().PixelAt(x + 0.5, y + 0.5) == PaletteColor(0);
            bool in_cells = x >= 100 && x < 124 && y >= 100 && y < 116;
            if (dark && x < 116 && in_cells) ++dark_in_square;
            if (dark && !in_cells) ++dark_outside;
        }
    EXPECT_GT(dark_in_square, 100);
    EXPECT_EQ(dark_outside, 0);
    EXPECT_EQ(S().PixelAt(117, 108), PaletteColor(4));  // beside the stroke: ground stays
    // Magnified 2 across and 3 down, the square covers 32 by 48.
    PsSYMBOL40(300, 100, "■"_sj, 2, 3, 0);
    EXPECT_EQ(S().PixelAt(324, 140), PaletteColor(0));
    EXPECT_EQ(S().PixelAt(336, 140), PaletteColor(4));
}

TEST_F(DrawingTest, BoldKeepsTheCountersOfDenseKanjiOpen) {
    // "量" has eight strokes across: bold and magnified 2 by 3, as a goal
    // screen draws it, they must stay apart, not run into one blot.
    FE_SETFONTNAME(0, "ｺﾞｼｯｸ"_sj);
    FE_SETFONTSIZE(0, 16);
    FE_SETFONTBOLD(0, -1);
    PsSYMBOL40(100, 100, "量"_sj, 2, 3, 0);
    int most = 0;  // separate strokes met going down a column, at most
    for (int x = 100; x < 132; ++x) {
        int runs = 0;
        bool dark = false;
        for (int y = 100; y < 148; ++y) {
            bool d = S().PixelAt(x + 0.5, y + 0.5) != PaletteColor(15);
            if (d && !dark) ++runs;
            dark = d;
        }
        most = std::max(most, runs);
    }
    EXPECT_GE(most, 7);
    // Bold is still bolder than plain.
    auto ink = [&](double x0) {
        int n = 0;
        for (int y = 300; y < 348; ++y)
            for (int x = 0; x < 32; ++x) n += S().PixelAt(x0 + x + 0.5, y + 0.5) != PaletteColor(15);
        return n;
    };
    PsSYMBOL40(100, 300, "田"_sj, 2, 3, 0);
    FE_SETFONTBOLD(0, 0);
    PsSYMBOL40(200, 300, "田"_sj, 2, 3, 0);
    EXPECT_GT(ink(100), ink(200) * 1.2);
}

TEST_F(DrawingTest, EveryFaceDraws) {
    struct Case {
        const char* face;
        const char* text;
    } cases[] = {{"ｺﾞｼｯｸ", "あ"}, {"ゴシック", "x"}, {"Times New Roman", "x"}, {"MT Extra", "l"}};
    double x = 100;
    for (const auto& c : cases) {
        FE_SETFONTNAME(0, Utf8ToCp932(c.face));
        for (int italic : {0, -1}) {
            FE_SETFONTITALIC(0, italic);
            PsLINE(x - 4, 96, false, x + 24, 124, 15, 2, 15);
            PsSYMBOL40(x, 100, Utf8ToCp932(c.text), 1, 1, 0);
            int ink = 0;
            for (int y = 96; y < 124; ++y)
                for (int dx = -4; dx < 24; ++dx)
                    if (S().PixelAt(x + dx, y) != PaletteColor(15)) ++ink;
            EXPECT_GT(ink, 5) << c.face << " italic " << italic;
            x += 40;
        }
    }
}

TEST_F(DrawingTest, ColoursOutsideThePaletteAreErrors) {
    EXPECT_EQ(ErrorOf([] { PsLINE(0, 0, false, 1, 1, 16, 0, 0); }).code, kErrInvalidArgument);
    EXPECT_EQ(ErrorOf([] { PsSYMBOL40(0, 0, "a", 1, 1, -1); }).code, kErrInvalidArgument);
}

TEST_F(DrawingTest, MeasuringDrawsAndLogsNothing) {
    S().SetMeasuring(true);
    PsSYMBOL40(100, 100, "■"_sj, 1, 1, 0);
    PsLINE(0, 0, false, 100, 100, 0, 2, 0);
    S().SetMeasuring(false);
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(S().PixelAt(108, 108), PaletteColor(15));
}

TEST_F(DrawingTest, QueuedRandomNumbersComeFirstAndEveryDrawStaysBelowOne) {
    S().QueueRandom({0.5, 0.9999999999, 0});
    EXPECT_EQ(PaRnd(), 0.5);
    double high = PaRnd();
    EXPECT_LT(high, 1.0);
    EXPECT_EQ(INT(high * 6) + 1, 6);
    EXPECT_EQ(PaRnd(), 0);
    PaRandomize(7);
    for (int i = 0; i < 200000; ++i) {
        double r = PaRnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ASSERT_LE(INT(r * 10) + 1, 10);
        ASSERT_EQ(static_cast<double>(static_cast<float>(r)), r);
    }
}

// ---- start-up and the error screen ----

namespace {

// Records the state start-up leaves for the menu, and can fail on purpose.
struct StartupProbe : TestProgram {
    bool fail = false;
    int fail_line = 0;
    double pen = -1;
    Surface::Font font;
    std::vector<double> first_draws;
    void MainMenu() override {
        pen = FE_GETDRAWWIDTH(0);
        font = Surface::Get().font();
        for (int i = 0; i < 3; ++i) first_draws.push_back(PaRnd());
        if (fail) {
            AINP_s = "3/0";
            fail_line = __LINE__ + 1;
            AINP = Div(PfVAL("3"), PfVAL("0"));
        }
    }
};

}  // namespace

class StartupTest : public SurfaceTest {};

TEST_F(StartupTest, SetsRegistersFontPenAndTitle) {
    StartupProbe p;
    p.BAS_MAIN();
    EXPECT_EQ(p.CCC1, 4);
    EXPECT_EQ(p.KAIX, 1056);
    EXPECT_EQ(p.KAIY, 648);
    EXPECT_EQ(p.TITLE_s, "Test");
    EXPECT_EQ(p.pen, 3);
    EXPECT_EQ(p.font.face, "ｺﾞｼｯｸ"_sj);
    EXPECT_EQ(p.font.size, 16);
    EXPECT_FALSE(p.font.bold);
    EXPECT_FALSE(p.font.italic);
    EXPECT_EQ(p.T_a(80), 0);
    EXPECT_EQ(p.X_sa(20), "");
    EXPECT_FALSE(p.error_report());
}

TEST_F(StartupTest, SeedIsTheSumOfTheClockParts) {
    struct Case {
        std::vector<std::string> readings;
        double seed;
    } cases[] = {
        {{"00:00:00"}, 0},
        {{"23:59:59"}, 141},
        {{"10:20:30"}, 60},
        {{"20:10:30"}, 60},
        // The second turns between readings: hours and minutes from before, seconds after.
        {{"10:59:59", "10:59:59", "11:00:00"}, 69},
    };
    for (const auto& c : cases) {
        StartSurface("", c.readings);
        StartupProbe p;
        p.BAS_MAIN();
        EXPECT_EQ(p.A, c.seed) << c.readings[0];
        // The same seed gives the same numbers.
        PaRandomize(c.seed);
        std::vector<double> again = {PaRnd(), PaRnd(), PaRnd()};
        EXPECT_EQ(p.first_draws, again);
    }
}

TEST_F(StartupTest, ARuntimeErrorEndsOnTheErrorScreen) {
    StartupProbe p;
    p.fail = true;
    PsLINE(0, 0, false, 1440, 900, 4, 2, 4);  // whatever the lesson left
    S().ClearLog();
    EXPECT_THROW(p.BAS_MAIN(), Stop);  // headless: the window "closes" at once
    std::string report = " " + std::to_string(p.fail_line) +
                         ", 11エラーが発生しました。マウスで×をクリックして下さい。";
    ASSERT_TRUE(p.error_report());
    EXPECT_EQ(*p.error_report(), report);
    std::vector<std::string> want = {
        "PsCLS",
        "PsSYMBOL40 288 432 \"" + report + "\" 1 1 13 font=\"ｺﾞｼｯｸ\" size=16 bold=0 italic=0",
    };
    EXPECT_EQ(Log(), want);
    EXPECT_EQ(S().PixelAt(10, 10), PaletteColor(15));  // nothing of the lesson left
}

namespace {

// Scripted keys whose buffer, once empty, just stays empty.
struct CountingKeys : HeadlessBackend {
    using HeadlessBackend::HeadlessBackend;
    int polls = 0;
    std::optional<Str> TakeKey() override {
        ++polls;
        return HeadlessBackend::TakeKey();
    }
    void Idle() override {}
};

}  // namespace

TEST_F(StartupTest, FlushKeyboardReadsUntilTheBufferIsEmpty) {
    for (int waiting : {0, 3}) {
        auto backend = std::make_unique<CountingKeys>(std::vector<Str>(waiting, "a"));
        CountingKeys* keys = backend.get();
        Surface::Start(std::move(backend));
        TestProgram p;
        p.I_s = "x";
        p.FlushKeyboard();
        EXPECT_EQ(p.I_s, "");
        EXPECT_EQ(keys->polls, waiting + 1);
    }
}

TEST_F(DrawingTest, DrawingAShapeAgainInTheBackgroundErasesItWithoutATrace) {
    // The answer line's cursor dot is hidden this way, over echoed text.
    FE_SETDRAWWIDTH(0, 3);
    PsCIRCLE(1064.5, 656.5, 4, 5, 1, 0, 0, true, 5);
    PsCIRCLE(1064.5, 656.5, 4, 15, 1, 0, 0, true, 15);
    PsLINE(100.3, 100.7, false, 200.6, 150.2, 4, 0, 0);
    PsLINE(100.3, 100.7, false, 200.6, 150.2, 15, 0, 0);
    for (int y = 640; y < 675; ++y)
        for (int x = 1050; x < 1080; ++x)
            ASSERT_EQ(S().PixelAt(x, y), PaletteColor(15)) << x << "," << y;
    for (int y = 95; y < 156; ++y)
        for (int x = 95; x < 206; ++x)
            ASSERT_EQ(S().PixelAt(x, y), PaletteColor(15)) << x << "," << y;
}
