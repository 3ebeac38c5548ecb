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

inline std::string Repeat(const std::string& keys, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += keys;
    return out;
}

// A run of Morquist through replay with the caller's program object, so that
// a test can read the registers it leaves.
inline replay::Result RunMorquist(morquist::Morquist& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    replay::Options o;
    o.program = "morquist";
    o.keys = keys;
    o.random = std::move(random);
    o.clock = clock;
    return replay::Run(o, program);
}

// The log of a cell drawn around the line y: x, y its left edge and line,
// w × h its size, `utf8` its text in colour 5, border 3, fill 13.
inline std::vector<std::string> CellReference(double x, double y, double w, double h,
                                              const std::string& utf8) {
    auto& s = surface::Surface::Start(
        std::make_unique<surface::HeadlessBackend>(std::vector<surface::Str>{},
                                                   std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 3);
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

}  // namespace morquist_testing
