// The Morquist program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

namespace morquist {

class Morquist : public geometry::Geometry {
public:
    Morquist();

    // ---- chapter 1: quantities written with letters ----
    // The goal screen, then the sub-menu until its "終了".
    void RunWithLettersChapter();
    // "<めあて>" and the chapter's goal, on the screen as it stands.
    void ShowWithLettersGoals();
    // Asks for an item and runs it, until "終了" is chosen.
    void WithLettersMenu();
    void MagnetIntroP57();
    void ShowP58Problem1Answers();
    void LetterExpressionExample();
    void ShowP57Problem2Answers();
    void Example1TotalPrice();
    void ShowP59Problem3Answers();
    void ShowPracticeP59Answers();

    // One sheet of drawing paper with its four magnets, from its top-left
    // corner (U_a(31), V_a(31)); the other corners come back in U_a(32..34),
    // V_a(32..34), anticlockwise from the bottom left. Pen width as it is.
    void DrawMagnetSheet();
    // The same corners; marks only the sheet's two left magnets.
    void MarkMagnetPair();

    // Registers of chapter 1: the sheets of the magnet figure.
    surface::Single SheetWidth, SheetHeight, SheetStep;

    // ---- chapter 2: how letter expressions are written ----
    void RunNotationChapter();
    void ShowNotationGoals();
    void NotationMenu();
    void ProductRulesDrill1();
    void ProductRulesDrill2();
    void QuotientRulesDrill();
    void ShowP61Problems3And4Answers();
    void Example3NotationDrill();
    void ShowP61Problems5And6Answers();

    // One row of a rule table: the expression with "*" and "/", its
    // letter-expression form, and (Q8 only) the fraction between them;
    // UTF-8, in formula markup.
    struct RuleRow {
        const char* problem;
        const char* answer;
        const char* middle = nullptr;
    };
    // A rule table drill: where its heading, clear rectangle, expression
    // and answer cell stand, and its ten rows.
    struct RuleTableDrill {
        const char* heading;  // UTF-8
        double heading_colour, heading_x, heading_y;
        double clear_left, clear_top, clear_right, clear_bottom;
        bool clear_before_heading;
        double expression_x, expression_y;
        double cell_width, cell_height;
        const RuleRow* rows;  // ten
    };
    // Passes of a row of the table, picked at random, until 1 is typed at
    // the step prompt. Leaves YI1 at the expression's line and XI2 at the
    // cell's right edge.
    void RunRuleTableDrill(const RuleTableDrill& drill);
    // NO = a random row 1 to 10; a pick equal to LastPick gives row 3 and
    // keeps LastPick, any other pick becomes LastPick.
    void PickRuleRow();
    // One pass after its heading: `expression` (cp932) at (x, y) in colour 0,
    // an empty cell 10 to its right, a key, `answer` in the cell, then the
    // step prompt. The cell's corner stays in X_a(1), Y_a(1).
    void RevealRuleAnswer(const surface::Str& expression, const surface::Str& answer, double x,
                          double y, double cell_width, double cell_height);

    // Registers of chapter 2: the row the rule table drills avoid repeating,
    // kept from drill to drill for the whole run.
    surface::Single LastPick;

    // ---- chapter 3: letter expressions and quantities ----
    // The goal screen, then the sub-menu until its "終了".
    void RunQuantitiesChapter();
    // "<めあて>" and the chapter's two goals, on the screen as it stands.
    void ShowQuantitiesGoals();
    // Asks for an item and runs it, until "終了" is chosen.
    void QuantitiesMenu();
    void Example4ChangeFromPurchase();
    void ShowP62Problem7Answers();
    void Example5SpeedDrill();
    void ShowP62Problem8Answers();
    void RatioDrill();
    void Example6PercentOfArea();
    void Example7ExpressionMeaning();
    void ShowP64Problem11Answers();
    void ShowPracticeP64Answers();

    // One part of an answer that reads an expression term by term (UTF-8
    // texts; an empty second conclusion line is left out).
    struct TermMeanings {
        const char* label;
        const char* terms[2];
        const char* meanings[2];
        const char* conclusion[2];
    };
    // Draws it from 50 below the line in hand, every line 50 apart: the
    // label at XI0 in colour 3 beside the first term at XI1, each term
    // (colour 0) followed by its meaning (3), " だから " and the conclusion
    // (5). A key after the first meaning, after " だから " and after the
    // conclusion.
    void DrawTermMeanings(const TermMeanings& part);

    // Registers of chapter 3.
    surface::Str AmountLetter;  // the letter of the ratio drill's base amount

    // ---- chapter 4: the value of an expression ----
    // The goal screen, then the sub-menu until its "終了".
    void RunExpressionValueChapter();
    // "<めあて>" and the chapter's goal, on the screen as it stands.
    void ShowExpressionValueGoals();
    // Asks for an item and runs it, until "終了" is chosen.
    void ExpressionValueMenu();
    void TemperatureIntroP65();
    void Example1SubstitutionDrill();
    void Example2NegationValueDrill();
    void Example3FractionValueDrill();
    void Example4PowerValues();
    void ShowP66Problem6Answers();
    void Example5TwoLetterValueDrill();
    void Example6TwoLetterValueDrill();
    void ShowP67Problem8Answers();

    // One text of a drill's instance. Its pen: `from` plus `indent`, on the
    // current line (`down` 0) or `down` below it. `text` is UTF-8 in which
    // "{n}" stands for T_sa(n) and "{L}" for X_sa(1).
    struct ValueStep {
        enum From { kLineX, kMarginX, kPen, kEqualsColumn } from;
        int indent;
        int down;
        int colour;
        const char* text;
        // kMarkEquals keeps the pen x in X_a(1), the column under which the
        // next lines' "=" stand, then waits like kWait.
        enum Then { kNothing, kWait, kMarkEquals } then;
    };
    // A random drill: the region each pass erases (x1, y1)-(x2, y2), the
    // routines that draw the pass's values and, after FormatNumberArrays,
    // build its display texts, the origin of its lines, and its steps.
    struct ValueDrill {
        double x1, y1, x2, y2;
        void (Morquist::*draw_values)();
        void (Morquist::*make_texts)();
        double margin_x, line_x, line_y;
        const ValueStep* steps;
        int step_count;
    };
    // Passes of `drill` while AINP is not 1: each erases the region, draws
    // fresh values, shows the instance step by step and ends at the step
    // prompt. The caller sets AINP first; the last instance stays on view.
    void RunValueDrill(const ValueDrill& drill);
    // The pass values of the drills: x in T_a(1), the derived values after.
    void DrawPositiveX6Minus4x();
    void DrawNegativeX6Minus4x();
    void Derive6Minus4x();
    void Make6Minus4xTexts();
    void DrawNegationValues();
    void MakeNegationTexts();
    void DrawFractionValues();
    void MakeFractionTexts();
    void DrawTwoLetterSizes();
    void Draw3xPlus2yValues();
    void DrawMinus5aMinus6bValues();
    void MakeTwoLetterTexts();
    // The two rules closing 例5 and 例6, below the last instance.
    void WriteTwoLetterRules();

    // ---- chapter 5: practice, page 67 ----
    // No goal screen: straight into the sub-menu.
    void RunPracticeP67();
    void PracticeP67Menu();
    void ShowPracticeP67Answers1();
    void ShowPracticeP67Answers2();
    void ShowPracticeP67Answers3();

protected:
    void MainMenu() override;
};

}  // namespace morquist
