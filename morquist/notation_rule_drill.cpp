// The rule table drill of chapter 2: an expression written with × or ÷, an
// empty cell, and after a key the same expression in letter-expression
// notation in the cell, repeated with fresh rows until 1 is typed.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::PickRuleRow() {
    const Single pick = INT(PaRnd() * 10) + 1;
    // Row 3 stands in for a repeat, so no other row comes twice running,
    // even from one drill into the next.
    if (pick == LastPick) {
        NO = 3;
    } else {
        NO = pick;
        LastPick = pick;
    }
}

void Morquist::RevealRuleAnswer(const Str& expression, const Str& answer, double x, double y,
                                double cell_width, double cell_height) {
    auto cell = [&](const Str& text) {
        X = X_a(1);
        Y = Y_a(1);
        HABA = cell_width;
        TATE = cell_height;
        CCC1 = 5;
        CCC2 = 3;
        CCC3 = 13;
        A_s = text;
        DrawTextBoxAroundLine();
        XI2 = X;
    };
    WriteAt(0, x, y, expression);
    X_a(1) = XI2 + 10;
    Y_a(1) = YI1;
    cell(Str());
    WaitAnyKey();
    // The whole cell is painted again, border and fill, with the answer.
    cell(answer);
    AskNextStep();
}

void Morquist::RunRuleTableDrill(const RuleTableDrill& drill) {
    auto heading = [&] {
        WriteAt(drill.heading_colour, drill.heading_x, drill.heading_y,
                Utf8ToCp932(drill.heading));
    };
    auto clear = [&] {
        PsLINE(drill.clear_left, drill.clear_top, false, drill.clear_right, drill.clear_bottom, 15,
               2, 15);
    };
    AINP = 3;
    while (AINP != 1) {
        for (int r = 1; r <= 10; ++r) {
            const RuleRow& row = drill.rows[r - 1];
            T_sa(r) = Utf8ToCp932(row.problem);
            T_sa(10 + r) = Utf8ToCp932(row.answer);
            if (row.middle) T_sa(20 + r) = Utf8ToCp932(row.middle);
        }
        PickRuleRow();
        if (drill.clear_before_heading) {
            clear();
            heading();
        } else {
            heading();
            clear();
        }
        Str expression = T_sa(NO) + "="_sj;
        if (drill.rows[0].middle) expression += T_sa(20 + NO) + "="_sj;
        RevealRuleAnswer(expression, T_sa(10 + NO), drill.expression_x, drill.expression_y,
                         drill.cell_width, drill.cell_height);
    }
}

}  // namespace morquist
