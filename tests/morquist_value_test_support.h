// Helpers of the tests of Morquist's chapters 4 and 5: runs through replay
// with the test's program object, the keys that open an item, and the lines
// of one screen read back from the log.
#pragma once

#include <string>
#include <vector>

#include "morquist/morquist.h"
#include "tests/morquist_test_support.h"

namespace value_testing {

using namespace morquist_testing;

// Main-menu item 4, then the chapter's item `n`.
inline std::string ValueItem(int n) { return "4{enter}" + std::to_string(n) + "{enter}"; }
// Main-menu item 5, then the chapter's item `n`.
inline std::string PracticeItem(int n) { return "5{enter}" + std::to_string(n) + "{enter}"; }

// The main menu's prompt and the first character of a sub-menu line, as drawn.
const std::string kMainMenuPrompt = "PsSYMBOL40 816 648 \"番\"";
const std::string kItemLineStart = "PsSYMBOL40 16 666 ";

// A text expected on a screen: its pen, colour and what a pupil reads
// (UTF-8, "×" for "*").
struct Want {
    double x, y;
    int colour;
    std::string text;
};

// Checks each wanted text against the plain lines of `glyphs`.
inline void ExpectLines(const std::vector<Glyph>& glyphs, const std::vector<Want>& want) {
    for (const auto& w : want) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text) << " at (" << w.x << "," << w.y << ")";
        EXPECT_EQ(line.colour, w.colour);
    }
}

// The same for the lines drawn in `log`.
inline void ExpectLines(const std::vector<std::string>& log, const std::vector<Want>& want) {
    ExpectLines(GlyphsIn(log), want);
}

// The decimal text of a whole number, as the program writes it.
inline std::string Num(int v) { return std::to_string(v); }

}  // namespace value_testing
