// The whole of Brenvale in one run: every item of every chapter opened by
// its number on its sub-menu, each chapter left by its last item, and the
// program ended by the main menu's last item. The keys are found by a first
// run that answers each prompt as it comes (any key at a wait, 1 at a step
// prompt, the next number at a menu), so the walk follows the items as they
// are; the replay tool then runs on those keys.
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_muldiv2_test_support.h"

namespace {

using namespace muldiv2_testing;

// The number of items on each chapter's sub-menu, "終了" included.
const int kItemCounts[] = {6, 7, 4, 12, 3};
const int kChapters = 5;

// Answers each prompt when it polls with no key waiting, and keeps the
// keys typed as a replay script.
class WalkingBackend : public surface::HeadlessBackend {
public:
    std::optional<surface::Str> TakeKey() override {
        auto key = HeadlessBackend::TakeKey();
        if (key || ++answers_ > 20000) return key;
        Type(Answer());
        return HeadlessBackend::TakeKey();
    }

    std::string script;
    // Each (chapter, item) chosen on a sub-menu, in order.
    std::vector<std::pair<int, int>> opened;

private:
    enum Prompt { kNone, kMainMenu, kSubmenu, kAnyKey, kStep };

    // What the screen asks for: the last prompt drawn.
    Prompt LastPrompt() {
        const auto& log = surface::Surface::Get().log();
        for (; scanned_ < log.size(); ++scanned_) {
            const std::string& line = log[scanned_];
            if (StartsWith(line, "PsLINE 22 10 1342 610 15 2 10 "))
                last_ = kMainMenu;
            else if (StartsWith(line, "PsSYMBOL40 16 666 "))
                last_ = kSubmenu;
            else if (StartsWith(line, "PsLINE 96 657 400 693 13 2 4 "))
                last_ = kAnyKey;
            else if (StartsWith(line, "PsLINE 96 639 400 675 13 2 12 "))
                last_ = kStep;
        }
        return last_;
    }

    std::string Answer() {
        switch (LastPrompt()) {
            case kMainMenu:
                ++chapter_;
                item_ = 0;
                return std::to_string(chapter_ <= kChapters ? chapter_ : kChapters + 1) + "{enter}";
            case kSubmenu:
                ++item_;
                opened.emplace_back(chapter_, item_);
                return std::to_string(item_) + "{enter}";
            case kStep:
                return "1{enter}";
            case kAnyKey:
            case kNone:
                return "a";
        }
        return "a";
    }

    void Type(const std::string& keys) {
        script += keys;
        AddKeys(surface::ParseKeys(keys));
    }

    std::size_t scanned_ = 0;
    Prompt last_ = kNone;
    int chapter_ = 0, item_ = 0;
    int answers_ = 0;
};

TEST(BrenvaleWalkTest, EveryItemOfEveryChapterOpensAndTheProgramEnds) {
    // First run: answer the prompts as they come.
    auto backend = std::make_unique<WalkingBackend>();
    WalkingBackend& walker = *backend;
    auto& s = surface::Surface::Start(std::move(backend));
    s.EnableLog(true);
    bool ended = false;
    {
        brenvale::Brenvale program;
        try {
            program.BAS_MAIN();
            ended = true;
        } catch (const surface::Stop& stop) {
            ended = stop.kind == surface::Stop::kEnd;
        }
        EXPECT_FALSE(program.error_report().has_value());
    }
    const std::string script = walker.script;
    const auto opened = walker.opened;
    surface::Surface::Shutdown();
    EXPECT_TRUE(ended);
    std::vector<std::pair<int, int>> every;
    for (int c = 1; c <= kChapters; ++c)
        for (int i = 1; i <= kItemCounts[c - 1]; ++i) every.emplace_back(c, i);
    EXPECT_EQ(opened, every);

    // The replay tool on those keys: the program ends by itself, status 0.
    auto ran = testing_support::RunCommand(std::string(REPLAY_BIN) + " brenvale --keys '" + script +
                                           "'");
    EXPECT_EQ(ran.status, 0) << ran.out;
    replay::Options o;
    o.program = "brenvale";
    o.keys = script;
    replay::Result r = replay::Run(o);
    EXPECT_EQ(r.kind, replay::Result::kEnded);
    // The main menu at the start and after each chapter.
    std::size_t menus = 0;
    for (const auto& line : r.log)
        if (StartsWith(line, "PsLINE 22 10 1342 610 15 2 10 ")) ++menus;
    EXPECT_EQ(menus, std::size_t(kChapters + 1));
    surface::Surface::Shutdown();
}

}  // namespace
