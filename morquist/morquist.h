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

    // Registers of chapter 3.
    surface::Str AmountLetter;  // the letter of the ratio drill's base amount

    // ---- chapter 4: the value of an expression ----
    void RunExpressionValueChapter();

    // ---- chapter 5: practice, page 67 ----
    void RunPracticeP67();

protected:
    void MainMenu() override;
};

}  // namespace morquist
