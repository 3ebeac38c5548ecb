// Short names for writing the tables of the answer screens.
#pragma once

#include "tessarin/tessarin.h"

namespace tessarin::answer_rows {

using Row = Tessarin::AnswerRow;
constexpr Row::Kind TextRow = Row::kText, HeadingBox = Row::kHeading, NumberBox = Row::kNumberBox;
constexpr Row::From AtMargin = Row::kMargin, AtLine = Row::kLine, AtPen = Row::kPen,
                    AtKeptPen = Row::kSavedPen;
constexpr unsigned Key = Tessarin::kKey, KeepPen = Tessarin::kSavePen,
                   TallParens = Tessarin::kTallParens;

// The clear of (0,0)-(width,height) that starts a page, and the anchors:
// margin 40, indent `indent` right of it, the line at y 30.
constexpr Row Page(short width, short height, short indent) {
    return {Row::kPage, AtMargin, 0, 0, 0, "", 0, 0, {width, height, indent, 0}};
}
// The whole-window page of the practice and the reviews.
constexpr Row WholeWindow(short indent = 60) { return Page(1760, 1800, indent); }
// A new column; -1 keeps the indent or the line.
constexpr Row Column(short margin, short line_x, short line_y) {
    return {Row::kNewColumn, AtMargin, 0, 0, 0, "", 0, 0, {margin, line_x, line_y, 0}};
}
// Blanks (x1,y1)-(x2,y2) to the background.
constexpr Row Erase(short x1, short y1, short x2, short y2) {
    return {Row::kErase, AtMargin, 0, 0, 0, "", 0, 0, {x1, y1, x2, y2}};
}

}  // namespace tessarin::answer_rows
