// Helpers of the Morquist chapter 3 tests: runs through replay from the main
// menu, the stacked fractions and the text of a line read back from the log.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "morquist/morquist.h"
#include "tests/lesson_log.h"

namespace quantities_testing {

using namespace lesson_log;

// A run of Morquist through replay with the caller's program object.
inline replay::Result RunMorquist(morquist::Morquist& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    return RunProgram(program, "morquist", keys, std::move(random), clock);
}

// Keys that open chapter 3 from the main menu and choose an item.
inline std::string Item(int n) { return "3{enter}" + std::to_string(n) + "{enter}"; }

// One stacked fraction: its bar, and the characters drawn above and below
// it, left to right.
struct Fraction {
    double left = 0, right = 0, y = 0;
    int colour = -1;
    std::string num, den;
    std::size_t index = 0;  // log line of the bar
};

// Every stacked fraction of the log: a bar is a horizontal line at pen 4,
// and its parts are the characters drawn right after it within its ends.
inline std::vector<Fraction> FractionsIn(const std::vector<std::string>& log) {
    std::vector<Fraction> out;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (!StartsWith(log[i], "PsLINE ") || log[i].find(" 0 0 pen=4") == std::string::npos)
            continue;
        auto n = Numbers(log[i]);
        if (n.size() < 5 || n[1] != n[3]) continue;
        Fraction f;
        f.left = n[0], f.right = n[2], f.y = n[1], f.colour = int(n[4]), f.index = i;
        struct Part {
            double x;
            std::string ch;
            bool below;
        };
        std::vector<Part> parts;
        for (std::size_t k = i + 1; k < log.size() && StartsWith(log[k], "PsSYMBOL40 "); ++k) {
            auto open = log[k].find('"');
            auto close = log[k].find("\" ", open + 1);
            auto head = Numbers(log[k].substr(0, open));
            if (head.size() < 2 || head[0] < f.left || head[0] >= f.right) break;
            // Digits sit 3 below the bar or 35 above it; the italic letters
            // are drawn from 16 higher.
            parts.push_back({head[0], log[k].substr(open + 1, close - open - 1), head[1] > f.y - 25});
        }
        std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.x < b.x; });
        for (const auto& p : parts) (p.below ? f.den : f.num) += p.ch;
        out.push_back(f);
    }
    return out;
}

// The characters of plain text drawn on the line y, left to right, gaps
// and order of drawing left aside.
inline std::string TextOnLine(std::vector<Glyph> glyphs, double y) {
    std::stable_sort(glyphs.begin(), glyphs.end(),
                     [](const Glyph& a, const Glyph& b) { return a.x < b.x; });
    std::string s;
    for (const auto& g : glyphs)
        if (g.y == y) s += g.ch;
    return s;
}

// Where the chapter's sub-menu line is drawn again after `from`.
inline std::size_t NextItemLine(const std::vector<std::string>& log, std::size_t from) {
    for (std::size_t i = from; i < log.size(); ++i)
        if (IsItemLineStart(log[i])) return i;
    return std::string::npos;
}

}  // namespace quantities_testing
