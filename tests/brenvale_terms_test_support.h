// Helpers of the chapter 1 tests: runs through replay, the texts read back
// from the operation log, and the drawing of a reference text to compare
// with.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "brenvale/brenvale.h"
#include "surface/headless.h"
#include "surface/surface.h"
#include "tests/harness.h"
#include "tools/replay.h"

namespace terms_testing {

inline bool StartsWith(const std::string& s, const std::string& head) {
    return s.rfind(head, 0) == 0;
}

// The numbers of a log line after its first `skip_words` words, up to the
// first word that is not a number. (Thousands of lines are read per test:
// no streams.)
inline std::vector<double> Numbers(const std::string& line, std::size_t skip_words = 1) {
    const char* p = line.c_str();
    for (std::size_t i = 0; i < skip_words; ++i) {
        while (*p == ' ') ++p;
        while (*p && *p != ' ') ++p;
    }
    std::vector<double> out;
    out.reserve(16);
    for (;;) {
        char* end;
        double v = std::strtod(p, &end);
        if (end == p || (*end && *end != ' ')) break;
        out.push_back(v);
        p = end;
    }
    return out;
}

// Index of every log line equal to `line`.
inline std::vector<std::size_t> IndicesOf(const std::vector<std::string>& log,
                                          const std::string& line, std::size_t from = 0,
                                          std::size_t to = std::string::npos) {
    std::vector<std::size_t> at;
    for (std::size_t i = from; i < std::min(to, log.size()); ++i)
        if (log[i] == line) at.push_back(i);
    return at;
}

// How many of the (sorted) indices lie before `index`.
inline std::size_t CountBefore(const std::vector<std::size_t>& indices, std::size_t index) {
    return static_cast<std::size_t>(std::lower_bound(indices.begin(), indices.end(), index) -
                                    indices.begin());
}

// The log cut at each line that begins with `separator`; the part before the
// first one is left out.
inline std::vector<std::vector<std::string>> SplitAt(const std::vector<std::string>& log,
                                                     const std::string& separator) {
    std::vector<std::vector<std::string>> parts;
    for (const auto& line : log) {
        if (StartsWith(line, separator)) {
            parts.emplace_back();
        } else if (!parts.empty()) {
            parts.back().push_back(line);
        }
    }
    return parts;
}

// Where `block` stands as consecutive lines of `log`, from `from` on.
inline std::size_t FindBlock(const std::vector<std::string>& log,
                             const std::vector<std::string>& block, std::size_t from = 0) {
    if (block.empty() || log.size() < block.size()) return std::string::npos;
    for (std::size_t i = from; i + block.size() <= log.size(); ++i)
        if (std::equal(block.begin(), block.end(), log.begin() + i)) return i;
    return std::string::npos;
}

// The log lines that the formula printer gives for `utf8` drawn at (x, y) in
// `colour` on a fresh program. Restarts the surface, so a test reads what it
// needs of the screen first.
inline std::vector<std::string> Reference(double colour, double x, double y,
                                          const std::string& utf8) {
    auto& s = surface::Surface::Start(
        std::make_unique<surface::HeadlessBackend>(std::vector<surface::Str>{},
                                                   std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 3);
    testing_support::TestProgram p;
    p.CCC1 = colour;
    p.X = x;
    p.Y = y;
    p.AA_s = surface::Utf8ToCp932(utf8);
    p.DrawMessage();
    std::vector<std::string> out = s.log();
    surface::Surface::Shutdown();
    return out;
}

// One character read back from the log, with the pen it was drawn at.
struct Glyph {
    std::string ch;  // UTF-8
    double x = 0, y = 0;
    double advance = 0;
    int colour = -1;
    std::size_t index = 0;  // its (first) log line
};

// The characters of plain (unstacked) formula text drawn in the log, each
// at the pen the printer drew it from: letters, digits, signs drawn as
// lines, "=", "." and full-width characters.
inline std::vector<Glyph> GlyphsIn(const std::vector<std::string>& log) {
    std::vector<Glyph> out;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const std::string& line = log[i];
        if (StartsWith(line, "PsSYMBOL40 ")) {
            auto open = line.find('"');
            auto close = line.find("\" ", open + 1);
            Glyph g;
            g.ch = line.substr(open + 1, close - open - 1);
            g.index = i;
            auto head = Numbers(line.substr(0, open));
            auto tail = Numbers(line.substr(close + 2), 0);
            if (head.size() < 2 || tail.size() < 3) continue;
            double x = head[0], y = head[1], h = tail[0], v = tail[1];
            g.colour = int(tail[2]);
            bool times = line.find("font=\"Times New Roman\"") != std::string::npos;
            if (times && h == 10 && v == 7) {
                g.x = x - 4, g.y = y + 22, g.advance = 27;
            } else if (g.ch == "=" && line.find("size=14") != std::string::npos) {
                g.x = x - 4, g.y = y, g.advance = 32;
            } else if (g.ch == "." && h == 3 && v == 2) {
                g.x = x + 3, g.y = y - 14, g.advance = 8;
            } else if (h == 2 && v == 3 && (g.ch == "×" || g.ch == "÷" || g.ch == "±")) {
                g.x = x + 4, g.y = y, g.advance = 27;  // drawn 4 left of the pen
            } else if (h == 2 && v == 3) {
                g.x = x, g.y = y, g.advance = 34;
            } else if (h == 3 && v == 3) {
                g.x = x, g.y = y, g.advance = 27;
            } else {
                continue;  // a fraction's part or a magnified sign
            }
            out.push_back(g);
        } else if (StartsWith(line, "PsLINE ") && line.find(" 0 0 pen=5") != std::string::npos) {
            auto n = Numbers(line);
            auto near = [](double a, double b) { return std::fabs(a - b) < 0.01; };
            if (n.size() < 5 || !near(n[1], n[3]) || !near(n[2] - n[0], 19)) continue;
            Glyph g;
            g.index = i;
            g.colour = int(n[4]);
            g.advance = 27;
            g.x = n[0] - 4;
            bool plus = false;
            if (i + 1 < log.size() && StartsWith(log[i + 1], "PsLINE ")) {
                auto m = Numbers(log[i + 1]);
                plus = m.size() >= 4 && near(m[0], n[0] + 9) && near(m[2], m[0]) &&
                       near(m[1], n[1] - 12) && near(m[3], n[1] + 12);
            }
            if (plus) {
                g.ch = "+";
                g.y = n[1] - 22;
                ++i;
            } else {
                g.ch = "-";
                g.y = n[1] - 20;
            }
            out.push_back(g);
        }
    }
    return out;
}

// The text line that starts at pen (x, y): the first character drawn there,
// then each character drawn later where the one before it ended. Colour is
// the first character's, or -1 when nothing starts there.
struct Line {
    std::string text;
    int colour = -1;
    std::vector<int> colours;  // one per character
    double end_x = 0;
};
inline Line LineAt(const std::vector<Glyph>& glyphs, double x, double y) {
    Line line;
    std::size_t k = 0;
    while (k < glyphs.size() && !(glyphs[k].x == x && glyphs[k].y == y)) ++k;
    if (k == glyphs.size()) return line;
    line.colour = glyphs[k].colour;
    double pen = x;
    for (; k < glyphs.size(); ++k) {
        const Glyph& g = glyphs[k];
        if (g.y != y) continue;
        // A half-width blank draws nothing and moves the pen by 27.
        if (std::fabs(g.x - (pen + 27)) < 0.01 && !line.text.empty()) {
            line.text += " ";
            line.colours.push_back(g.colour);
            pen = pen + 27;
        }
        if (std::fabs(g.x - pen) > 0.01) continue;
        line.text += g.ch;
        line.colours.push_back(g.colour);
        pen = g.x + g.advance;
    }
    line.end_x = pen;
    return line;
}

// Extent of what a log line draws, for the check that nothing leaves the
// window; false for lines that draw nothing there (clears in colour 15).
struct Extent {
    double left, top, right, bottom;
};
inline bool ExtentOf(const std::string& line, Extent& e) {
    if (StartsWith(line, "PsLINE ")) {
        auto n = Numbers(line);
        if (n.size() < 7) return false;
        if (n[4] == 15 && n[5] == 2 && n[6] == 15) return false;  // a clear
        e = {std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]),
             std::max(n[1], n[3])};
        return true;
    }
    if (StartsWith(line, "PsCIRCLE ")) {
        auto n = Numbers(line);
        e = {n[0] - n[2], n[1] - n[2], n[0] + n[2], n[1] + n[2]};
        return true;
    }
    if (StartsWith(line, "PsCONNECT ")) {
        auto n = Numbers(line);
        int count = int(n[0]);
        e = {1e9, 1e9, -1e9, -1e9};
        for (int k = 0; k < count; ++k) {
            e.left = std::min(e.left, n[1 + 2 * k]);
            e.right = std::max(e.right, n[1 + 2 * k]);
            e.top = std::min(e.top, n[2 + 2 * k]);
            e.bottom = std::max(e.bottom, n[2 + 2 * k]);
        }
        return true;
    }
    if (StartsWith(line, "PsSYMBOL40 ")) {
        auto n = Numbers(line.substr(0, line.find('"')));
        e = {n[0], n[1], n[0], n[1]};
        return true;
    }
    return false;
}

// A run of Brenvale through replay with the caller's program object, so that
// a test can read the registers it leaves.
inline replay::Result RunBrenvale(brenvale::Brenvale& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    replay::Options o;
    o.program = "brenvale";
    o.keys = keys;
    o.random = std::move(random);
    o.clock = clock;
    return replay::Run(o, program);
}

// `keys` typed `times` times over.
inline std::string Repeat(const std::string& keys, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += keys;
    return out;
}

// The any-key box and the step prompt's box, as drawn.
const std::string kAnyKeyBox = "PsLINE 96 657 400 693 13 2 4 pen=3";
const std::string kStepBox = "PsLINE 96 639 400 675 13 2 12 pen=2";
// Chapter 1's item line starts here.
inline bool IsItemLineStart(const std::string& line) {
    return StartsWith(line, "PsSYMBOL40 16 666 \"①\"");
}

}  // namespace terms_testing
