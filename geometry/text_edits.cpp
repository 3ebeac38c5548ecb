// Small edits of a term's text in A_s.
#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::FlipLeadingSign() {
    if (A_s.empty()) return;
    if (A_s[0] == '-') A_s[0] = '+';
    else if (A_s[0] == '+') A_s[0] = '-';
    else A_s = "-" + A_s;
}

void Geometry::ParenthesizeNegative() {
    // "-" never appears as the second byte of a double-byte character.
    if (PfINSTR(A_s, "-") > 0) A_s = "(" + A_s + ")";
}

void Geometry::StripBracketsAndPlus() {
    // None of "(", ")", "+" is ever the second byte of a double-byte character.
    for (const char* mark : {"(", ")", "+"}) {
        for (double at = PfINSTR(A_s, mark); at > 0; at = PfINSTR(A_s, mark))
            A_s = PfLEFT24(A_s, at - 1) + PfMID24(A_s, at + 1);
    }
}

}  // namespace geometry
