// The Brenvale program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

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

    // ---- chapter 3: practice, page 73 ----
    // No goal screen: straight into the sub-menu.
    void RunPracticeP73();
    void PracticeP73Menu();
    void ShowPracticeP73Answers1();
    void ShowPracticeP73Answers2();
    void ShowPracticeP73Answers3();
    // The frame of a practice answer screen, on a blank window: the title
    // box (40, 30)-(436, 76) and, 20 to its right, the 44-square box of the
    // problem's number (both cp932). Leaves XI0 40, XI1 94, YI1 30 and XI2
    // at the number box's right edge (500); pen width as it is.
    void DrawPracticeFrame(const surface::Str& title, const surface::Str& number);

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
