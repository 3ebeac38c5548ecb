#include "surface/number.h"

#include <cfloat>
#include <cmath>


namespace surface {

void Raise(int code, const std::source_location& where) {
    throw RuntimeError{code, static_cast<int>(where.line())};
}

void CheckResult(double v, const std::source_location& where) {
    if (std::isnan(v)) Raise(kErrInvalidArgument, where);
    // Values beyond the largest float that would not round back to it overflow.
    if (std::fabs(v) > static_cast<double>(FLT_MAX)) {
        if (std::isinf(v) || static_cast<float>(v) != FLT_MAX * (v < 0 ? -1.0f : 1.0f))
            Raise(kErrOverflow, where);
    }
}

int ToInt(double v, std::source_location where) {
    if (std::isnan(v)) Raise(kErrInvalidArgument, where);
    double r = std::nearbyint(v);
    if (r < -2147483648.0 || r > 2147483647.0) Raise(kErrOverflow, where);
    return static_cast<int>(r);
}

double INT(double v) { return std::floor(v); }

double Div(double a, double b, std::source_location where) {
    if (b == 0.0) Raise(kErrDivisionByZero, where);
    double r = a / b;
    CheckResult(r, where);
    return r;
}

double MOD(double a, double b, std::source_location where) {
    int x = ToInt(a, where), y = ToInt(b, where);
    if (y == 0) Raise(kErrDivisionByZero, where);
    // The remainder takes the sign of the dividend, as integer division does.
    return static_cast<double>(static_cast<long long>(x) % y);
}

double PnFXy(double base, double exponent, std::source_location where) {
    if (base == 0.0 && exponent < 0.0) Raise(kErrDivisionByZero, where);
    double r = std::pow(base, exponent);
    CheckResult(r, where);
    return r;
}

double PnFAtn(double v) { return std::atan(v); }
double SIN(double v) { return std::sin(v); }
double COS(double v) { return std::cos(v); }

double SQR(double v, std::source_location where) {
    if (v < 0.0) Raise(kErrInvalidArgument, where);
    return std::sqrt(v);
}

double ABS(double v) { return std::fabs(v); }
double SGN(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

}  // namespace surface
