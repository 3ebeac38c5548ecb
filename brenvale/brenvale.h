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

    // ---- chapter 5: practice, page 76 ----
    void RunPracticeP76();
    void PracticeP76Menu();
    void ShowPracticeP76Answers1();
    void ShowPracticeP76Answers2();

protected:
    void MainMenu() override;
};

}  // namespace brenvale
