// The answer line and the menu prompts around it.
#include <cmath>

#include "framework/prompts.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

int MenuJumpIndex(double choice) { return static_cast<int>(std::trunc(choice)); }

void Prompts::ReadAnswerLine() {
    XX = KAIX;
    YY = KAIY;
    AINP_s = "";
    CCC1 = 0;
    X = XX - 48;
    Y = YY;
    AA_s = "入力"_sj;
    DrawFormulaText();
    for (;;) {
        PsCIRCLE(XX + 8, YY + 8, 4, 5, 1, 0, 0, true, 5);
        I_s = PfINKEY24();
        if (I_s.empty()) {
            PsCIRCLE(XX + 8, YY + 8, 4, 15, 1, 0, 0, true, 15);
            // The poll waits briefly with the dot shown; without a wait of
            // the same length with it hidden, the dot would never be seen
            // to blink. A key ends the wait at once.
            IdleWait();
            continue;
        }
        // The test for a full line comes before the test for Enter.
        if (I_s == PfCHR24(8) || I_s == PfCHR24(12) || PfLEN(AINP_s) > 9) {
            ClearTypedCharacters();
            continue;
        }
        if (I_s == PfCHR24(13)) {
            // A typo such as 3/0 must not end the lesson on the error screen.
            if (TypedDivisorIsZero()) {
                ClearTypedCharacters();
                continue;
            }
            PsCIRCLE(XX + 8, YY + 8, 4, 15, 1, 0, 0, true, 15);
            break;
        }
        if (I_s >= "-" && I_s <= "9") {
            PsCIRCLE(XX + 8, YY + 8, 4, 15, 1, 0, 0, true, 15);
            CCC1 = 5;
            A_s = I_s;
            X = XX;
            Y = YY;
            DrawFormulaChars();
            XX = XT;
            AINP_s = AINP_s + I_s;
        }
    }
    PsLINE(KAIX - 48, KAIY - 8, true, 240, 30, 15, 2, 15);
}

void Prompts::ClearTypedCharacters() {
    PsLINE(KAIX, KAIY - 8, true, 192, 30, 15, 2, 15);
    AINP_s = "";
    I_s = "";
    XX = KAIX;
    YY = KAIY;
}

bool Prompts::TypedDivisorIsZero() const {
    double p = PfKINSTR(AINP_s, "/");
    if (p == 0) return false;
    return PfVAL(PfKRIGHT24(AINP_s, PfKLEN(AINP_s) - p)) == 0;
}

void Prompts::ParseTypedNumber() {
    double n = PfKLEN(AINP_s);
    double p = PfKINSTR(AINP_s, "/");
    if (p == 0) {
        AINP = PfVAL(AINP_s);
    } else {
        A_s = PfKLEFT24(AINP_s, p - 1);
        B_s = PfKRIGHT24(AINP_s, n - p);
        AINP = Div(PfVAL(A_s), PfVAL(B_s));
    }
}

void Prompts::AskMenuChoice() {
    CCC1 = 5;
    X = KAIX - (PfKLEN(AA_s) + 5) * 16;
    Y = KAIY;
    DrawFormulaText();
    ReadAnswerLine();
    ParseTypedNumber();
}

void Prompts::EraseMenuPrompt() { PsLINE(KAIX - 640, KAIY - 8, true, 1056, 50, 15, 2, 15); }

void Prompts::AskSubmenuChoice() {
    CCC1 = 0;
    X = 16;
    Y = 666;
    DrawFormulaText();
    ReadAnswerLine();
    ParseTypedNumber();
}

int Prompts::AskSubmenuItem(const Str& item_line, int count) {
    for (;;) {
        AA_s = item_line;
        AskSubmenuChoice();
        SENTAKU = AINP;
        AINP = 10;
        EraseBottomStrip();
        if (SENTAKU >= 1 && SENTAKU <= count) return MenuJumpIndex(SENTAKU);
    }
}

void Prompts::EraseBottomStrip() { PsLINE(0, 657, false, 992, 720, 15, 2, 15); }

void Prompts::WaitAnyKeyWithMessage() {
    CCC0 = CCC1;
    DR = FE_GETDRAWWIDTH(0);
    FE_SETDRAWWIDTH(0, 3);
    PsLINE(16, 657, true, 480, 36, 13, 2, 4);
    CCC1 = 9;
    X = 48;
    Y = 666;
    DrawFormulaText();
    do {
        I_s = PfINKEY24();
    } while (I_s.empty());
    PsLINE(0, 657, false, 992, 720, 15, 2, 15);
    CCC1 = CCC0;
    FE_SETDRAWWIDTH(0, DR);
}

}  // namespace framework
