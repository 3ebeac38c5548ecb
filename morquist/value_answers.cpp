// Chapter 4, the fixed screens: the temperature problem that opens the
// chapter, the powers of a negative number (例4), and the worked answers of
// the textbook's problems 6 (page 66) and 8 (page 67).
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::TemperatureIntroP65() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P65「ひろげよう」を考えよう。"_sj);
    WaitAnyKey();
    WriteAt(0, XI0, YI1 + 50, "平地の気温より3km上空の気温は"_sj);
    WriteAt(0, XI0, YI1 + 50, "18℃低くなります。"_sj);
    WaitAnyKey();

    WriteAt(7, XI0, YI1 + 60, "1 "_sj);
    WriteAfter(0, "平地の気温が"_sj);
    WriteAfter(3, "a"_sj);
    WriteAfter(0, "℃のときは？"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "a"_sj);
    WriteAfter(0, "-18(℃)"_sj);
    WriteAfter(3, "…①"_sj);
    WaitAnyKey();

    WriteAt(7, XI0, YI1 + 60, "2 "_sj);
    WriteAfter(0, "平地の気温が"_sj);
    WriteAfter(3, "28"_sj);
    WriteAfter(0, "℃のときは？"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "28"_sj);
    WriteAfter(0, "-18"_sj);
    WriteAfter(3, "=10(℃)…②"_sj);
    WaitAnyKey();

    WriteAt(3, XI0, YI1 + 60, "②は、①の"_sj);
    WriteAfter(5, "a"_sj);
    WriteAfter(3, "を"_sj);
    WriteAfter(5, "28"_sj);
    WriteAfter(3, "にして計算している。"_sj);
    WaitAnyKey();

    // The three words of the chapter, in the right column.
    XI0 = 640;
    XI1 = XI0 + 102;
    YI1 = 30;
    WriteAt(5, XI1, YI1, "<式の値>"_sj);
    WriteAt(5, XI0, YI1 + 50, "代入"_sj);
    WriteAfter(0, "…式の中の文字に"_sj);
    WriteAt(0, XI1, YI1 + 50, "数をあてはめること"_sj);
    WriteAfter(3, "(②の式)"_sj);
    WriteAt(5, XI0, YI1 + 50, "文字の値"_sj);
    WriteAfter(0, "…代入した数"_sj);
    WriteAfter(3, "(28)"_sj);
    WriteAt(5, XI0, YI1 + 50, "式の値"_sj);
    WriteAfter(0, "…代入して計算した結果"_sj);
    WriteAfter(3, "(10)"_sj);
    WaitAnyKey();

    WriteAt(7, XI0, YI1 + 60, "教科書P65 問1 をしなさい。"_sj);
    XI1 = XI0 + 54;
    WaitAnyKey();
    // Each answer stands 30 right of the end of its working.
    WriteAt(3, XI0, YI1 + 50, "(1)"_sj);
    WriteAfter(0, " a-18"_sj);
    WriteAt(0, XI1, YI1 + 50, "=24-18=6"_sj);
    WriteAt(5, XI2 + 30, YI1, "答　6℃"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(2)"_sj);
    WriteAfter(0, " a-18"_sj);
    WriteAt(0, XI1, YI1 + 50, "=0-18=-18"_sj);
    WriteAt(5, XI2 + 30, YI1, "答　-18℃"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(3)"_sj);
    WriteAfter(0, " a-18"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-2-18=-20"_sj);
    WriteAt(5, XI2 + 30, YI1, "答　-20℃"_sj);
}

void Morquist::Example4PowerValues() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 60;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "例4 a=-3 のとき、"_sj);
    WriteAt(3, XI0, YI1 + 50, "次の式の値を求めなさい。"_sj);
    WriteAt(3, XI0, YI1 + 80, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "a^2"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "=(-3)^2"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "=(-3)*(-3)"_sj);
    WaitAnyKey();
    WriteAfter(5, "=9"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-a^2"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "=-(-3)^2"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "=-{(-3)*(-3)}"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "=-9"_sj);
    WaitAnyKey();

    XI0 = 520;
    XI1 = XI0 + 60;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "教科書P66 問5 をしなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "a=6 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "a^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=6^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=6*6"_sj);
    WriteAfter(5, "=36"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "a=-2 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "a^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=(-2)^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=(-2)*(-2)"_sj);
    WriteAfter(5, "=4"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 70, "教科書P66 問6 をしなさい。"_sj);
}

void Morquist::ShowP66Problem6Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "教科書P66 問6 解答"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=ﾀ1/2ﾀ を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 70, "-x^2"_sj);
    // Tall brackets around the fractions; each ")" ends tall mode, so every
    // text asks for it again.
    KAKKO = 1;
    WriteAt(0, XI1, YI1 + 70, "=-(ﾀ1/2ﾀ)\\2"_sj);
    KAKKO = 1;
    WriteAt(0, XI1, YI1 + 70, "=-(ﾀ1/2ﾀ)*"_sj);
    KAKKO = 1;
    WriteAfter(0, "(ﾀ1/2ﾀ)"_sj);
    WriteAfter(5, "=-ﾀ1/4ﾀ"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-1 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "-x^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-(-1)^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-(-1)*(-1)"_sj);
    WriteAfter(5, "=-1"_sj);
}

void Morquist::ShowP67Problem8Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "教科書P67 問8 解答"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 60, "全体の人数 ＝ 3人班の人数 + 5人班の人数"_sj);
    WriteAt(0, XI1, YI1 + 50, "3人班の人数　=　"_sj);
    WriteAfter(0, "3*x"_sj);
    WriteAfter(3, "=3x (人) "_sj);
    WriteAt(0, XI1, YI1 + 50, "5人班の人数　=　"_sj);
    WriteAfter(0, "5*y"_sj);
    WriteAfter(3, "=5y (人) "_sj);
    WriteAt(0, XI2 + 30, YI1, "だから"_sj);
    WriteAt(5, XI1, YI1 + 60, "全体の人数は、3x+5y(人)"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "x=7,y=4 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "3x+5y"_sj);
    WriteAt(0, XI1, YI1 + 50, "=3*7+5*4"_sj);
    WriteAt(0, XI1, YI1 + 50, "=21+20"_sj);
    WriteAfter(5, "=41 (人)"_sj);
}

}  // namespace morquist
