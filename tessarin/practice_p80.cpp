// Chapter 4: the worked answers of the practice problems of page 80.
#include "tessarin/answer_rows.h"
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;
using namespace answer_rows;

void Tessarin::RunPracticeP80() { PracticeP80Menu(); }

void Tessarin::PracticeP80Menu() {
    for (;;) {
        switch (AskSubmenuItem("①,②解答　　　③終了"_sj, 3)) {
            case 1: ShowPracticeP80Answers1(); break;
            case 2: ShowPracticeP80Answers2(); break;
            default: return;  // 終了
        }
    }
}

void Tessarin::ShowPracticeP80Answers1() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "P80(練習問題)"},
        {NumberBox, AtPen, 20, 0, 13, "1", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 0, 50, 0, "xmのテープ6本の長さは、6x (m)"},
        {TextRow, AtLine, 0, 50, 0, "残りは、30-6x で、yと等しいから"},
        {TextRow, AtLine, 0, 50, 5, "30-6x=y", Key},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 0, 50, 0, "りんごx個と、y円の箱の代金は、150x+y (円）"},
        {TextRow, AtLine, 0, 50, 0, "2000円以下だから、≦2000"},
        {TextRow, AtLine, 0, 50, 5, "150x+y≦2000"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowPracticeP80Answers2() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "P80(練習問題)"},
        {NumberBox, AtPen, 20, 0, 13, "2", 0, 44},
        {TextRow, AtMargin, 0, 60, 0, "(ア) 1000<a…aは1000より大きいから違う。"},
        {TextRow, AtMargin, 0, 60, 0, "（イ) 1000-a<0…1000からaをひくと負の数だから違う。"},
        {TextRow, AtMargin, 0, 60, 5, "（ウ）1000-a≧0…", KeepPen},
        {TextRow, AtPen, 0, 0, 5, "1000からaをひくと0以上だから"},
        {TextRow, AtKeptPen, 0, 50, 5, "買えるという関係を表している。"},
    };
    DrawAnswerRows(rows);
}

}  // namespace tessarin
