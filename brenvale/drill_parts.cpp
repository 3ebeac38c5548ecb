// The pieces every random drill of chapter 4 is built from: its start, the
// clear of each pass's area, and its draws of distinct numbers and letters.
#include <initializer_list>

#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::StartDrillItem(const Str& heading) {
    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    YI1 = 30;
    WriteAt(3, XI0, YI1, heading);
    AINP = 3;
    NO = 1;
}

void Brenvale::ClearDrillPass(double margin, double left) {
    XI0 = margin;
    XI1 = XI0 + 60;
    YI1 = 90;
    X_a(31) = left;
    Y_a(31) = 90;
    // Runs past the window's edges: nothing of an earlier pass is left.
    PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);
}

void Brenvale::FillPickTable(std::initializer_list<double> entries) {
    int i = 1;
    for (double v : entries) X_a(i++) = v;
}

double Brenvale::TakeFromPickTable(int choices, int last) {
    // Double arithmetic: r * choices stays below choices for every r < 1.
    P = INT(PaRnd() * choices) + 1;
    const double drawn = X_a(P);
    for (int i = ToInt(P); i <= last; ++i) X_a(i) = X_a(i + 1);
    return drawn;
}

}  // namespace brenvale
