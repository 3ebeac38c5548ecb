// The pan balance of the equality and inequality lessons: the stand, a beam
// that tilts, a pan on a post at each end, and the loads on the pans.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::DrawBalance() {
    PiValue = 3.14159f;
    // The box reaches further left than right: the left load is the wider.
    PsLINE(X_a(0) - 390, Y_a(0) - 230, false, X_a(0) + 380, Y_a(0) + 100, 15, 2, 15);
    X_a(1) = X_a(0) + R_a(1) * COS(PiValue + BalanceAngle);
    X_a(2) = X_a(0) + R_a(1) * COS(BalanceAngle);
    X_a(3) = X_a(1) - 120;
    X_a(4) = X_a(1) + 120;
    X_a(5) = X_a(2) - 120;
    X_a(6) = X_a(2) + 120;
    Y_a(1) = Y_a(0) - R_a(1) * SIN(PiValue + BalanceAngle);
    Y_a(2) = Y_a(0) - R_a(1) * SIN(BalanceAngle);
    // The pans stand on posts above the beam's ends and stay level.
    Y_a(3) = Y_a(1) - 30;
    Y_a(5) = Y_a(2) - 30;
    // The stand is as deep as the beam's end sinks at the extreme tilt.
    X_a(7) = X_a(0) - 30;
    X_a(8) = X_a(0) + 30;
    Y_a(7) = Y_a(0) + R_a(1) * SIN(PiValue / 12);

    FE_SETDRAWWIDTH(0, 12);
    PsLINE(X_a(1), Y_a(1), false, X_a(2), Y_a(2), 4, 0, 0);
    PsLINE(X_a(3), Y_a(3), false, X_a(4), Y_a(3), 7, 0, 0);
    PsLINE(X_a(5), Y_a(5), false, X_a(6), Y_a(5), 7, 0, 0);
    PsLINE(X_a(1), Y_a(1), false, X_a(1), Y_a(3), 7, 0, 0);
    PsLINE(X_a(2), Y_a(2), false, X_a(2), Y_a(5), 7, 0, 0);
    // The stand comes last, so that it covers the beam at the pivot.
    FE_SETDRAWWIDTH(0, 3);
    PsCONNECT({{X_a(0), Y_a(0)}, {X_a(7), Y_a(7)}, {X_a(8), Y_a(7)}, {X_a(0), Y_a(0)}}, 5, true,
              4);
}

void Tessarin::DrawLeftPanLoad() {
    CCC1 = 13;
    CCC2 = 7;
    HABA = 240;
    TATE = 50;
    CCC3 = 8;
    A_s = "封筒"_sj;
    X = X_a(3);
    Y = Y_a(3) - 50;
    DrawTextBox();
    CCC3 = 6;
    A_s = PanLoadText_s;
    X = X_a(3);
    Y = Y_a(3) - 100;
    DrawTextBox();
}

void Tessarin::DrawPanLoads() {
    DrawLeftPanLoad();
    DrawPanWeights();
}

void Tessarin::DrawPanWeights() {
    CCC1 = 13;
    CCC2 = 7;
    CCC3 = 10;
    HABA = 120;
    TATE = 100;
    A_s = "20"_sj;
    X = X_a(5);
    Y = Y_a(5) - 100;
    DrawTextBox();
    HABA = 60;
    TATE = 50;
    A_s = "5"_sj;
    X = X_a(5) + 150;
    Y = Y_a(5) - 50;
    DrawTextBox();
}

}  // namespace tessarin
