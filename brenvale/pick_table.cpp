// Draws of distinct numbers from a short candidate list in X_a.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

double Brenvale::TakeFromPickTable(int choices, int last) {
    // Double arithmetic: r * choices stays below choices for every r < 1.
    P = INT(PaRnd() * choices) + 1;
    const double drawn = X_a(P);
    for (int i = ToInt(P); i <= last; ++i) X_a(i) = X_a(i + 1);
    return drawn;
}

}  // namespace brenvale
