// Chapter 3, items ③ and ④: the worked answers of page 79 question 6 (two
// pages) and page 80 question 7.
#include "tessarin/answer_rows.h"
#include "tessarin/tessarin.h"

namespace tessarin {

using namespace answer_rows;

void Tessarin::ShowP79Problem6Answers() {
    static constexpr Row rows[] = {
        Page(1320, 1300, 81),
        {TextRow, AtMargin, 0, 0, 3, "問6　解答", Key},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "2a+b=5800"},
        {TextRow, AtLine, 0, 50, 0, "2a+bは、おとな2人と中学生1人の入館料の合計"},
        {TextRow, AtLine, 0, 50, 0, "=5800は、5800円と等しい"},
        {TextRow, AtLine, 0, 50, 5, "おとな2人と中学生1人の入館料の合計は5800円である。", Key},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "a-b=1100"},
        {TextRow, AtLine, 0, 50, 0, "a-bは、おとなと中学生の入館料の差額"},
        {TextRow, AtLine, 0, 50, 0, "=1100は、1100円と等しい"},
        {TextRow, AtLine, 0, 50, 5, "おとなと中学生の入館料の差額は1100円である。", Key},
        // The second page, cleared, under the same heading.
        Page(1320, 1300, 81),
        {TextRow, AtMargin, 0, 0, 3, "問6　解答"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "a+2b>3500"},
        {TextRow, AtLine, 0, 50, 0, "a+2bは、おとな1人と中学生2人の入館料の合計"},
        {TextRow, AtLine, 0, 50, 0, ">3500は、3500円より高い"},
        {TextRow, AtLine, 0, 50, 5, "おとな1人と中学生2人の入館料の合計は3500円より高い。", Key},
        {TextRow, AtMargin, 0, 60, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "3a≦7b"},
        {TextRow, AtLine, 0, 50, 0, "3aは、おとな3人の入館料の合計"},
        {TextRow, AtLine, 0, 50, 0, "7bは、中学生7人の入館料の合計"},
        {TextRow, AtLine, 0, 50, 0, "≦は、以下"},
        {TextRow, AtLine, 0, 50, 5, "おとな3人の入館料の合計は中学生7人の入館料の合計以下である。"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowP80Problem7Answers() {
    static constexpr Row rows[] = {
        Page(1320, 1300, 81),
        {TextRow, AtMargin, 0, 0, 3, "問7　解答"},
        {TextRow, AtLine, 27, 50, 0, "1500-a>2(500-b)", Key},
        {TextRow, AtLine, 0, 60, 0, "1500-a　は、兄が買い物をした残金", Key},
        {TextRow, AtLine, 0, 50, 0, "500-b　は、弟が買い物をした残金", Key},
        {TextRow, AtLine, 0, 50, 0, "2(500-b)　は、弟の残金の2倍", Key},
        {TextRow, AtLine, 0, 50, 5, "兄が買い物をした残金は、弟が買い物をした残金の2倍より多い。"},
    };
    DrawAnswerRows(rows);
}

}  // namespace tessarin
