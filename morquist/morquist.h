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
    void RunExpressionValueChapter();

    // ---- chapter 5: practice, page 67 ----
    void RunPracticeP67();

protected:
    void MainMenu() override;
};

}  // namespace morquist
