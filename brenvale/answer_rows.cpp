// The columns and rows of the worked-answer screens, walked from their
// tables.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::WriteAnswerRows(std::span<const AnswerRow> rows) {
    for (const AnswerRow& row : rows) {
        double x = XI2;
        switch (row.x) {
            case RowX::kMargin: x = XI0; break;
            case RowX::kProblem: x = XI1 + 27; break;
            case RowX::kLine: x = XI1; break;
            case RowX::kPen: break;
        }
        WriteAt(row.colour, x, YI1 + row.step, Utf8ToCp932(row.text));
        if (row.wait) WaitAnyKey();
    }
}

void Brenvale::StartColumn(double margin, double indent) {
    XI0 = margin;
    XI1 = XI0 + indent;
    YI1 = 30;
}

}  // namespace brenvale
