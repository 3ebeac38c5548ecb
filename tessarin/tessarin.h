// The Tessarin program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

namespace tessarin {

class Tessarin : public geometry::Geometry {
public:
    Tessarin();

    // ---- chapter 1: equalities ----
    void RunEqualitiesChapter();

    // ---- chapter 2: inequalities ----
    void RunInequalitiesChapter();

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
