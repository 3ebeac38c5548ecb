// The glyph renderer: one glyph at a time, each with its own font change,
// offset, magnification and advance; radicals, parallelograms, plus and
// minus drawn as lines; the radical overline carried over the glyphs.
#include "framework/text.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

namespace {

// The characters and faces the renderer compares and selects, converted once.
const Str& kGothic = "ゴシック"_sj;
const Str& kDegree = "°"_sj;
const Str& kTimes = "×"_sj;
const Str& kDivide = "÷"_sj;
const Str& kPlusMinus = "±"_sj;
const Str& kRoot = "√"_sj;
const Str& kOverlineEnd = "ﾝ"_sj;
const Str& kFlatParallelogram = "＃"_sj;
const Str& kSerif = "Times New Roman"_sj;
const Str& kScript = "MT Extra"_sj;
const Str& kStroke = "ｹ"_sj;

}  // namespace

void Text::DrawGlyphs() {
    TX = X;
    TY = Y;
    DR = FE_GETDRAWWIDTH(0);
    const Str text = A_s;
    FE_SETFONTNAME(0, kGothic);
    FE_SETFONTSIZE(0, 16);
    FE_SETFONTBOLD(0, -1);

    // The first pass runs before the end is tested: an empty text still
    // draws one (empty) glyph.
    std::size_t at = 0;
    do {
        std::size_t bytes = at < text.size() ? CharBytes(text, at) : 0;
        B_s = text.substr(at, bytes);
        at += bytes;

        if (B_s == "%") B_s = kDegree;
        if (B_s == "*") B_s = kTimes;
        if (B_s == "/") B_s = kDivide;
        if (B_s == "@") B_s = kPlusMinus;
        if (B_s == "!") B_s = kRoot;

        // Marks: nothing drawn, no advance, no overline.
        if (B_s == "^") {
            JYOU = 1;
            continue;
        }
        if (B_s == "\\") {
            JYOUK = 1;
            continue;
        }
        if (B_s == kOverlineEnd) {
            HROOT = 0;
            continue;
        }

        // Signs drawn as one polyline; no overline runs over them.
        {
            double x = TX, y = TY;
            bool sign = true;
            if (B_s == kRoot && BUN == 1) {
                FE_SETDRAWWIDTH(0, 3);
                PsCONNECT({{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6},
                           {x + 26, y - 6}},
                          CCC1, false, 0);
                FE_SETDRAWWIDTH(0, 3);
                HROOT = 11;
                TX = TX + 26;
            } else if (B_s == kRoot) {
                FE_SETDRAWWIDTH(0, 3);
                PsCONNECT({{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4},
                           {x + 32, y - 4}},
                          CCC1, false, 0);
                FE_SETDRAWWIDTH(0, 3);
                HROOT = 1;
                TX = TX + 28;
            } else if (B_s == "&") {
                FE_SETDRAWWIDTH(0, 5);
                PsCONNECT({{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8},
                           {x + 4, y + 40}},
                          CCC1, false, 0);
                FE_SETDRAWWIDTH(0, 3);
                TX = TX + 36;
            } else if (B_s == kFlatParallelogram) {
                FE_SETDRAWWIDTH(0, 5);
                PsCONNECT({{x + 10, y + 8}, {x + 4, y + 36}, {x + 26, y + 36}, {x + 32, y + 8},
                           {x + 10, y + 8}},
                          CCC1, false, 0);
                FE_SETDRAWWIDTH(0, 3);
                TX = TX + 36;
            } else {
                sign = false;
            }
            if (sign) {
                TXM = TX;
                continue;
            }
        }

        const bool wide = PfLEN(B_s) == 2;  // after the substitutions
        const bool part = BUN == 1;
        const bool italic_letter = !plain_letters_ && (B_s == "a" || B_s == "x" || B_s == "c");
        double x = TX, y = TY;
        auto glyph = [&](double gx, double gy, double across, double down) {
            PsSYMBOL40(gx, gy, B_s, across, down, CCC1);
        };

        if (B_s == ".") {
            glyph(x - 3, y + 14, 3, 2);
            TX = TX + 8;
        } else if (B_s == "'" || B_s == kDegree) {
            glyph(x, y, 3, 3);
            TX = TX + 12;
        } else if (B_s == "(" && KAKKO == 1) {
            glyph(x - 4, y - 6, 3, 4);
            TX = TX + 27;
        } else if (B_s == ")" && KAKKO == 1) {
            glyph(x + 6, y - 6, 3, 4);
            KAKKO = 0;
            TX = TX + 27;
        } else if (B_s == "=") {
            FE_SETFONTSIZE(0, 14);
            FE_SETFONTBOLD(0, -1);
            glyph(x + 4, y, 3, 3);
            FE_SETFONTSIZE(0, 16);
            TX = TX + 32;
        } else if (JYOUK == 1) {
            FE_SETFONTSIZE(0, 8);
            glyph(x, y - 10, 6, 3);
            FE_SETFONTSIZE(0, 16);
            JYOUK = 0;
            TX = TX + 24;
        } else if (JYOU == 1 && part) {
            FE_SETFONTSIZE(0, 8);
            glyph(x, y - 4, 6, 3);
            FE_SETFONTSIZE(0, 16);
            JYOU = 0;
            TX = TX + 24;
        } else if (JYOU == 1) {
            glyph(x, y, 3, 2);
            JYOU = 0;
            TX = TX + 24;
        } else if (italic_letter) {
            // In a fraction part the letter stands lower, wider and advances more.
            FE_SETFONTNAME(0, kSerif);
            FE_SETFONTSIZE(0, 8);
            FE_SETFONTITALIC(0, -1);
            if (part)
                glyph(x + 4, y - 16, 12, 5);
            else
                glyph(x + 4, y - 22, 10, 7);
            FE_SETFONTNAME(0, kGothic);
            FE_SETFONTSIZE(0, 16);
            FE_SETFONTITALIC(0, 0);
            TX = TX + (part ? 32 : 27);
        } else if (B_s == "l" && !plain_letters_) {
            FE_SETFONTNAME(0, kScript);
            FE_SETFONTSIZE(0, 16);
            FE_SETFONTBOLD(0, -1);
            glyph(x, y, 6, 3);
            FE_SETFONTNAME(0, kGothic);
            FE_SETFONTSIZE(0, 16);
            FE_SETFONTBOLD(0, 0);
            TX = TX + 32;
        } else if (B_s == "-" && part) {
            FE_SETDRAWWIDTH(0, 5);
            PsLINE(x + 6, y + 14, true, 20, 0, CCC1, 0, 0);
            FE_SETDRAWWIDTH(0, 3);
            TX = TX + 32;
        } else if (B_s == "+" && part) {
            FE_SETDRAWWIDTH(0, 5);
            PsLINE(x + 6, y + 14, true, 20, 0, CCC1, 0, 0);
            PsLINE(x + 16, y + 4, true, 0, 20, CCC1, 0, 0);
            FE_SETDRAWWIDTH(0, 3);
            TX = TX + 32;
        } else if (B_s == "-") {
            FE_SETDRAWWIDTH(0, 5);
            PsLINE(x + 4, y + 20, true, 19, 0, CCC1, 0, 0);
            FE_SETDRAWWIDTH(0, 3);
            TX = TX + 27;
        } else if (B_s == "+") {
            FE_SETDRAWWIDTH(0, 5);
            PsLINE(x + 4, y + 22, true, 19, 0, CCC1, 0, 0);
            PsLINE(x + 13, y + 10, true, 0, 24, CCC1, 0, 0);
            FE_SETDRAWWIDTH(0, 3);
            TX = TX + 27;
        } else if ((B_s == kTimes || B_s == kDivide || B_s == kPlusMinus) && !part) {
            glyph(x - 4, y, 2, 3);
            TX = TX + 27;
        } else if (B_s == " ") {
            TX = TX + 27;
        } else if (B_s == kStroke && part && ke_stroke_) {
            // Strikes through the fraction digit drawn at this place before.
            PsLINE(x + 4, y + 4, true, 28, 20, CCC2, 0, 0);
            TX = TX + 32;
        } else if (wide && part) {
            FE_SETFONTSIZE(0, 11);
            glyph(x, y, 3, 3);
            FE_SETFONTSIZE(0, 16);
            TX = TX + 38;
        } else if (wide) {
            glyph(x, y, 2, 3);
            TX = TX + 34;
        } else if (part) {
            glyph(x, y, 4, 2);
            TX = TX + 32;
        } else {
            glyph(x, y, 3, 3);
            TX = TX + 27;
        }

        // The open radical's overline, from where it last started to the
        // right edge of this glyph.
        if (HROOT == 1 || HROOT == 11 || (HROOT == 22 && !part)) {
            double lift = HROOT == 1 ? 4 : HROOT == 11 ? 6 : 14;
            FE_SETDRAWWIDTH(0, 3);
            PsLINE(TXM, y - lift, false, TX, y - lift, CCC1, 0, 0);
            FE_SETDRAWWIDTH(0, 3);
        } else {
            TXM = TX;
        }
    } while (at < text.size());

    X = TX;
    Y = TY;
    FE_SETFONTBOLD(0, 0);
    FE_SETDRAWWIDTH(0, DR);
}

}  // namespace framework
