// Step pacing: the any-key wait between steps and the prompt that ends a
// drill pass.
#include "framework/prompts.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

void Prompts::WaitAnyKey() {
    CCC0 = CCC1;
    DR = FE_GETDRAWWIDTH(0);
    FE_SETDRAWWIDTH(0, 3);
    PsLINE(96, 657, false, 400, 693, 13, 2, 4);
    CCC1 = 9;
    X = 128;
    Y = 666;
    AA_s = "何かキーを押して下さい。"_sj;
    DrawFormulaText();
    // A key typed while the step was drawn ends the wait at once.
    do {
        I_s = PfINKEY24();
    } while (I_s.empty());
    // From x 0: the strip left of the box goes too.
    PsLINE(0, 657, false, 400, 693, 15, 2, 15);
    CCC1 = CCC0;
    FE_SETDRAWWIDTH(0, DR);
}

void Prompts::AskNextStep() {
    DR = FE_GETDRAWWIDTH(0);
    FE_SETDRAWWIDTH(0, 2);
    PsLINE(96, 639, false, 400, 675, 13, 2, 12);
    CCC1 = 9;
    X = 128;
    Y = 648;
    AA_s = "次のステップは１を入力。"_sj;
    DrawFormulaText();
    ReadAnswerLine();
    ParseTypedNumber();
    PsLINE(KAIX - 48, KAIY - 9, true, 160, 27, 15, 2, 15);
    PsLINE(96, 639, false, 400, 675, 15, 2, 15);
    // CCC1 stays as the answer line left it.
    FE_SETDRAWWIDTH(0, DR);
}

}  // namespace framework
