// The Morquist program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

namespace morquist {

class Morquist : public geometry::Geometry {
public:
    Morquist();

    // ---- chapter 1: quantities written with letters ----
    void RunWithLettersChapter();

    // ---- chapter 2: how letter expressions are written ----
    void RunNotationChapter();

    // ---- chapter 3: letter expressions and quantities ----
    void RunQuantitiesChapter();

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
