// Helpers of the Morquist tests: runs through replay, and the expected log
// of a lesson script (texts at their pens, continued lines, key waits) and
// of an answer cell, checked in drawing order.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morquist/morquist.h"
#include "tests/lesson_log.h"
#include "tools/replay.h"

namespace morquist_testing {

using namespace lesson_log;

// A run of Morquist through replay with the caller's program object, so that
// a test can read the registers it leaves.
inline replay::Result RunMorquist(morquist::Morquist& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    return RunProgram(program, "morquist", keys, std::move(random), clock);
}

// The log of a cell drawn around the line y: x, y its left edge and line,
// w × h its size, `utf8` its text in colour 5, border 3, fill 13.
inline std::vector<std::string> CellReference(double x, double y, double w, double h,
                                              const std::string& utf8) {
    auto& s = StartReferenceSurface();
    testing_support::TestProgram p(false);
    p.X = x;
    p.Y = y;
    p.HABA = w;
    p.TATE = h;
    p.CCC1 = 5;
    p.CCC2 = 3;
    p.CCC3 = 13;
    p.A_s = surface::Utf8ToCp932(utf8);
    p.DrawTextBoxAroundLine();
    std::vector<std::string> out = s.log();
    surface::Surface::Shutdown();
    return out;
}

// Pen x of a step that continues the line of the step before it.
constexpr double kAfter = -1;

// One text of a lesson script, and the key waits that follow it.
struct Step {
    int colour;
    double x, y;  // x kAfter: where the text before it ended, on its line
    const char* text;
    int waits = 0;
};

// Finds the steps in `log` in order from `from`, each drawn exactly as the
// formula printer draws it there, with exactly the given number of key waits
// between one and the next (`waits` before the first). Returns the index
// after the last step's text.
inline std::size_t ExpectScript(const std::vector<std::string>& log,
                                const std::vector<Step>& steps, std::size_t from = 0,
                                int waits = 0) {
    std::size_t at = from;
    double pen = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        double x = step.x == kAfter ? pen : step.x;
        auto block = Reference(step.colour, x, step.y, step.text, &pen);
        std::size_t found = FindBlock(log, block, at);
        if (found == std::string::npos) {
            ADD_FAILURE() << "not drawn at (" << x << ", " << step.y << ") in colour "
                          << step.colour << " after log line " << at;
            return at;
        }
        EXPECT_EQ(IndicesOf(log, kAnyKeyBox, at, found).size(), std::size_t(waits))
            << "key waits before it";
        at = found + block.size();
        waits = step.waits;
    }
    return at;
}

// The sub-menu item line is drawn from here.
inline bool IsItemLineStart(const std::string& line) {
    return StartsWith(line, "PsSYMBOL40 16 666 ");
}

// The first item line from `from` on.
inline std::size_t NextItemLine(const std::vector<std::string>& log, std::size_t from) {
    for (std::size_t i = from; i < log.size(); ++i)
        if (IsItemLineStart(log[i])) return i;
    return std::string::npos;
}

// The clear that starts an item, on a fresh start.
const std::string kItemClear = "PsLINE 0 0 1760 1300 15 2 15 pen=3";

// A fixed screen: the item's number, its script and the keys it takes.
struct Screen {
    int item;
    std::vector<Step> steps;
    int waits;  // keys the screen takes
};

// Runs item `screen.item` of the chapter on a fresh start. Checks the
// script, its waits, and that the sub-menu comes back after exactly its keys
// (and not one earlier), straight after the last line.
inline void ExpectScreen(morquist::Morquist& program, int chapter, const Screen& screen) {
    SCOPED_TRACE("item " + std::to_string(screen.item));
    const std::string item =
        std::to_string(chapter) + "{enter}" + std::to_string(screen.item) + "{enter}";
    {
        replay::Result r = RunMorquist(program, item + Repeat("a", screen.waits - 1));
        ASSERT_EQ(r.kind, replay::Result::kKeysUsedUp);
        auto clears = IndicesOf(r.log, kItemClear);
        ASSERT_EQ(clears.size(), 1u);
        EXPECT_EQ(NextItemLine(r.log, clears[0]), std::string::npos) << "item line too early";
    }
    replay::Result r = RunMorquist(program, item + Repeat("a", screen.waits));
    ASSERT_EQ(r.kind, replay::Result::kKeysUsedUp);
    const auto log = r.log;
    auto clears = IndicesOf(log, kItemClear);
    ASSERT_EQ(clears.size(), 1u);
    std::size_t end = NextItemLine(log, clears[0]);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, clears[0], end).size(), std::size_t(screen.waits));
    EXPECT_EQ(ExpectScript(log, screen.steps, clears[0]), end);
    // Nothing leaves the window or reaches into the prompt strip.
    for (std::size_t i = clears[0]; i < end; ++i) {
        if (!IsText(log[i])) continue;
        Drawn d = ParseText(log[i]);
        if (d.y == 666) continue;  // the any-key prompt
        EXPECT_LT(d.x, 1400) << log[i];
        EXPECT_LT(d.y, 620) << log[i];
    }
}

}  // namespace morquist_testing
