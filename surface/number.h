// Numbers of the lesson code: every variable is a single-precision float, but
// arithmetic runs in double. A Single converts to double for every operation
// and rounds to float only when a result is stored in it, so intermediate
// results keep their precision and INT floors the unrounded value.
#pragma once

#include <array>
#include <cstddef>
#include <source_location>
#include <string>

namespace surface {

// Error codes shown on the error screen.
enum ErrorCode : int {
    kErrInvalidArgument = 5,
    kErrOverflow = 6,
    kErrOutOfBounds = 9,
    kErrDivisionByZero = 11,
};

// A run-time error: thrown from the failing operation, caught at the top of
// the program, which then shows the error screen. `line` is the source line
// of the statement that failed.
struct RuntimeError {
    int code;
    int line;
};

// Raises a run-time error at `where`.
[[noreturn]] void Raise(int code, const std::source_location& where);

// Raises kErrOverflow or kErrInvalidArgument unless `v` fits a float.
void CheckResult(double v, const std::source_location& where);

class Single {
public:
    Single() = default;
    // Storing rounds to single precision; a value that does not fit is an
    // overflow (or an invalid operation for NaN) at the storing statement.
    Single(double v, std::source_location where = std::source_location::current())
        : v_(Store(v, where)) {}

    operator double() const { return v_; }
    float value() const { return v_; }

    Single& operator+=(double d) { return Assign(double(v_) + d); }
    Single& operator-=(double d) { return Assign(double(v_) - d); }
    Single& operator*=(double d) { return Assign(double(v_) * d); }

private:
    static float Store(double v, const std::source_location& where) {
        CheckResult(v, where);
        return static_cast<float>(v);
    }
    Single& Assign(double v, std::source_location where = std::source_location::current()) {
        v_ = Store(v, where);
        return *this;
    }
    float v_ = 0.0f;
};

// Whole-number conversion of an index, position, length or colour: rounds to
// the nearest integer, ties to even, and raises an overflow beyond 32 bits.
int ToInt(double v, std::source_location where = std::source_location::current());

// A lesson array with indices 0 to Upper; access outside is a run-time error.
template <typename T, int Upper>
class Array {
public:
    T& operator()(double i, std::source_location where = std::source_location::current()) {
        return items_[Index(i, where)];
    }
    const T& operator()(double i,
                        std::source_location where = std::source_location::current()) const {
        return items_[Index(i, where)];
    }
    static constexpr int upper() { return Upper; }

private:
    static std::size_t Index(double i, const std::source_location& where) {
        int k = ToInt(i, where);
        if (k < 0 || k > Upper) Raise(kErrOutOfBounds, where);
        return static_cast<std::size_t>(k);
    }
    std::array<T, Upper + 1> items_{};
};

// Two-dimensional lesson array, indices 0..Upper1 by 0..Upper2.
template <typename T, int Upper1, int Upper2>
class Array2 {
public:
    T& operator()(double i, double j,
                  std::source_location where = std::source_location::current()) {
        int a = ToInt(i, where), b = ToInt(j, where);
        if (a < 0 || a > Upper1 || b < 0 || b > Upper2) Raise(kErrOutOfBounds, where);
        return items_[static_cast<std::size_t>(a) * (Upper2 + 1) + static_cast<std::size_t>(b)];
    }

private:
    std::array<T, (Upper1 + 1) * (Upper2 + 1)> items_{};
};

// Number operations. Each takes unrounded double operands and gives an
// unrounded double result; a failure raises a run-time error at the caller.
double INT(double v);  // floor
double Div(double a, double b, std::source_location where = std::source_location::current());
double MOD(double a, double b, std::source_location where = std::source_location::current());
double PnFXy(double base, double exponent,
             std::source_location where = std::source_location::current());  // power
double PnFAtn(double v);                                                     // arctangent
double SIN(double v);
double COS(double v);
double SQR(double v, std::source_location where = std::source_location::current());
double ABS(double v);
double SGN(double v);

}  // namespace surface
