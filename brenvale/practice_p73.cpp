// Chapter 3: the worked answers of the practice problems on page 73, one
// screen for each of its three problems.
#include <iterator>

#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

// A row of an answer screen. A label opens a problem 60 below the line
// before, its given expression follows it on the same line, each working
// line stands 50 below the one before (27 further right when it opens
// with a bracket: a sum or difference written out), a result likewise in
// colour 5. `kRightColumn` moves to the top of the screen's right column.
enum PracticeRow { kLabel, kGiven, kWorking, kResult, kRightColumn };

struct PracticeLine {
    PracticeRow row;
    const char* text;
};

const PracticeLine kScreen1[] = {
    {kLabel, "(1)"},   {kGiven, "6x-x"},         {kWorking, "=(6-1)x"},     {kResult, "=5x"},
    {kLabel, "(2)"},   {kGiven, "-3x-8x"},       {kWorking, "=(-3-8)x"},    {kResult, "=-11x"},
    {kLabel, "(3)"},   {kGiven, "2x-8+4x"},      {kWorking, "=2x+4x-8"},    {kResult, "=6x-8"},
    {kRightColumn, nullptr},
    {kLabel, "(4)"},   {kGiven, "-5y-8y+6y"},    {kWorking, "=(-5-8+6)y"},  {kResult, "=-7y"},
    {kLabel, "(5)"},   {kGiven, "-x+1-8x+3"},    {kWorking, "=-x-8x+1+3"},  {kResult, "=-9x+4"},
    {kLabel, "(6)"},   {kGiven, "4x-3-7x+2"},    {kWorking, "=4x-7x-3+2"},  {kResult, "=-3x-1"},
};

const PracticeLine kScreen2[] = {
    {kLabel, "(1)"}, {kGiven, "3a-(5a-1)"},    {kWorking, "=3a-5a+1"},    {kResult, "=-2a+1"},
    {kLabel, "(2)"}, {kGiven, "2x+(3x-4)"},    {kWorking, "=2x+3x-4"},    {kResult, "=5x-4"},
    {kRightColumn, nullptr},
    {kLabel, "(3)"}, {kGiven, "-2a+7-(6a-7)"}, {kWorking, "=-2a+7-6a+7"}, {kWorking, "=-2a-6a+7+7"},
    {kResult, "=-8a+14"},
    {kLabel, "(4)"}, {kGiven, "3x-9-(2x+1)"},  {kWorking, "=3x-9-2x-1"},  {kWorking, "=3x-2x-9-1"},
    {kResult, "=x-10"},
};

const PracticeLine kScreen3[] = {
    {kLabel, "(1)"},
    {kGiven, "4x-11, -4x-5"},
    {kWorking, "(4x-11)+(-4x-5)"},
    {kWorking, "=4x-11-4x-5"},
    {kWorking, "=4x-4x-11-5"},
    {kResult, "=-16"},
    {kWorking, "(4x-11)-(-4x-5)"},
    {kWorking, "=(4x-11)+(4x+5)"},
    {kWorking, "=4x-11+4x+5"},
    {kWorking, "=4x+4x-11+5"},
    {kResult, "=8x-6"},
    {kRightColumn, nullptr},
    {kLabel, "(2)"},
    {kGiven, "10x-9, 2-5x"},
    {kWorking, "(10x-9)+(2-5x)"},
    {kWorking, "=10x-9+2-5x"},
    {kWorking, "=10x-5x-9+2"},
    {kResult, "=5x-7"},
    {kWorking, "(10x-9)-(2-5x)"},
    {kWorking, "=(10x-9)+(-2+5x)"},
    {kWorking, "=10x-9-2+5x"},
    {kWorking, "=10x+5x-9-2"},
    {kResult, "=15x-11"},
};

// One screen: the number in its box, the left edge of its right column
// and its rows.
struct PracticeScreen {
    const char* number;
    int right_margin;
    const PracticeLine* rows;
    std::size_t count;
};

const PracticeScreen kScreens[3] = {
    {"1", 400, kScreen1, std::size(kScreen1)},
    {"2", 600, kScreen2, std::size(kScreen2)},
    {"3", 600, kScreen3, std::size(kScreen3)},
};

// The frame, then the screen's rows from the top of the left column.
void DrawPracticeScreen(Brenvale& b, const PracticeScreen& screen) {
    b.DrawPracticeFrame("P73(練習問題)"_sj, Utf8ToCp932(screen.number));
    for (std::size_t k = 0; k < screen.count; ++k) {
        const PracticeLine& r = screen.rows[k];
        switch (r.row) {
            case kLabel: b.WriteAt(3, b.XI0, b.YI1 + 60, Utf8ToCp932(r.text)); break;
            case kGiven: b.WriteAfter(0, Utf8ToCp932(r.text)); break;
            case kWorking:
            case kResult: {
                const double x = r.text[0] == '(' ? b.XI1 + 27 : double(b.XI1);
                b.WriteAt(r.row == kResult ? 5 : 0, x, b.YI1 + 50, Utf8ToCp932(r.text));
                break;
            }
            case kRightColumn:
                b.XI0 = screen.right_margin;
                b.XI1 = b.XI0 + 54;
                b.YI1 = 30;
                break;
        }
    }
}

}  // namespace

void Brenvale::ShowPracticeP73Answers1() { DrawPracticeScreen(*this, kScreens[0]); }
void Brenvale::ShowPracticeP73Answers2() { DrawPracticeScreen(*this, kScreens[1]); }
void Brenvale::ShowPracticeP73Answers3() { DrawPracticeScreen(*this, kScreens[2]); }

}  // namespace brenvale
