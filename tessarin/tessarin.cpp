#include "tessarin/tessarin.h"

#include <vector>

#include "surface/surface.h"

namespace tessarin {

using namespace surface;

Tessarin::Tessarin() : Geometry("Tessarin", false) {}

void Tessarin::MainMenu() {
    static const std::vector<Str> items = {
        "1　等しい関係を表す式"_sj,     "2　大小関係を表す式"_sj,
        "3　関係を表す式の意味"_sj,     "4　練習問題"_sj,
        "5　P82学びをたしかめよう"_sj,  "6　P84学びを身につけよう"_sj,
        "7　"_sj,                       "8　終了"_sj,
    };
    // A chapter returns here when its sub-menu's "終了" is chosen; the last
    // item ends the program from inside the frame. Line 7 is an empty line
    // of the menu: choosing it draws the menu again.
    for (;;) {
        switch (MainMenuFrame(items)) {
            case 1: RunEqualitiesChapter(); break;
            case 2: RunInequalitiesChapter(); break;
            case 3: RunRelationMeaningChapter(); break;
            case 4: RunPracticeP80(); break;
            case 5: RunReviewP82(); break;
            case 6: RunReviewP84(); break;
        }
    }
}

}  // namespace tessarin
