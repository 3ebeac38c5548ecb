// Small text routines: clean-up of A_s, the lesson area, and the display
// texts of the lesson number arrays.
#include "framework/text.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

void Text::StripSpaces() {
    // Byte by byte: a blank is never the second byte of a character.
    Str result;
    result.reserve(A_s.size());
    for (char c : A_s)
        if (c != ' ') result += c;
    A_s = result;
}

void Text::StripMarkup() {
    // By character, so that a kanji whose second byte equals a mark stays whole.
    for (const Str* mark : {&"^"_sj, &"ﾝ"_sj, &"ﾀ"_sj, &"="_sj}) {
        for (double p = PfKINSTR(A_s, *mark); p != 0; p = PfKINSTR(A_s, *mark))
            A_s = PfKLEFT24(A_s, p - 1) + PfKMID24(A_s, p + 1);
    }
}

void Text::StripLeadingPlus() {
    if (PfLEFT24(A_s, 1) == "+") A_s = PfMID24(A_s, 2);
}

void Text::StripLeadingSign() {
    Str first = PfLEFT24(A_s, 1);
    if (first == "+" || first == "-") A_s = PfMID24(A_s, 2);
}

void Text::ClearLessonArea() { PsLINE(0, 54, false, 1440, 900, 15, 2, 15); }

void Text::ClearRightOfAnswer() {
    X = KAIX + 80;
    Y = KAIY - 72;
    PsLINE(X, Y, true, 1440, 90, 15, 2, 15);
}

void Text::FormatNumberArrays() {
    double i = 1;
    do {
        T_sa(i) = PfSTR244(T_a(i));
        A_s = T_sa(i);
        StripSpaces();
        T_sa(i) = A_s;
        i = i + 1;
    } while (i <= 80);
    i = 1;
    do {
        F_sa(i) = PfSTR244(F_a(i));
        A_s = F_sa(i);
        StripSpaces();
        F_sa(i) = A_s;
        i = i + 1;
    } while (i <= 40);
    ClassifyChoiceKey();
}

void Text::ClassifyChoiceKey() {
    static const char* const kKeys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int k = 0; k < 10; ++k) {
        if (I_s == kKeys[k]) {
            FKIG = 1;
            HHKIG = k + 1;
            I_s = kKeys[k];
            return;
        }
    }
    FKIG = 0;
}

}  // namespace framework
