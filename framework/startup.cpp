#include <string>

#include "framework/framework.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

void Framework::BAS_MAIN() {
    // The error trap comes first: any run-time error after it ends on the
    // error screen.
    try {
        FE_SETMAPMODE(0, 1);
        FE_MAXIMIZEWINDOW(0);
        FE_SETFONTNAME(0, "ｺﾞｼｯｸ"_sj);
        FE_SETFONTSIZE(0, 16);
        FE_SETDRAWWIDTH(0, 3);
        SeedFromClock();
        CCC1 = 4;
        KAIX = 1056;
        KAIY = 648;
        TITLE_s = Utf8ToCp932(title_utf8_);
        // The lesson arrays exist with the object, every element 0 or empty.
        MainMenu();
    } catch (const RuntimeError& error) {
        ShowRuntimeError(error);
    }
}

void Framework::SeedFromClock() {
    // Hours, minutes and seconds each from a reading of their own.
    A = PfVAL(PfLEFT24(PfTIME24(), 2)) + PfVAL(PfMID24(PfTIME24(), 4, 2)) +
        PfVAL(PfRIGHT24(PfTIME24(), 2));
    PaRandomize(A);
}

void Framework::ReseedRandom() { SeedFromClock(); }

void Framework::FlushKeyboard() {
    do {
        I_s = PfINKEY24();
    } while (!I_s.empty());
}

void Framework::ShowRuntimeError(const RuntimeError& error) {
    PsCLS();
    A = error.line;
    A_s = PfSTR244(A);
    ERRNO = error.code;
    B_s = PfSTR244(ERRNO);
    // Drawn in whatever font state the failing code left.
    Str report = A_s + ","_sj + B_s + "エラーが発生しました。マウスで×をクリックして下さい。"_sj;
    PsSYMBOL40(288, 432, report, 1, 1, 13);
    error_report_ = Cp932ToUtf8(report);
    // Nothing more happens until the window is closed.
    Surface::Get().backend().WaitUntilClosed();
}

}  // namespace framework
