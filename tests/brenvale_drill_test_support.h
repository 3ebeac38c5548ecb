// Helpers shared by the drill and answer-screen tests of Brenvale's
// chapters: terms as the drills write them and read back, lines expected
// with their colours and waits, an item's stretch of the log, random
// clocks, the magnet figure's discs, lines written in pieces, cells and
// their texts, and dotted bows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cmath>
#include <map>
#include <ostream>
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

// Clocks for shard `shard` of a many-instance test. The seed is fixed, so a
// shard runs the same instances every time: a check that every value turns up
// cannot pass on one run and fail on the next. A failure within a run shows
// its clock, to be repeated with replay's --clock.
inline std::vector<std::string> ShardClocks(int shard, int n) {
    std::seed_seq seq{0x636c6f63, shard};
    std::mt19937 gen(seq);
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

// The log lines of texts written one after another on a fresh program, as
// a lesson writes a line in several colours: the first piece at (x, y), each
// next one where the one before ended. One block of lines per piece.
// Restarts the surface, so a test reads what it needs of the screen first.
// Kept per line: the sweeps over many instances meet the same lines again.
inline std::vector<std::vector<std::string>> ReferencePieces(
    double x, double y, const std::vector<std::pair<int, std::string>>& pieces) {
    static std::map<std::string, std::vector<std::vector<std::string>>> drawn;
    std::string key = std::to_string(x) + "," + std::to_string(y);
    for (const auto& [colour, utf8] : pieces) key += "|" + std::to_string(colour) + ":" + utf8;
    if (auto found = drawn.find(key); found != drawn.end()) return found->second;
    auto& s = StartReferenceSurface();
    testing_support::TestProgram p;
    p.XI2 = x;
    p.YI1 = y;
    std::vector<std::vector<std::string>> out;
    std::size_t from = 0;
    for (const auto& [colour, utf8] : pieces) {
        p.WriteAfter(colour, surface::Utf8ToCp932(utf8));
        out.emplace_back(s.log().begin() + from, s.log().end());
        from = s.log().size();
    }
    surface::Surface::Shutdown();
    drawn.emplace(key, out);
    return out;
}

// A box of a picture: PsLINE x1 y1 x2 y2 0 2 fill at pen 5.
struct Box {
    double left, top, right, bottom;
    int fill;
    bool operator==(const Box&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Box& b) {
    return o << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom
             << ") fill " << b.fill;
}
inline std::vector<Box> BoxesIn(const std::vector<std::string>& log) {
    std::vector<Box> out;
    for (const auto& line : log) {
        if (!StartsWith(line, "PsLINE ") || line.find(" 0 2 ") == std::string::npos ||
            line.find("pen=5") == std::string::npos)
            continue;
        auto n = Numbers(line);
        if (n[4] == 0 && n[5] == 2) out.push_back({n[0], n[1], n[2], n[3], int(n[6])});
    }
    return out;
}

// What the pupil reads inside a box: the glyphs on the line of the box's
// centred text, between its edges.
inline std::string TextInBox(const std::vector<Glyph>& glyphs, const Box& box) {
    const double text_y = box.top + std::floor((box.bottom - box.top - 44) / 2);
    std::string s;
    for (const auto& g : glyphs)
        if (g.y == text_y && g.x >= box.left && g.x < box.right) s += g.ch;
    return s;
}

// One dotted bow of a picture and the label drawn after it.
struct Arrow {
    std::size_t dots = 0;
    double first_x = 0, first_y = 0, last_x = 0, last_y = 0;
    double left = 1e9, top = 1e9;  // the leftmost and highest dot
    std::string label;
    int label_colour = -1;
    std::size_t index = 0;  // log line of its first dot
};
// The bows whose dots are drawn in `colour`.
inline std::vector<Arrow> ArrowsIn(const std::vector<std::string>& log, int colour) {
    const std::string dot = " 0.5 " + std::to_string(colour) + " 1 0 0 1 " +
                            std::to_string(colour) + " ";
    auto is_dot = [&](std::size_t k) {
        return StartsWith(log[k], "PsCIRCLE ") && log[k].find(dot) != std::string::npos;
    };
    std::vector<Arrow> out;
    for (std::size_t i = 0; i < log.size();) {
        if (!is_dot(i)) {
            ++i;
            continue;
        }
        Arrow a;
        a.index = i;
        auto first = Numbers(log[i]);
        a.first_x = first[0], a.first_y = first[1];
        while (i < log.size() && is_dot(i)) {
            auto n = Numbers(log[i]);
            a.last_x = n[0], a.last_y = n[1];
            a.left = std::min(a.left, n[0]);
            a.top = std::min(a.top, n[1]);
            ++a.dots, ++i;
        }
        // The label: what is drawn up to the next dot or box.
        std::size_t end = i;
        while (end < log.size() && !is_dot(end) &&
               (StartsWith(log[end], "PsSYMBOL40 ") ||
                (StartsWith(log[end], "PsLINE ") && log[end].find(" 0 0 pen=5") != std::string::npos)))
            ++end;
        for (const auto& g : GlyphsIn(std::vector<std::string>(log.begin() + i, log.begin() + end))) {
            a.label += g.ch;
            a.label_colour = g.colour;
        }
        out.push_back(a);
    }
    return out;
}
}  // namespace terms_testing

// The chapter 4 tests name these helpers so.
namespace drill_testing = terms_testing;
