// The Tessarin program: its title, main menu and chapters.
#pragma once

#include <cstddef>

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
    // The goal screen, then the sub-menu until its "終了".
    void RunRelationMeaningChapter();
    void ShowRelationMeaningGoals();
    void RelationMeaningMenu();
    void Example4RelationMeaning();
    void PriceRelationDrill();
    void ShowP79Problem6Answers();
    void ShowP80Problem7Answers();
    // One instance of the price drill: the six draws, the number texts, the
    // letter pair and the relation table with row 1's phrase `equal_phrase`
    // (cp932); the first slot in T_sa(11, 12), the second in T_sa(31, 32).
    void MakePriceRelationInstance(const surface::Str& equal_phrase);

    // ---- answer screens (chapter 3, practice and reviews) ----
    // One row of an answer screen's table, drawn in order by DrawAnswerRows.
    struct AnswerRow {
        enum Kind : char {
            kText,        // text at x, y in `colour`
            kHeading,     // the heading box, 396 x 46, at x, y
            kNumberBox,   // a problem's number box, `width` x 44, at x, y
            kPage,        // clears (0,0)-(v[0],v[1]); XI0 40, XI1 40 + v[2], YI1 30
            kNewColumn,   // XI0 v[0]; XI1 v[1] and YI1 v[2] unless -1 (kept)
            kErase,       // fills (v[0],v[1])-(v[2],v[3]) with the background
        };
        // Where x starts: the margin XI0, the indent XI1, the pen XI2, or
        // the pen kept by the last row marked kSavePen.
        enum From : char { kMargin, kLine, kPen, kSavedPen };
        Kind kind;
        From from;
        short dx;  // added to the x it starts from
        short dy;  // added to YI1, the y of the row before
        signed char colour;
        const char* text;  // UTF-8
        unsigned flags = 0;
        short width = 0;
        short v[4] = {};
    };
    static constexpr unsigned kKey = 1;          // WaitAnyKey after the row
    static constexpr unsigned kSavePen = 2;      // keep the pen after the row
    static constexpr unsigned kTallParens = 4;   // KAKKO = 1 just before the row
    // Draws the rows in order; after each drawn row XI2 is the pen and YI1
    // the row's y.
    void DrawAnswerRows(const AnswerRow* rows, std::size_t count);
    template <std::size_t N>
    void DrawAnswerRows(const AnswerRow (&rows)[N]) { DrawAnswerRows(rows, N); }

    // ---- chapter 4: practice, page 80 ----
    void RunPracticeP80();
    void PracticeP80Menu();
    void ShowPracticeP80Answers1();
    void ShowPracticeP80Answers2();

    // ---- chapter 5: review, page 82 ----
    void RunReviewP82();
    void ReviewP82Menu();
    void ShowReviewP82Answers1To3();
    void ShowReviewP82Answers4And5();
    void ShowReviewP82Answers6And7();
    void ShowReviewP82Answers8();
    void ShowReviewP82Answers9();
    void ShowReviewP82Answers10();
    void ShowReviewP82Answers11();

    // ---- chapter 6: review, page 84 ----
    void RunReviewP84();
    void ReviewP84Menu();
    void ShowReviewP84Answers1To3();
    void ShowReviewP84Answers4();
    void ShowReviewP84Answers5();
    void ShowReviewP84Answers6();
    void ShowReviewP84Answers7And8();
    void ShowReviewP84Answers9();
    void ShowReviewP84Answers10();

protected:
    void MainMenu() override;
};

}  // namespace tessarin
