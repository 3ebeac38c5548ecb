// The main-menu frame with a menu of another length: the frame serves every
// program's main menu, not only Brenvale's six items.
#include <string>
#include <vector>

#include "tests/harness.h"
#include "tools/replay.h"

namespace {

using surface::Stop;

struct ThreeItemProgram : testing_support::TestProgram {
    std::vector<int> opened;
    void MainMenu() override {
        static const std::vector<surface::Str> items = {"1　あ"_sj, "2　い"_sj, "3　終了"_sj};
        for (;;) opened.push_back(MainMenuFrame(items));
    }
};

class MainMenuFrameTest : public testing_support::SurfaceTest {};

TEST_F(MainMenuFrameTest, ServesAMenuOfAnyLength) {
    StartSurface("2{enter}1{enter}2.9{enter}0{enter}4{enter}3{enter}");
    ThreeItemProgram p;
    try {
        p.BAS_MAIN();
        FAIL() << "the last item must end the program";
    } catch (const Stop& stop) {
        EXPECT_EQ(stop.kind, Stop::kEnd);
    }
    // Chapters by the typed value cut to a whole number; 0 and 4 refused.
    EXPECT_EQ(p.opened, (std::vector<int>{2, 1, 2}));
    // Drawn at start, after each chapter and after each refusal.
    EXPECT_EQ(LogLines("PsLINE 22 10 1342 610 15 2 10").size(), 6u);
    // Every chapter started on a window painted over.
    EXPECT_EQ(LogLines("PsLINE 0 0 1760 1800 15 2 15").size(), 6u + 3u);
    EXPECT_FALSE(p.error_report().has_value());
}

TEST_F(MainMenuFrameTest, HeadingAndItemsFollowTheProgram) {
    StartSurface("");
    ThreeItemProgram p;
    EXPECT_THROW(p.BAS_MAIN(), Stop);
    std::string texts;
    std::vector<std::string> starts;
    for (const auto& line : LogLines("PsSYMBOL40 ")) {
        auto open = line.find('"');
        texts += line.substr(open + 1, line.find("\" ", open + 1) - open - 1);
        if (line.rfind("PsSYMBOL40 44 ", 0) == 0) starts.push_back(line.substr(0, line.find('"') + 2));
    }
    EXPECT_EQ(texts.rfind("＜Test　メニュー＞1　あ2　い3　終了番号を入力して下さい。", 0), 0u)
        << texts;
    // Items at x 44 from y 120 every 60, colours 13 and 15 in turn.
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0], "PsSYMBOL40 44 120 \"1");
    EXPECT_EQ(starts[1], "PsSYMBOL40 44 180 \"2");
    EXPECT_EQ(starts[2], "PsSYMBOL40 44 240 \"3");
    for (int k = 0; k < 3; ++k) {
        auto lines = LogLines("PsSYMBOL40 44 " + std::to_string(120 + 60 * k) + " ");
        ASSERT_FALSE(lines.empty());
        std::string colour = k % 2 == 0 ? " 13 font=" : " 15 font=";
        EXPECT_NE(lines[0].find(colour), std::string::npos) << lines[0];
    }
}

TEST(MainMenuHeading, ShowsTheProgramsNameAsANameNotAFormula) {
    // The glyph renderer turns a, x, c and l into formula letters; the
    // heading's name must come out in the heading's own face, every letter
    // upright, each in the place an ordinary half-width glyph takes.
    for (const std::string name : {"Brenvale", "Morquist", "Tessarin"}) {
        SCOPED_TRACE(name);
        std::string program = name;
        program[0] = static_cast<char>(program[0] - 'A' + 'a');
        replay::Options o;
        o.program = program;
        replay::Result r = replay::Run(o);
        std::vector<testing_support::Drawn> heading;
        for (const auto& line : r.log) {
            if (!testing_support::IsText(line)) continue;
            auto d = testing_support::ParseText(line);
            if (d.y != 30) continue;
            heading.push_back(d);
            EXPECT_NE(line.find("font=\"ゴシック\" size=16 bold=1 italic=0"), std::string::npos) << line;
            EXPECT_NE(line.find(" 15 font="), std::string::npos) << line;
        }
        ASSERT_EQ(heading.size(), name.size() + 7);
        EXPECT_EQ(heading.front().text, "＜");
        EXPECT_EQ(heading.front().x, 264);
        for (std::size_t i = 0; i < name.size(); ++i) {
            const auto& d = heading[1 + i];
            EXPECT_EQ(d.text, name.substr(i, 1));
            EXPECT_EQ(d.x, 298 + 27 * double(i)) << d.text;  // after "＜"'s 34
        }
        std::string rest;
        for (std::size_t i = 1 + name.size(); i < heading.size(); ++i) rest += heading[i].text;
        EXPECT_EQ(rest, "　メニュー＞");
        surface::Surface::Shutdown();
    }
}

}  // namespace
