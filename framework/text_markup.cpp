// The message printer: walks FormulaMarkup text, drawing stacked fractions,
// the tall radical and exponent marks itself and handing every other
// character to the glyph renderer. Measuring is a drawing pass with the
// surface in measuring mode.
#include "framework/text.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

namespace {

const Str& kFractionMark = "ﾀ"_sj;
const Str& kRoot = "√"_sj;

}  // namespace

void Text::DrawMessage() {
    for (;;) {
        DR = FE_GETDRAWWIDTH(0);
        if (AA_s.empty()) {
            FE_SETDRAWWIDTH(0, DR);
            return;
        }
        // The first character, whole, moves to A_s.
        const std::size_t first = CharBytes(AA_s, 0);
        A_s.assign(AA_s, 0, first);
        AA_s.erase(0, first);

        if (A_s == kFractionMark) {
            double p = PfKINSTR(AA_s, kFractionMark);
            if (p == 0) continue;  // an unpaired mark is dropped
            A_s = PfKLEFT24(AA_s, p - 1);
            // Measuring the fraction's parts runs this printer again, which
            // consumes AA_s: the rest of the text waits here.
            AA_A_s = PfKMID24(AA_s, p + 1);
            DrawStackedFraction();
            AA_s = AA_A_s;
            continue;
        }
        if (A_s == "#") {
            // The tall radical, high enough to hold a stacked fraction.
            FE_SETDRAWWIDTH(0, 3);
            PsCONNECT({{X + 4, Y + 36}, {X + 8, Y + 24}, {X + 16, Y + 60}, {X + 30, Y - 14},
                       {X + 38, Y - 14}},
                      CCC1, false, 0);
            B_s.clear();
            HROOT = 22;
            FE_SETDRAWWIDTH(0, DR);
            X = X + 32;
            TXM = X;
            continue;
        }
        if (A_s == "^") {
            JYOU = 1;
            continue;
        }
        DrawGlyphs();
    }
}

void Text::MeasureTextWidth() {
    Single keep_x = X, keep_y = Y;
    Str keep_a = A_s;
    X = 0;
    Y = 1800;
    AA_s = A_s;
    {
        MeasuringPass pass;
        DrawMessage();
    }
    LLT = X;
    X = keep_x;
    Y = keep_y;
    A_s = keep_a;
}

void Text::DrawStackedFraction() {
    Single x0 = X, y0 = Y;
    Str f = A_s;
    // Marks are looked for by character: the second byte of a double-byte
    // character can equal "^" ("／", "タ"), which must not move the layout.
    bool radical = PfKINSTR(f, "!") > 0 || PfKINSTR(f, kRoot) > 0;
    double s = PfINSTR(f, "/");  // 0x2F is never the second byte of a character
    Str numerator, denominator;
    if (s == 0) {
        // No separator: the whole text stands under an empty numerator.
        denominator = f;
    } else {
        numerator = PfLEFT24(f, s - 1);
        denominator = PfMID24(f, s + 1);
    }

    X = x0;
    Y = y0;
    A_s = numerator;
    BUN = 1;
    MeasureTextWidth();
    Single wn = LLT;
    X = x0;
    Y = y0;
    A_s = denominator;
    BUN = 1;
    MeasureTextWidth();
    Single wd = LLT;
    BUN = 0;

    Single bar = wn >= wd ? wn : wd;
    Single num_offset = (bar - wn) / 2;
    Single den_offset = (bar - wd) / 2;

    FE_SETDRAWWIDTH(0, 4);
    PsLINE(x0, y0 + 25, true, bar, 0, CCC1, 0, 0);
    FE_SETDRAWWIDTH(0, DR);
    if (HROOT == 22) {
        // An open tall radical runs over the whole bar.
        FE_SETDRAWWIDTH(0, 3);
        PsLINE(x0, y0 - 14, true, bar, 0, CCC1, 0, 0);
        FE_SETDRAWWIDTH(0, DR);
    }

    bool raised = PfKINSTR(denominator, kRoot) > 0 || PfKINSTR(denominator, "^") > 0;
    Single yd = raised ? y0 + 36 : y0 + 28;
    if (radical) yd = yd + 8;

    X = x0 + den_offset;
    Y = yd;
    BUN = 1;
    A_s = denominator;
    DrawGlyphs();

    X = x0 + num_offset;
    Y = y0 - 10;
    BUN = 1;
    A_s = numerator;
    DrawGlyphs();

    BUN = 0;
    X = x0 + bar;
    Y = y0;
}

void Text::WriteAt(double colour, double x, double y, const Str& text) {
    CCC1 = colour;
    X = x;
    Y = y;
    AA_s = text;
    DrawMessage();
    XI2 = X;
    YI1 = Y;
}

void Text::WriteAfter(double colour, const Str& text) { WriteAt(colour, XI2, YI1, text); }

}  // namespace framework
