// The Tessarin program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

namespace tessarin {

class Tessarin : public geometry::Geometry {
public:
    Tessarin();

    // ---- chapter 1: equalities ----
    // The goal screen, then the sub-menu until its "終了".
    void RunEqualitiesChapter();
    // "<めあて>" and the chapter's goal, on the window as it stands.
    void ShowEqualitiesGoals();
    // Asks for an item and runs it, until "終了" is chosen.
    void EqualitiesMenu();
    void BalanceEqualityAnimation();
    void ShowP77Problem1Answers();
    void Example1EqualitiesFromWords();
    void ShowP76Problem2Answers();
    void Example2PencilSharing();
    void ShowP78Problem3Answers();

    // The pan balance of the balance lessons, also drawn by chapter 2. Erases
    // (X_a(0) - 390, Y_a(0) - 230)-(X_a(0) + 380, Y_a(0) + 100), then draws
    // the stand with its apex at the pivot (X_a(0), Y_a(0)), the beam R_a(1)
    // to either side turned by BalanceAngle, the posts and the pans. Leaves
    // the figure's points in X_a(1..8), Y_a(1, 2, 3, 5, 7), PiValue 3.14159
    // and the pen width 3.
    void DrawBalance();
    // The envelope and, on it, the box of PanLoadText_s on the left pan.
    void DrawLeftPanLoad();
    // The left pan's load again, and the weights "20" and "5" on the right pan.
    void DrawPanLoads();
    // The weights alone: "20" over the right pan's left half, "5" from 30 to
    // 90 right of the beam's end, both standing on the pan.
    void DrawPanWeights();
    // The letter-paper question of the balance lessons: the clear, the two
    // lines of the question (cp932), the level balance loaded with `load`,
    // the first swing tipping it, and the weights put on the raised pan,
    // each between key waits.
    void PoseLetterPaperBalance(const surface::Str& line1, const surface::Str& line2,
                                const surface::Str& load);
    // Swings the loaded balance back from its extreme tilt through `frames`
    // frames, one step of PiValue / 96 each, pausing after every frame.
    void SwingLoadedBalanceBack(int frames);

    // Registers of the balance lessons.
    surface::Single BalanceAngle;  // tilt in radians; positive lowers the left pan
    surface::Str PanLoadText_s;    // the letter sheets' box on the left pan
    surface::Single SwingFrame;    // frame counter of a swing

    // ---- chapter 2: inequalities ----
    void RunInequalitiesChapter();
    void ShowInequalitiesGoals();
    void InequalitiesMenu();
    void BalanceInequalityAnimation();
    void ShowP78Problem4Answers();
    void BalanceAtMostFigure();
    void RelationSentenceDrill();
    void Example3InequalityFromWords();
    void ShowP79Problem5Answers();

    // ---- chapter 3: what a relation means ----
    void RunRelationMeaningChapter();

    // ---- chapter 4: practice, page 80 ----
    void RunPracticeP80();

    // ---- chapter 5: review, page 82 ----
    void RunReviewP82();

    // ---- chapter 6: review, page 84 ----
    void RunReviewP84();

protected:
    void MainMenu() override;
};

}  // namespace tessarin
