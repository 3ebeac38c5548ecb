// The frame of the practice answer screens of every program: a blank
// window, the title box and the box of the problem's number.
#include "framework/prompts.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

void Prompts::DrawPracticeFrame(const Str& title, const Str& number) {
    // Covers the top strip and the prompt strip too.
    PsLINE(0, 0, true, 1760, 1800, 15, 2, 15);
    XI0 = 40;
    XI1 = 94;
    YI1 = 30;
    X = 40;
    Y = 30;
    HABA = 396;
    TATE = 46;
    CCC1 = 0;
    CCC2 = 3;
    CCC3 = 13;
    A_s = title;
    DrawTextBox();
    XI2 = X;
    YI1 = Y;
    X = XI2 + 20;
    Y = 30;
    HABA = 44;
    TATE = 44;
    CCC1 = 13;
    CCC2 = 4;
    CCC3 = 3;
    A_s = number;
    DrawTextBox();
    XI2 = X;
    YI1 = Y;
}

}  // namespace framework
