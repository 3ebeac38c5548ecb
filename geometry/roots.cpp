// A square root in its simplest form k√m, and its texts.
#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::SimplifySquareRoot() {
    RootCoefficient = 1;
    Single d = 2;
    RootOriginal = RootRadicand;
    // Every square divides 0: the search would never end. A radicand whose
    // whole value is 0 keeps everything under the radical.
    if (ToInt(RootRadicand) != 0) {
        while (d != 201) {
            if (MOD(RootRadicand, d * d) != 0) {
                d = d + 1;
                continue;
            }
            RootCoefficient = RootCoefficient * d;
            RootRadicand = RootRadicand / (d * d);
            d = 2;
        }
    }
    RootPart_s = RootRadicand == 1 ? Str() : "!" + PfSTR244(RootRadicand);
    if (RootRadicand == 1 && RootCoefficient == 1) RootCoefficientText_s = "1";
    else if (RootCoefficient == 1) RootCoefficientText_s.clear();
    else RootCoefficientText_s = PfSTR244(RootCoefficient);
    RootSimplifiedText_s = RootCoefficientText_s + RootPart_s + "ﾝ"_sj;
    RootOriginalText_s =
        RootRadicand == RootOriginal ? Str() : "!" + PfSTR244(RootOriginal) + "ﾝ="_sj;
    RootRadicalText_s = RootPart_s + "ﾝ"_sj;
    for (Str* text : {&RootCoefficientText_s, &RootSimplifiedText_s, &RootOriginalText_s,
                      &RootRadicalText_s}) {
        A_s = *text;
        StripSpaces();
        *text = A_s;
    }
}

}  // namespace geometry
