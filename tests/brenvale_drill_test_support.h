// Helpers shared by the drill and answer-screen tests of Brenvale's
// chapters: terms as the drills write them and read back, lines expected
// with their colours and waits, an item's stretch of the log, random
// clocks, and the magnet figure's discs.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_terms_test_support.h"

namespace terms_testing {

// How a drill writes a term: the coefficient's digits before the letter
// with no 1 ("x", "-x"), a constant's digits; a "+" before a positive
// value unless the term opens a line or a bracket (`first`).
inline std::string Written(int coefficient, const std::string& letter, bool first) {
    std::string digits = std::to_string(std::abs(coefficient));
    if (!letter.empty() && std::abs(coefficient) == 1) digits.clear();
    std::string sign = coefficient < 0 ? "-" : first ? "" : "+";
    return sign + digits + letter;
}

// A term read back from a written line: its coefficient, the sign included,
// and its letter ('\0' for a constant).
struct Term {
    int coefficient;
    char letter;
};

// The terms of a line of signed terms such as "=-3x+y-10" (one "=" at the
// start allowed, no brackets). False when the line is not of that form or
// writes a term badly: a "+" or a 0 or 1 before a letter, a digit 0
// leading a number, a sign without a term.
inline bool ReadTerms(const std::string& line, std::vector<Term>& terms) {
    terms.clear();
    std::size_t i = line.rfind('=', 0) == 0 ? 1 : 0;
    if (i < line.size() && line[i] == '+') return false;
    while (i < line.size()) {
        int sign = 1;
        if (line[i] == '+' || line[i] == '-') {
            sign = line[i] == '-' ? -1 : 1;
            ++i;
        } else if (!terms.empty()) {
            return false;
        }
        std::size_t start = i;
        while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
        std::string digits = line.substr(start, i - start);
        if (digits.size() > 1 && digits[0] == '0') return false;
        char letter = '\0';
        if (i < line.size() && std::isalpha(static_cast<unsigned char>(line[i]))) letter = line[i++];
        if (digits.empty() && letter == '\0') return false;
        if (letter != '\0' && (digits == "0" || digits == "1")) return false;
        int size = digits.empty() ? 1 : std::stoi(digits);
        terms.push_back({sign * size, letter});
    }
    return !terms.empty();
}

// True when `text` writes no sign twice and no "+" where a term opens a
// line, a bracket or a pair: no "+-", "-+", "++", "--", "(+", "=+", ",+".
inline bool SignsWrittenWell(const std::string& text) {
    for (const char* bad : {"+-", "-+", "++", "--", "(+", "=+", ",+"})
        if (text.find(bad) != std::string::npos) return false;
    return text.rfind("+", 0) != 0;
}

// Nothing that a log drew lies outside the window (clears excepted).
inline void CheckNothingOutsideTheWindow(const std::vector<std::string>& log) {
    for (const auto& line : log) {
        Extent e;
        if (!ExtentOf(line, e)) continue;
        EXPECT_TRUE(e.left >= 0 && e.top >= 0 && e.right <= surface::kCanvasWidth &&
                    e.bottom <= surface::kCanvasHeight)
            << line;
    }
}

// Clocks at random, shown with any failure so that a run can be repeated
// with replay's --clock.
inline std::vector<std::string> RandomClocks(int n) {
    std::random_device device;
    std::mt19937 gen(device());
    std::vector<std::string> out;
    char buf[16];
    for (int i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", int(gen() % 24), int(gen() % 60),
                      int(gen() % 60));
        out.push_back(buf);
    }
    return out;
}

// Magnet centres of one figure, as offsets from its frame's top-left corner.
inline const std::pair<double, double> kMagnetOffsets[11] = {
    {20, 70},  {70, 120},  {70, 20},  {125, 70}, {175, 120}, {175, 20},
    {230, 70}, {370, 70}, {420, 120}, {470, 70}, {420, 20},
};

// Colours of a line given as runs: (characters, colour), 0 characters for
// the rest of the line. A half-width blank counts with the text after it.
inline std::vector<int> ColourRuns(std::size_t length,
                                   const std::vector<std::pair<int, int>>& runs) {
    std::vector<int> out;
    for (auto [n, c] : runs) out.insert(out.end(), n ? std::size_t(n) : length - out.size(), c);
    return out;
}

// A line expected on a screen: where it starts, its text (the pieces that
// continue it joined), its colours as runs, and how many key waits come
// before its first character (-1: not checked).
struct WantLine {
    double x, y;
    std::string text;
    std::vector<std::pair<int, int>> colour_runs;
    int waits_before = -1;
};

// Checks each line of `want` in the log `part`, whose waits follow
// `waits_so_far` earlier ones.
inline void ExpectLines(const std::vector<std::string>& part, const std::vector<WantLine>& want,
                        int waits_so_far = 0) {
    auto glyphs = GlyphsIn(part);
    auto waits = IndicesOf(part, kAnyKeyBox);
    for (const auto& w : want) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text);
        EXPECT_EQ(line.colours, ColourRuns(line.colours.size(), w.colour_runs));
        if (w.waits_before < 0) continue;
        auto first = std::find_if(glyphs.begin(), glyphs.end(),
                                  [&](const Glyph& g) { return g.x == w.x && g.y == w.y; });
        ASSERT_NE(first, glyphs.end());
        EXPECT_EQ(waits_so_far + int(CountBefore(waits, first->index)), w.waits_before);
    }
}

// The log of an item: from its one `clear` line up to the sub-menu's item
// line that follows it; empty, with a failure, when either is missing.
inline std::vector<std::string> ItemLog(const std::vector<std::string>& log,
                                        const std::string& clear) {
    auto clears = IndicesOf(log, clear);
    EXPECT_EQ(clears.size(), 1u) << clear;
    if (clears.size() != 1) return {};
    std::size_t end = clears[0];
    while (end < log.size() && !IsItemLineStart(log[end])) ++end;
    EXPECT_LT(end, log.size()) << "the sub-menu comes back after the item";
    if (end == log.size()) return {};
    return {log.begin() + clears[0], log.begin() + end};
}

// A drill's line writes its signs well and no digit 0 or 1 before a letter.
inline void ExpectWellWritten(const std::string& line) {
    EXPECT_TRUE(SignsWrittenWell(line)) << line;
    static const std::regex one_or_zero(R"((^|[^0-9])[01][a-z])");
    EXPECT_FALSE(std::regex_search(line, one_or_zero)) << line;
}

}  // namespace terms_testing
