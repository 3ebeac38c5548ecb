// The Brenvale program: its title, main menu and chapters.
#pragma once

#include <span>

#include "geometry/geometry.h"
#include "surface/surface.h"

namespace brenvale {

class Brenvale : public geometry::Geometry {
public:
    Brenvale();

    // ---- chapter 1: terms, coefficients and like terms ----
    // The goal screen, then the sub-menu until its "終了".
    void RunTermsChapter();
    // "<めあて>" and the chapter's two goals, on the screen as it stands.
    void ShowTermsGoals();
    // Asks for an item and runs it, until "終了" is chosen.
    void TermsMenu();
    void MagnetProblemP68();
    void TermsCoefficientsDrill();
    void ShowP69Problem1Answers();
    void Example3LikeTermsDrill();
    void Example4SimplifyDrill();

    // The row of sheets pinned up with magnets, also drawn by chapter 2: its
    // frame's top-left corner is (GridOriginX, GridOriginY), drawn in the pen
    // width in force. Leaves the 19 figure points in pixels in X_a(1..19),
    // Y_a(1..19) and YI1 at the frame's bottom edge.
    void DrawPaperMagnets();
    // Overlays over the last figure drawn: one group of three magnets per
    // sheet plus the single magnet; the three rows of magnets.
    void DrawFirstGroupingP68();
    void DrawSecondGroupingP68();
    // The area picture of aL + bL collected into (a + b)L, with one key wait
    // between its two rows: a, b in T_a(1), T_a(2), their texts in T_sa,
    // the letter in X_sa(1), the first rectangle's corner at (X_a(1), Y_a(1)).
    // Leaves the pen width at 5.
    void AnimateLikeTerms();

    // Registers of chapter 1.
    surface::Single LetterPick;  // slot of the letter in the coefficient drill
    // Colours of the like-term picture: positive quantities 3, negative 5.
    surface::Single Term1LabelColor, Term2Color, LowerBox1FillColor, LowerBox2FillColor;

    // ---- shared by the drills ----
    // Draws one of x, y, a and b, each as likely, into `slots`(1), the
    // candidates kept in `slots`(2..5); P is the place drawn.
    template <int N>
    void PickLetter(surface::Array<surface::Str, N>& slots) {
        slots(2) = "x";
        slots(3) = "y";
        slots(4) = "a";
        slots(5) = "b";
        P = surface::INT(surface::PaRnd() * 4) + 2;
        slots(1) = slots(P);
    }
    // PickLetter into X_sa, copied into X_sa(2) for the collected term
    // (chapters 1 and 2).
    void PickDrillLetter();

    // ---- chapter 2: adding and subtracting linear expressions ----
    void RunAddSubChapter();
    void ShowAddSubGoals();
    void AddSubMenu();
    void BracketRulesIntroP71();
    void Example5BracketDrill();
    void ShowP72Problem4Answers();
    void Example6SumDifferenceDrill();
    void ShowP73Problem5Answers();
    void MagnetProblemP73();
    // Each pass of example 6's difference drill after its new pair: the
    // signed texts, the panel right of x 640 and the working, one key at a
    // time, then the step prompt.
    void ShowDifferenceWorking();
    // The close of the difference drill: the steps in which a difference
    // departs from a sum, and the textbook pointer.
    void ShowDifferenceStepList();
    // The two terms of example 6's result from the collected coefficient
    // and constant in T_a(5), T_a(6) and their texts: T_sa(15) the letter
    // term, T_sa(16) the constant, "0" when both are 0, with no "+" when it
    // opens the result.
    void ComposeSumDifferenceResult();
    // Overlays on the two-row magnet figure whose points are in T_a/F_a
    // 1-19 (upper row) and 21-39 (lower row): the zigzag through each
    // column's five magnets and the last pair; the frame of each of the five
    // tiers (the lower row also from X_a/Y_a, which end with the upper row).
    void DrawFirstGroupingP73();
    void DrawSecondGroupingP73();

    // Registers of chapter 2: the corner of the panel that example 6 is
    // erasing or drawing in; they keep their last values for the run.
    surface::Single PanelX, PanelY;

    // ---- chapter 3: practice, page 73 ----
    // No goal screen: straight into the sub-menu.
    void RunPracticeP73();
    void PracticeP73Menu();
    void ShowPracticeP73Answers1();
    void ShowPracticeP73Answers2();
    void ShowPracticeP73Answers3();

    // ---- chapter 4: products and quotients of expressions and numbers ----
    void RunMulDivChapter();
    void ShowMulDivGoals();
    void MulDivMenu();
    void Example1ProductTableDrill();
    void Example2DivisionDrill();
    void ShowP74Problem2Answers();
    void FlowerBedAreaTask();
    void Example3DistributiveDrill();
    void ShowP75Problem3Answers();
    void Example4BinomialDivisionDrill();
    void ShowP75Problem4Answers();
    void Example5FractionTimesNumberDrill();
    void ExampleProblem1Drill();
    void DiscussTheMistake();

    // A row of a worked-answer screen. Its x comes from the layout registers
    // (margin XI0, problem XI1 + 27, working XI1, or the pen XI2 where the
    // row before ended), its y is `step` below YI1; a key wait may follow.
    enum class RowX { kMargin, kProblem, kLine, kPen };
    struct AnswerRow {
        int colour;
        RowX x;
        int step;
        const char* text;  // UTF-8
        bool wait = false;
    };
    // Writes the rows in order with WriteAt, so YI1 and XI2 follow each one.
    void WriteAnswerRows(std::span<const AnswerRow> rows);
    // A draw from the pick table X_a: P = a place 1 to `choices`, and the
    // entries behind it up to place `last` + 1 move one place down, so that
    // later draws cannot repeat it. Returns the entry drawn.
    double TakeFromPickTable(int choices, int last);
    // Fills the pick table X_a from place 1 with `entries`.
    void FillPickTable(std::initializer_list<double> entries);
    // A drill item's start: the screen cleared (0,0)-(1320,1300), the
    // heading in colour 3 at (40, 30), and the drill loop armed (AINP 3,
    // NO 1).
    void StartDrillItem(const surface::Str& heading);
    // A drill pass's area: XI0 `margin`, XI1 `margin` + 60, YI1 90, and all
    // from (`left`, 90) rightwards and down cleared; the corner is kept in
    // X_a(31), Y_a(31).
    void ClearDrillPass(double margin, double left);
    // A column of an answer screen: XI0 `margin`, XI1 `margin` + `indent`,
    // YI1 30.
    void StartColumn(double margin, double indent);

    // The rest of an instance of a(bx+c) or (bx+c)a once b and a are in
    // T_a(2), T_a(1): c drawn with its sign, the products, the texts (T_sa
    // 1 to 5, 11, 13) and the letter in X_sa(1).
    void CompleteBracketInstance();

    // Registers of chapter 4's flower bed: the cell block's top-left corner,
    // the y of the formula line, and the row of the cell being drawn.
    surface::Single FigureLeftX, FigureTopY, SavedLineY, CellRow;

    // ---- chapter 5: practice, page 76 ----
    void RunPracticeP76();
    void PracticeP76Menu();
    void ShowPracticeP76Answers1();
    void ShowPracticeP76Answers2();

protected:
    void MainMenu() override;
};

}  // namespace brenvale
