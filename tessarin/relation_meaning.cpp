// Chapter 3: what an equality or an inequality says about quantities. The
// entry, its goal screen, its sub-menu and the worked example 例4.
#include "tessarin/answer_rows.h"
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;
using namespace answer_rows;

void Tessarin::RunRelationMeaningChapter() {
    ShowRelationMeaningGoals();
    RelationMeaningMenu();
}

void Tessarin::ShowRelationMeaningGoals() {
    DrawGoals("等式や不等式が表す数量の関係を読みとろう。"_sj);
}

void Tessarin::RelationMeaningMenu() {
    for (;;) {
        switch (AskSubmenuItem("①例４　②練習　③問６　④問７　⑤終了"_sj, 5)) {
            case 1: Example4RelationMeaning(); break;
            case 2: PriceRelationDrill(); break;
            case 3: ShowP79Problem6Answers(); break;
            case 4: ShowP80Problem7Answers(); break;
            default: return;  // 終了
        }
    }
}

// 2a+3b≦8000 read piece by piece, a key between the pieces.
void Tessarin::Example4RelationMeaning() {
    static constexpr Row rows[] = {
        Page(1320, 1300, 81),
        {TextRow, AtMargin, 0, 0, 0, "例4　ある水族館の入館料は、おとな1人a円,中学生1人b円です。"},
        // An empty text: it only moves the line down.
        {TextRow, AtMargin, 0, 50, 0, ""},
        {TextRow, AtLine, 0, 0, 3, "2a+3b≦8000 "},
        {TextRow, AtPen, 0, 0, 0, "はどんなことを表していますか。"},
        {TextRow, AtLine, 0, 70, 3, "解答 ", Key},
        {TextRow, AtLine, 0, 60, 3, "2a", Key},
        {TextRow, AtPen, 0, 0, 0, "…おとな2人の入館料", Key},
        // 60 after the pen: a gap before the next piece.
        {TextRow, AtPen, 60, 0, 3, "3b", Key},
        {TextRow, AtPen, 0, 0, 0, "…中学生3人の入館料", Key},
        {TextRow, AtLine, 0, 60, 3, "2a+3b", Key},
        {TextRow, AtPen, 0, 0, 0, "…その合計", Key},
        {TextRow, AtPen, 60, 0, 3, "≦8000", Key},
        {TextRow, AtPen, 0, 0, 0, "…8000円以下であること だから", Key},
        {TextRow, AtLine, 0, 60, 5, "おとな2人と中学生3人の入館料の合計は、8000円以下であること"},

    };
    DrawAnswerRows(rows);
}

}  // namespace tessarin
