// Readers of the pictures and sweeps of the Brenvale drill tests: lines
// written in pieces, cells and their texts, dotted bows, random clocks and
// the check that nothing leaves the window.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_terms_test_support.h"

namespace drill_testing {

using namespace terms_testing;

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
    auto& s = surface::Surface::Start(
        std::make_unique<surface::HeadlessBackend>(std::vector<surface::Str>{},
                                                   std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 3);
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

// Every drawing of `log` within the window.
inline void CheckNothingOutsideTheWindow(const std::vector<std::string>& log) {
    for (const auto& line : log) {
        Extent e;
        if (!ExtentOf(line, e)) continue;
        EXPECT_TRUE(e.left >= 0 && e.top >= 0 && e.right <= surface::kCanvasWidth &&
                    e.bottom <= surface::kCanvasHeight)
            << line;
    }
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
}  // namespace drill_testing
