// Helpers of the tests of chapter 4's later items and the page 76 practice:
// rows of formula text as the printer draws them, found in a run's log.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/brenvale_terms_test_support.h"

namespace muldiv2_testing {

using namespace terms_testing;

// A row's x when it continues the line where the row before it ended.
constexpr double kPen = -1;

// A row of formula text (UTF-8), drawn in `colour` at (x, y); `mark` is the
// stroke colour of "ｹ" and `pen` the pen width in force.
struct Row {
    int colour;
    double x, y;
    std::string text;
    int mark = 0;
    double pen = 3;
};

// The log lines of each row drawn by the formula printer, one after the
// other on one fresh program (an x of kPen takes the end of the row before);
// `ends` receives where each row ended. Restarts the surface.
inline std::vector<std::vector<std::string>> Rendered(const std::vector<Row>& rows,
                                                      std::vector<double>* ends = nullptr) {
    auto& s = StartReferenceSurface();  // each row sets its own pen below
    testing_support::TestProgram p;
    std::vector<std::vector<std::string>> out;
    double end = 0;
    for (const Row& row : rows) {
        surface::FE_SETDRAWWIDTH(0, row.pen);
        std::size_t from = s.log().size();
        p.CCC1 = row.colour;
        p.CCC2 = row.mark;
        p.X = row.x == kPen ? end : row.x;
        p.Y = row.y;
        p.AA_s = surface::Utf8ToCp932(row.text);
        p.DrawMessage();
        end = p.X;
        if (ends) ends->push_back(end);
        out.emplace_back(s.log().begin() + static_cast<std::ptrdiff_t>(from), s.log().end());
    }
    surface::Surface::Shutdown();
    return out;
}

// Where each row stands in `log`, in the order given, each after the one
// before (from `from` on); a row not found is a test failure and npos.
inline std::vector<std::size_t> FindRows(const std::vector<std::string>& log,
                                         const std::vector<Row>& rows, std::size_t from = 0) {
    auto blocks = Rendered(rows);
    std::vector<std::size_t> at;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        std::size_t i = FindBlock(log, blocks[k], from);
        if (i == std::string::npos) {
            ADD_FAILURE() << "row " << k + 1 << " \"" << rows[k].text << "\" at (" << rows[k].x
                          << ", " << rows[k].y << ") in colour " << rows[k].colour
                          << " not drawn";
        } else {
            from = i + blocks[k].size();
        }
        at.push_back(i);
    }
    return at;
}

// Checks the key waits of a screen: `waits_after` lists the rows (1-based)
// after which one key wait comes, and there is no other between the first
// row and `end`. Rows must have been found.
inline void ExpectWaits(const std::vector<std::string>& log, const std::vector<std::size_t>& at,
                        const std::vector<int>& waits_after, std::size_t end) {
    ASSERT_FALSE(at.empty());
    auto waits = IndicesOf(log, kAnyKeyBox, at.front(), end);
    EXPECT_EQ(waits.size(), waits_after.size());
    for (std::size_t k = 0; k < at.size(); ++k) {
        if (at[k] == std::string::npos) continue;
        std::size_t want = 0;
        for (int w : waits_after)
            if (std::size_t(w) < k + 1) ++want;
        EXPECT_EQ(CountBefore(waits, at[k]), want) << "waits before row " << k + 1;
    }
}

// The first log line at or after `from` that starts a sub-menu's item line.
inline std::size_t NextItemLine(const std::vector<std::string>& log, std::size_t from) {
    for (std::size_t i = from; i < log.size(); ++i)
        if (StartsWith(log[i], "PsSYMBOL40 16 666 ")) return i;
    return log.size();
}

// A screen of an item whose clear stands at `start`: its rows in order, all
// before the sub-menu asks again, with the waits that `waits_after` lists
// (see ExpectWaits). Where the rows stand.
inline std::vector<std::size_t> ExpectScreen(const std::vector<std::string>& log,
                                             std::size_t start, const std::vector<Row>& rows,
                                             const std::vector<int>& waits_after) {
    auto at = FindRows(log, rows, start);
    std::size_t end = NextItemLine(log, start);
    EXPECT_LT(at.back(), end);
    ExpectWaits(log, at, waits_after, end);
    return at;
}

// Every log line whose drawing reaches outside the 1440 × 900 window.
inline std::vector<std::string> OutsideWindow(const std::vector<std::string>& log) {
    std::vector<std::string> out;
    for (const auto& line : log) {
        Extent e;
        if (ExtentOf(line, e) && (e.left < 0 || e.top < 0 || e.right > 1440 || e.bottom > 900))
            out.push_back(line);
    }
    return out;
}

}  // namespace muldiv2_testing
