// The layout of the answer screens of chapter 3, the practice and the two
// reviews: a screen is a table of rows, drawn in order by one loop.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::DrawAnswerRows(const AnswerRow* rows, std::size_t count) {
    Single kept_pen = XI2;
    for (std::size_t i = 0; i < count; ++i) {
        const AnswerRow& row = rows[i];
        switch (row.kind) {
            case AnswerRow::kPage:
                PsLINE(0, 0, false, row.v[0], row.v[1], 15, 2, 15);
                XI0 = 40;
                XI1 = XI0 + row.v[2];
                YI1 = 30;
                continue;
            case AnswerRow::kNewColumn:
                XI0 = row.v[0];
                if (row.v[1] >= 0) XI1 = row.v[1];
                if (row.v[2] >= 0) YI1 = row.v[2];
                continue;
            case AnswerRow::kErase:
                PsLINE(row.v[0], row.v[1], false, row.v[2], row.v[3], 15, 2, 15);
                continue;
            default:
                break;
        }
        Single x = 0;
        switch (row.from) {
            case AnswerRow::kMargin: x = XI0; break;
            case AnswerRow::kLine: x = XI1; break;
            case AnswerRow::kPen: x = XI2; break;
            case AnswerRow::kSavedPen: x = kept_pen; break;
        }
        x = x + row.dx;
        const Single y = YI1 + row.dy;
        if (row.flags & kTallParens) KAKKO = 1;
        if (row.kind == AnswerRow::kText) {
            WriteAt(row.colour, x, y, Utf8ToCp932(row.text));
        } else {
            const bool heading = row.kind == AnswerRow::kHeading;
            X = x;
            Y = y;
            HABA = heading ? 396 : row.width;
            TATE = heading ? 46 : 44;
            CCC1 = row.colour;
            CCC2 = heading ? 3 : 4;
            CCC3 = heading ? 13 : 3;
            A_s = Utf8ToCp932(row.text);
            DrawTextBox();
            XI2 = X;
            YI1 = Y;
        }
        if (row.flags & kSavePen) kept_pen = XI2;
        if (row.flags & kKey) WaitAnyKey();
    }
}

}  // namespace tessarin
