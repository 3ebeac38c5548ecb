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
    void RunExpressionValueChapter();

    // ---- chapter 5: practice, page 67 ----
    void RunPracticeP67();

protected:
    void MainMenu() override;
};

}  // namespace morquist
