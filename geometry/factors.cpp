// Whole numbers taken apart: prime factors up to 23, and factor pairs.
#include <cmath>

#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::CheckLoopRange(double from, double to, std::source_location where) {
    // From 2^24 up a single-precision counter no longer grows by 1.
    constexpr double kLimit = 16777216;
    if (std::fabs(from) >= kLimit || std::fabs(to) >= kLimit) Raise(kErrInvalidArgument, where);
}

void Geometry::FactorizeIntoPrimes() {
    for (int k = 1; k <= 10; ++k) {
        PrimeFactors(k, 1) = 0;
        PrimeFactors(k, 2) = 0;
    }
    static const int kPrimes[10] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int k = 1; k <= 10; ++k) SmallPrimes(k) = kPrimes[k - 1];
    FactorNumber = ABS(FactorNumber);
    const Single copy = FactorNumber;
    P = 1;
    Q = 1;
    // Every prime divides 0, so the search would never move on: a number
    // whose whole value is 0 is left over whole.
    if (ToInt(FactorNumber) == 0) P = 10;
    for (;;) {
        if (P == 10) {
            Q = Q - 1;
            PrimeFactors(10, 1) = FactorNumber;
            PrimeFactors(10, 2) = 1;
            FactorNumber = copy;
            return;
        }
        if (MOD(FactorNumber, SmallPrimes(P)) == 0) {
            PrimeFactors(Q, 1) = SmallPrimes(P);
            PrimeFactors(Q, 2) = PrimeFactors(Q, 2) + 1;
            FactorNumber = FactorNumber / SmallPrimes(P);
            continue;
        }
        if (PrimeFactors(Q, 1) != 0) Q = Q + 1;
        P = P + 1;
    }
}

void Geometry::ListFactorPairs() {
    GeoY4 = ABS(GeoY4);
    const Single n = GeoY4;
    P = 0;
    CheckLoopRange(1, n);
    // The table holds 50 entries; the count goes on past them, so that the
    // number of pairs stays true (the pairs all stand in the first half).
    Single count = 0;
    LoopIndex = 1;
    do {
        const double q = n / LoopIndex;
        if (q - INT(q) == 0) {
            count = count + 1;
            if (count <= 50) {
                P = count;
                X_a(P) = LoopIndex;
                Y_a(P) = q;
            }
        }
        LoopIndex = LoopIndex + 1;
    } while (LoopIndex <= n);
    // An odd count (a square, or 0) rounds up: its middle entry is a pair too.
    FactorPairCount = std::ceil(count / 2);
}

}  // namespace geometry
