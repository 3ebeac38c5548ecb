// Helpers of the chapter 4 tests: the keys that open an item, and lines
// written in pieces found back in the operation log.
#pragma once

#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_drill_test_support.h"

namespace muldiv_testing {

using namespace drill_testing;

// Keys that open chapter 4 from the main menu and choose an item.
inline std::string Chapter4Item(int n) { return "4{enter}" + std::to_string(n) + "{enter}"; }

// A line as the pupil reads it: pieces of FormulaMarkup (UTF-8), each in its
// colour, the first at (x, y) and each next one where the one before ended.
struct WrittenLine {
    double x, y;
    std::vector<std::pair<int, std::string>> pieces;
};

// Where each piece of `line` stands in `log`, in order from `from`; npos
// for a piece not found (and every piece after it).
inline std::vector<std::size_t> FindPieces(const std::vector<std::string>& log,
                                           const WrittenLine& line, std::size_t from = 0) {
    std::vector<std::size_t> at;
    for (const auto& block : ReferencePieces(line.x, line.y, line.pieces)) {
        std::size_t found = from == std::string::npos ? from : FindBlock(log, block, from);
        at.push_back(found);
        if (found != std::string::npos) from = found + block.size();
        else from = std::string::npos;
    }
    return at;
}

// The lines of `want` drawn in `log` in this order, each complete; returns
// where each one starts (npos when missing), with a failure for each
// missing line.
inline std::vector<std::size_t> ExpectLinesInOrder(const std::vector<std::string>& log,
                                                   const std::vector<WrittenLine>& want,
                                                   std::size_t from = 0) {
    std::vector<std::size_t> starts;
    for (const auto& line : want) {
        auto at = FindPieces(log, line, from);
        std::string text;
        for (const auto& piece : line.pieces) text += piece.second;
        EXPECT_NE(at.back(), std::string::npos)
            << "missing, or out of order: " << text << " at " << line.x << "," << line.y;
        starts.push_back(at.front());
        if (at.back() != std::string::npos) from = at.back();
    }
    return starts;
}

// A line without stacked fractions read back at (x, y): its text, the
// colours of its characters, and the log line of its first character (npos
// when nothing starts there).
struct PlainLine {
    std::string text;
    std::set<int> colours;
    std::size_t index = std::string::npos;
    double end_x = 0;
};
inline PlainLine ReadPlainLine(const std::vector<Glyph>& glyphs, double x, double y) {
    PlainLine out;
    Line line = LineAt(glyphs, x, y);
    out.text = line.text;
    out.colours.insert(line.colours.begin(), line.colours.end());
    out.end_x = line.end_x;
    for (const auto& g : glyphs) {
        if (g.x == x && g.y == y) {
            out.index = g.index;
            break;
        }
    }
    return out;
}

// A pass of a drill up to its step prompt's box, which must be there.
inline std::vector<std::string> UpToStepPrompt(std::vector<std::string> part) {
    auto steps = IndicesOf(part, kStepBox);
    EXPECT_FALSE(steps.empty());
    if (!steps.empty()) part.resize(steps[0] + 1);
    return part;
}

// The log cut at each line that begins with one of `separators`: each part
// with the number of the separator that opens it. The part before the first
// one is left out.
struct Part {
    std::size_t kind;
    std::vector<std::string> lines;
};
inline std::vector<Part> SplitAtAny(const std::vector<std::string>& log,
                                    const std::vector<std::string>& separators) {
    std::vector<Part> parts;
    for (const auto& line : log) {
        std::size_t kind = 0;
        while (kind < separators.size() && !StartsWith(line, separators[kind])) ++kind;
        if (kind < separators.size()) {
            parts.push_back({kind, {}});
        } else if (!parts.empty()) {
            parts.back().lines.push_back(line);
        }
    }
    return parts;
}

// The coefficient written before a letter or a bracket: "" for 1, "-" for
// -1.
inline std::string CoefficientText(int v) {
    return v == 1 ? "" : v == -1 ? "-" : std::to_string(v);
}
inline int CoefficientValue(const std::string& written) {
    if (written.empty()) return 1;
    if (written == "-") return -1;
    return std::stoi(written);
}
// A number as a term after another: its sign always written.
inline std::string Signed(int v) { return (v > 0 ? "+" : "") + std::to_string(v); }
// A number as a factor after "×" or "=": in brackets when negative.
inline std::string Factor(int v) {
    return v < 0 ? "(" + std::to_string(v) + ")" : std::to_string(v);
}

// What no line of a drill may show: a sign after a sign or an opening
// bracket, "=" followed by "+", a coefficient 1 before a letter, or "±".
inline bool WrittenWell(const std::string& text) {
    static const std::regex bad(R"(\+-|--|\+\+|\(\+|=\+|(^|[^0-9.])1[xyab]|±)");
    return !std::regex_search(text, bad);
}

}  // namespace muldiv_testing
