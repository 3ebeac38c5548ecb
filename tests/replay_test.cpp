// The replay tool: its options, its stops and what it writes.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "harness.h"
#include "tools/replay.h"

namespace {

using testing_support::Ran;

Ran RunReplay(const std::string& args) {
    return testing_support::RunCommand(std::string(REPLAY_BIN) + " " + args);
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "/" + name;
}

}  // namespace

TEST(ReplayTool, UsageErrorsExitWithTwoAndSayWhy) {
    struct Case {
        const char* args;
        const char* says;
    } cases[] = {
        {"", "no program"},
        {"chess", "unknown program"},
        {"brenvale --keys", "needs a value"},
        {"brenvale --speed 2", "unknown option"},
        {"brenvale --clock 25:00:00", "HH:MM:SS"},
        {"brenvale --rnd 0.5,1.5", "[0, 1)"},
        {"brenvale --rnd 0.5,x", "no number"},
        {"brenvale --keys {f1}", "unknown key"},
    };
    for (const auto& c : cases) {
        Ran r = RunReplay(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << ": " << r.out;
        EXPECT_NE(r.out.find("usage: replay"), std::string::npos) << c.args;
    }
}

TEST(ReplayTool, WritesTheScreenAndTheLog) {
    for (const char* program : {"brenvale", "morquist", "tessarin"}) {
        std::string png = TempPath(std::string(program) + ".png");
        std::string ops = TempPath(std::string(program) + ".ops");
        std::remove(png.c_str());
        Ran r = RunReplay(std::string(program) + " --keys x --png " + png + " --ops " + ops);
        EXPECT_EQ(r.status, 0) << r.out;
        cairo_surface_t* img = cairo_image_surface_create_from_png(png.c_str());
        ASSERT_EQ(cairo_surface_status(img), CAIRO_STATUS_SUCCESS) << program;
        EXPECT_EQ(cairo_image_surface_get_width(img), 1440);
        EXPECT_EQ(cairo_image_surface_get_height(img), 900);
        cairo_surface_destroy(img);
        EXPECT_TRUE(std::ifstream(ops).good()) << program;
    }
}

namespace {

// Fails on its first statement after start-up.
struct Failing : testing_support::TestProgram {
    void MainMenu() override {
        I_s = surface::PfINKEY24();
        T_a(81) = 1;
    }
};

}  // namespace

TEST(ReplayTool, StopsAtTheErrorScreen) {
    Failing program;
    replay::Options options;
    options.keys = "a";
    replay::Result r = replay::Run(options, program);
    EXPECT_EQ(r.kind, replay::Result::kErrorScreen);
    ASSERT_TRUE(r.error_report);
    EXPECT_NE(r.error_report->find(", 9エラーが発生しました。"), std::string::npos);
    ASSERT_FALSE(r.log.empty());
    EXPECT_EQ(r.log.front(), "PsCLS");
    surface::Surface::Shutdown();
}

TEST(ReplayTool, ChosenRandomNumbersAndClockFixTheRun) {
    struct Draws : testing_support::TestProgram {
        std::vector<double> seen;
        void MainMenu() override {
            for (int i = 0; i < 4; ++i) seen.push_back(surface::PaRnd());
        }
    };
    replay::Options options;
    options.clock = "10:20:30";
    options.random = {0.25, 0.75};
    Draws a, b;
    replay::Run(options, a);
    options.clock = "20:10:30";  // the same seed, 60
    replay::Run(options, b);
    surface::Surface::Shutdown();
    ASSERT_EQ(a.seen.size(), 4u);
    EXPECT_EQ(a.seen[0], 0.25);
    EXPECT_EQ(a.seen[1], 0.75);
    EXPECT_EQ(a.seen, b.seen);
}
