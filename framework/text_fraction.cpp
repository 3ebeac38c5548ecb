// Fractions: reduction to lowest terms with display texts in FormulaMarkup,
// greatest common divisor and least common multiple, the floor remainder,
// and the sum of two fractions over a common denominator.
#include <utility>

#include "framework/text.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

namespace {

// The numeral of a number: its decimal text without the blank before a
// non-negative value.
Str Numeral(Text& t, double v) {
    t.A_s = PfSTR244(v);
    t.StripSpaces();
    return t.A_s;
}

}  // namespace

void Text::ReduceFraction() {
    const Single n = DS, d = DB;
    const Single product = double(n) * double(d);  // overflows as the lesson code would
    YAK1 = product < 0 ? -1 : 1;
    Single rn, rd;
    if (d == 0) {
        YAK = 0;
        rn = n;
        rd = d;
    } else if (d == 1) {
        YAK = 1;
        rn = n;
        rd = 1;
    } else {
        DS = ABS(n);
        DB = ABS(d);
        GcdLcm();
        rn = Div(YAK1 * ABS(n), X3);
        rd = Div(ABS(d), X3);
        if (rn == 0 || rd == 1)
            YAK = 1;
        else if (rd == d && YAK1 == 1)
            YAK = 3;
        else
            YAK = 2;
    }
    DS = rn;
    DB = rd;

    const Str p = Numeral(*this, n);
    const Str q = Numeral(*this, d);
    const Str k = Numeral(*this, rd);
    Str m = Numeral(*this, rn);
    A1_s = "ﾀ"_sj + p + "/" + q + "ﾀ"_sj;
    if (PfKLEFT24(m, 1) == "-") m = PfKRIGHT24(m, PfKLEN(m) - 1);

    if (YAK == 1) {
        if (YAK1 == -1) {
            A2_s = "-" + m;
            A21_s = A2_s;
        } else {
            A2_s = m;
            A21_s = "+" + m;
        }
    } else if (YAK == 2) {
        if (YAK1 == -1) {
            A2_s = "-ﾀ"_sj + m + "/" + k + "ﾀ"_sj;
            A21_s = A2_s;
        } else {
            A2_s = "ﾀ"_sj + m + "/" + k + "ﾀ"_sj;
            A21_s = "+ﾀ"_sj + m + "/" + k + "ﾀ"_sj;
        }
    } else if (YAK == 3) {
        A2_s = "ﾀ"_sj + p + "/" + q + "ﾀ"_sj;
        A21_s = "+ﾀ"_sj + p + "/" + q + "ﾀ"_sj;
    }
    // A zero denominator leaves A2_s and A21_s as the last call left them.

    const Str prefix = YAK1 == 1 ? Str("+") : Str();
    if (YAK == 3) {
        A3_s = A2_s;
        A31_s = A21_s;
    } else {
        A3_s = "ﾀ"_sj + p + "/" + q + "ﾀ="_sj + A2_s;
        A31_s = prefix + "ﾀ"_sj + p + "/" + q + "ﾀ="_sj + A21_s;
    }

    A_s = A2_s;
    StripMarkup();
    TKAI1_s = A_s;
    A_s = A21_s;
    StripMarkup();
    TKAI2_s = A_s;
}

void Text::GcdLcm() {
    Single a = DS, b = DB;
    const Single product = double(a) * double(b);
    while (b != 0) {
        a = FnMod(a, b);
        std::swap(a, b);
    }
    X3 = a;
    X4 = Div(product, X3);
}

Single Text::FnMod(double a, double b, std::source_location where) {
    return Single(a - b * INT(Div(a, b, where)), where);
}

void Text::SumTwoFractions() {
    auto positive_denominator = [](Single& num, Single& den) {
        double sign = double(num) * double(den);
        num = sign > 0 ? ABS(num) : sign < 0 ? -ABS(num) : 0.0;
        den = ABS(den);
    };
    positive_denominator(DSM1, DBM1);
    positive_denominator(DSM2, DBM2);

    if (DBM1 == 1 && DBM2 == 1) {
        DB = 1;
        DS1 = DSM1;
        DS2 = DSM2;
    } else if (DBM1 == 1) {
        DB = DBM2;
        DS1 = DSM1 * DBM2;
        DS2 = DSM2;
    } else if (DBM2 == 1) {
        DB = DBM1;
        DS1 = DSM1;
        DS2 = DSM2 * DBM1;
    } else {
        DS = DBM1;
        DB = DBM2;
        ReduceFraction();
        DB = X4;
        DS1 = Div(DSM1 * DBM2, X3);
        DS2 = Div(DSM2 * DBM1, X3);
    }
    DS4 = DS1 + DS2;

    const Str u1 = Numeral(*this, ABS(DS1));
    const Str k = Numeral(*this, DB);
    const Str u2 = Numeral(*this, ABS(DS2));
    const Str s = Numeral(*this, ABS(DS4));
    auto over = [&k](const Str& u) { return "ﾀ"_sj + u + "/" + k + "ﾀ"_sj; };

    A1_s = DSM1 > 0 ? over(u1) : "-" + over(u1);
    A11_s = DSM1 > 0 ? "+" + over(u1) : A1_s;
    A2_s = DSM2 > 0 ? over(u2) : "-" + over(u2);
    A21_s = DSM2 > 0 ? "+" + over(u2) : A2_s;
    A4_s = DS4 > 0 ? over(s) : "-" + over(s);
    A41_s = DS4 > 0 ? "+" + over(s) : A4_s;
    const Str first = (DSM1 < 0 ? Str("-") : Str()) + u1;
    const Str second = (DSM2 < 0 ? Str("-") : Str("+")) + u2;
    A3_s = "ﾀ"_sj + first + second + "/" + k + "ﾀ"_sj;
    A5_s = A1_s + A21_s;
    B3_s = over(u1);
    B4_s = over(u2);
}

}  // namespace framework
