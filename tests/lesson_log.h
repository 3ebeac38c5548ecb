// Reading the operation log of a lesson run: numbers and texts of its lines,
// the characters of formula text with their pens, the reference drawing of
// a text, and the main menu's and sub-menus' lines. Shared by the tests of
// every program.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "surface/headless.h"
#include "surface/surface.h"
#include "tests/harness.h"
#include "tools/replay.h"
#include "tools/walk.h"

namespace lesson_log {

using testing_support::Drawn;
using testing_support::IsText;
using testing_support::ParseText;
using testing_support::TextsIn;

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

// A fresh headless surface that logs, at the pen width start-up sets, on
// which tests draw what a screen should show. Replaces any surface running.
inline surface::Surface& StartReferenceSurface() {
    auto& s = surface::Surface::Start(
        std::make_unique<surface::HeadlessBackend>(std::vector<surface::Str>{},
                                                   std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 3);
    return s;
}

// The log lines that the formula printer gives for `utf8` drawn at (x, y) in
// `colour` on a fresh program, and where its pen ends (`end_x`). Restarts the
// surface, so a test reads what it needs of the screen first.
inline std::vector<std::string> Reference(double colour, double x, double y,
                                          const std::string& utf8, double* end_x = nullptr) {
    auto& s = StartReferenceSurface();
    testing_support::TestProgram p;
    p.CCC1 = colour;
    p.X = x;
    p.Y = y;
    p.AA_s = surface::Utf8ToCp932(utf8);
    p.DrawMessage();
    if (end_x) *end_x = p.X;
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
// lines, "=", ".", "×", "÷", "±" and full-width characters.
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
                g.x = x + 4, g.y = y, g.advance = 27;
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

// The any-key box and the step prompt's box, as drawn.
// A run of a program through replay with the caller's program object, so
// that a test can read the registers it leaves.
inline replay::Result RunProgram(framework::Framework& program, const std::string& name,
                                 const std::string& keys, std::vector<double> random = {},
                                 const std::string& clock = "09:00:00") {
    replay::Options o;
    o.program = name;
    o.keys = keys;
    o.random = std::move(random);
    o.clock = clock;
    return replay::Run(o, program);
}

// `keys` typed `times` times.
inline std::string Repeat(const std::string& keys, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += keys;
    return out;
}

// A sub-menu's item line starts here.
inline bool IsItemLineStart(const std::string& line) {
    return StartsWith(line, "PsSYMBOL40 16 666 \"①\"");
}

const std::string kAnyKeyBox = "PsLINE 96 657 400 693 13 2 4 pen=3";
const std::string kStepBox = "PsLINE 96 639 400 675 13 2 12 pen=2";

// The main menu and the sub-menus, as drawn.
const std::string kWindowPaint = "PsLINE 0 0 1760 1800 15 2 15 pen=3";
const std::string kPanel = "PsLINE 22 10 1342 610 15 2 10 pen=3";
const std::string kBottomStrip = "PsLINE 0 657 992 720 15 2 15 pen=3";

// The texts joined in the order drawn, without half-width blanks (the
// formula printer draws a blank as an empty advance).
inline std::string Joined(const std::vector<Drawn>& texts) {
    std::string s;
    for (const auto& d : texts) s += d.text;
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

inline std::string WithoutBlanks(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

// Where the window was painted over for a chapter: a window paint that no
// menu panel follows.
inline std::vector<std::size_t> ChapterStarts(const std::vector<std::string>& log) {
    std::vector<std::size_t> at;
    for (std::size_t i : IndicesOf(log, kWindowPaint))
        if (i + 1 >= log.size() || log[i + 1] != kPanel) at.push_back(i);
    return at;
}

// The UTF-8 characters of a text.
inline std::vector<std::string> Chars(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// Every sub-menu item line drawn at (16, 666): the cells of each, in order.
inline std::vector<std::vector<Drawn>> ItemLines(const std::vector<std::string>& log) {
    std::vector<std::vector<Drawn>> lines;
    bool in_line = false;
    for (const auto& line : log) {
        if (!IsText(line)) continue;
        Drawn d = ParseText(line);
        if (d.y == 666 && d.x == 16) {
            lines.emplace_back();
            in_line = true;
        } else if (d.y != 666) {
            in_line = false;
        }
        if (in_line) lines.back().push_back(d);
    }
    return lines;
}

// An item line is drawn one 16-unit cell a character in colour 0; its
// full-width characters are drawn as they are (half-width ones are shown in
// their full-width forms).
inline void ExpectItemLine(const std::vector<Drawn>& cells, const std::string& utf8) {
    auto chars = Chars(utf8);
    ASSERT_EQ(cells.size(), chars.size()) << utf8;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        EXPECT_EQ(cells[i].x, 16 + 16 * double(i)) << utf8 << " cell " << i;
        EXPECT_EQ(cells[i].colour, 0);
        if (chars[i].size() > 1) {
            EXPECT_EQ(cells[i].text, chars[i]) << utf8 << " cell " << i;
        }
    }
}

// The main menu as drawn on a fresh start: the lesson area cleared, the
// window painted, the panel, then the heading of `title`, the items (60
// apart from y 120, colours 13 and 15 in turn) and the prompt.
template <std::size_t N>
void ExpectMainMenu(const std::vector<std::string>& log, const std::string& title,
                    const char* const (&items)[N]) {
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "PsLINE 0 54 1440 900 15 2 15 pen=3");
    EXPECT_EQ(log[1], kWindowPaint);
    EXPECT_EQ(log[2], kPanel);
    auto texts = TextsIn(log);
    // Heading, items and prompt, in this order, then the answer label.
    std::string want = "＜" + title + "　メニュー＞";
    for (const char* item : items) want += item;
    want += "番号を入力して下さい。入力";
    EXPECT_EQ(Joined(texts), want);
    // Where each line starts, and its colour.
    ASSERT_FALSE(texts.empty());
    EXPECT_TRUE(StartsWith(texts[0].text, "＜")) << texts[0].text;
    EXPECT_EQ(texts[0].x, 264);
    EXPECT_EQ(texts[0].y, 30);
    EXPECT_EQ(texts[0].colour, 15);
    for (std::size_t k = 0; k < N; ++k) {
        auto first = std::find_if(texts.begin(), texts.end(), [&](const Drawn& d) {
            return d.x == 44 && StartsWith(d.text, std::to_string(k + 1));
        });
        ASSERT_NE(first, texts.end()) << "item " << k + 1;
        EXPECT_EQ(first->y, 120 + 60 * double(k));
        EXPECT_EQ(first->colour, k % 2 == 0 ? 13 : 15) << "item " << k + 1;
    }
    auto prompt = std::find_if(texts.begin(), texts.end(),
                               [](const Drawn& d) { return d.text == "番"; });
    ASSERT_NE(prompt, texts.end());
    EXPECT_EQ(prompt->x, 816);
    EXPECT_EQ(prompt->y, 648);
    EXPECT_EQ(prompt->colour, 0);
    EXPECT_EQ((prompt + 10)->text, "。");
    EXPECT_EQ((prompt + 10)->x, 976);
    EXPECT_EQ((prompt + 11)->text, "入");
    EXPECT_EQ((prompt + 11)->x, 1008);
}

// Walks `program` through every item (keeping each screen's log in out_dir
// when given) and checks that it ended by itself, with no error screen.
inline replay::WalkResult WalkToTheEnd(const std::string& program, const std::string& out_dir = "") {
    replay::Options o;
    o.program = program;
    replay::WalkResult walk = replay::Walk(o, out_dir);
    surface::Surface::Shutdown();
    EXPECT_TRUE(walk.ended) << walk.gave_up;
    EXPECT_FALSE(walk.error_report.has_value()) << *walk.error_report;
    return walk;
}

}  // namespace lesson_log
