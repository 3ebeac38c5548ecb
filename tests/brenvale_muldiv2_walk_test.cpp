// The whole of Brenvale in one run: every item of every chapter opened by
// its number on its sub-menu, each chapter left by its last item, and the
// program ended by the main menu's last item. The keys are found by the walk,
// which answers each prompt as it comes (any key at a wait, 1 at a step
// prompt, the next number at a menu), so it follows the items as they are;
// the replay tool then runs on those keys.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_muldiv2_test_support.h"
#include "tools/walk.h"

namespace {

using namespace muldiv2_testing;

// The number of items on each chapter's sub-menu, "終了" included.
const int kItemCounts[] = {6, 7, 4, 12, 3};
const int kChapters = 5;

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(BrenvaleWalkTest, EveryItemOfEveryChapterOpensAndTheProgramEnds) {
    // First run: answer the prompts as they come, keeping each screen's log.
    const std::string out = ::testing::TempDir() + "/brenvale-walk";
    replay::WalkResult walk = WalkToTheEnd("brenvale", out);
    std::vector<std::pair<int, int>> every;
    for (int c = 1; c <= kChapters; ++c)
        for (int i = 1; i <= kItemCounts[c - 1]; ++i) every.emplace_back(c, i);
    EXPECT_EQ(walk.opened, every);
    EXPECT_EQ(walk.menu_returns, kChapters);

    // The replay tool on those keys: the program ends by itself, status 0.
    auto ran = testing_support::RunCommand(std::string(REPLAY_BIN) + " brenvale --keys '" +
                                           walk.keys + "'");
    EXPECT_EQ(ran.status, 0) << ran.out;
    replay::Options o;
    o.program = "brenvale";
    o.keys = walk.keys;
    replay::Result r = replay::Run(o);
    EXPECT_EQ(r.kind, replay::Result::kEnded);
    // The main menu at the start and after each chapter.
    std::size_t menus = 0;
    for (const auto& line : r.log)
        if (StartsWith(line, "PsLINE 22 10 1342 610 15 2 10 ")) ++menus;
    EXPECT_EQ(menus, std::size_t(kChapters + 1));
    surface::Surface::Shutdown();

    // The screens' logs, in turn, are the whole log of the run, and the keys
    // are kept beside them.
    ASSERT_GT(walk.screens, kChapters);
    std::string joined;
    for (int n = 1; n <= walk.screens; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/%04d.ops", n);
        ASSERT_TRUE(std::filesystem::exists(out + name)) << name;
        joined += ReadWhole(out + name);
    }
    char after[32];
    std::snprintf(after, sizeof after, "/%04d.ops", walk.screens + 1);
    EXPECT_FALSE(std::filesystem::exists(out + after));
    std::string whole;
    for (const auto& line : r.log) whole += line + "\n";
    EXPECT_TRUE(joined == whole) << "the screens hold " << joined.size() << " characters, the log "
                                 << whole.size();
    EXPECT_EQ(ReadWhole(out + "/keys.txt"), walk.keys + "\n");
}

}  // namespace
