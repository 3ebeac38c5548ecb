// Chapter 3, item ③: speed, time and distance, a random drill in four parts:
// the distance, the time, the speed, and then the three questions again with
// one quantity written as a letter.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::Example5SpeedDrill() {
    // Where each part stands: parts ① and ② in the left column, ③ and ④ in
    // the right one. The bands reach past the window's right edge.
    struct Part {
        double margin;
        double band_left, band_right;
        double answer_step;   // below problem line 2; room for a fraction
        double formula_step;  // below the answer line
        double next_band;     // the next part's band, below the formula
        const char* heading;
        const char* formula;
    };
    static const Part kParts[4] = {
        {40, 0, 560, 60, 60, 100, "例5①　", "(道のり)=(速さ)*(時間)"},
        {40, 0, 560, 80, 70, 0, "例5②　", "(時間)=ﾀ道のり/速さﾀ"},
        {640, 640, 2000, 80, 70, 90, "例5③　", "(速さ)=ﾀ道のり/時間ﾀ"},
        {640, 640, 2000, 80, 0, 0, "例5④　", nullptr},
    };

    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    for (int part = 1; part <= 4; ++part) {
        const Part& layout = kParts[part - 1];
        // The first part's band starts at the window's top, above its heading;
        // the third starts a column of its own.
        if (part == 1) Y_a(1) = 0;
        if (part == 3) Y_a(1) = 30;
        const Single top = part == 1 ? 30 : double(Y_a(1));
        AINP = 3;
        NO = 1;

        while (AINP != 1) {
            T_a(1) = INT(PaRnd() * 5) + 3;  // speed, km an hour
            T_a(2) = INT(PaRnd() * 5) + 2;  // time, hours
            if (part < 4) {
                F_a(1) = T_a(1) * T_a(2);
            } else {
                T_a(3) = T_a(1) * T_a(2);
                if (NO == 4) NO = 1;
            }
            FormatNumberArrays();
            const Str& v = T_sa(1);
            const Str& t = T_sa(2);
            Str heading = Utf8ToCp932(layout.heading), line1, line2, left;
            if (part == 4) {
                X_sa(2) = "a";
                X_sa(3) = "b";
                X_sa(4) = "x";
                X_sa(5) = "y";
                P = INT(PaRnd() * 4) + 2;
                X_sa(1) = X_sa(P);
                // The letter takes the place of the time, the speed or the
                // distance in turn.
                const Str& L = X_sa(1);
                const Str& d = T_sa(3);
                F_sa(1) = heading;
                if (NO == 1) {
                    F_sa(2) = "時速"_sj + v + "kmで "_sj + L + "時間"_sj;
                    F_sa(11) = "進むときの道のりを求めなさい。"_sj;
                    F_sa(21) = v + "*" + L + "=";
                    F_sa(31) = v + L + " (km)";
                } else if (NO == 2) {
                    F_sa(2) = "時速"_sj + L + "kmで "_sj + d + "km";
                    F_sa(11) = "進むときにかかる時間を求めなさい。"_sj;
                    F_sa(21) = "";
                    F_sa(31) = "ﾀ"_sj + d + "/" + L + "ﾀ"_sj + " (時間)"_sj;
                } else {
                    F_sa(2) = L + "km を"_sj + t + "時間で"_sj;
                    F_sa(11) = "進むときの速さ(時速)を求めなさい。"_sj;
                    F_sa(21) = "";
                    F_sa(31) = "ﾀ"_sj + L + "/" + t + "ﾀ (km／h)"_sj;
                }
                heading = F_sa(1);
                line1 = F_sa(2);
                line2 = F_sa(11);
                left = F_sa(21);
            } else {
                const Str& d = F_sa(1);
                if (part == 1) {
                    line1 = "時速"_sj + v + "kmで "_sj + t + "時間"_sj;
                    line2 = "進むときの道のりを求めなさい。"_sj;
                    left = v + "*" + t + "=";
                } else if (part == 2) {
                    line1 = "時速"_sj + v + "kmで "_sj + d + "km";
                    line2 = "進むときにかかる時間を求めなさい。"_sj;
                    left = "ﾀ"_sj + d + "/" + v + "ﾀ="_sj;
                } else {
                    line1 = d + "km を"_sj + t + "時間で"_sj;
                    line2 = "進むときの速さ(時速)を求めなさい。"_sj;
                    left = "ﾀ"_sj + d + "/" + t + "ﾀ="_sj;
                }
            }

            XI0 = layout.margin;
            XI1 = XI0 + 60;
            YI1 = top;
            X_a(1) = layout.band_left;
            X_a(2) = layout.band_right;
            Y_a(2) = Y_a(1) + 320;
            PsLINE(X_a(1), Y_a(1), false, X_a(2), Y_a(2), 15, 2, 15);

            WriteAt(3, XI0, YI1, heading);
            WriteAfter(0, line1);
            // The pen after this line is not kept: the answer starts its own.
            CCC1 = 0;
            X = XI0;
            Y = YI1 + 50;
            AA_s = line2;
            DrawMessage();
            YI1 = Y;
            WaitAnyKey();

            // An empty left piece leaves the pen at the line's start.
            WriteAt(0, XI1, YI1 + layout.answer_step, left);
            if (part == 1) {
                WriteAfter(3, F_sa(1) + " (km)");
            } else if (part == 2) {
                WriteAfter(3, t + " (時間)"_sj);
            } else if (part == 3) {
                WriteAfter(3, v);
                WriteAt(3, XI2 + 10, YI1, "(km／h)"_sj);
            } else {
                WriteAt(5, XI2 + 10, YI1, F_sa(31));
            }
            AskNextStep();
            if (part == 4) NO = NO + 1;
        }

        if (part < 4) {
            WriteAt(5, XI0, YI1 + layout.formula_step, Utf8ToCp932(layout.formula));
            WaitAnyKey();
            if (layout.next_band > 0) Y_a(1) = YI1 + layout.next_band;
        }
    }

    WaitAnyKey();
    WriteAt(7, 640, YI1 + 70, "教科書P62問8 をしなさい。"_sj);
}

}  // namespace morquist
