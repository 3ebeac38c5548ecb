// Chapter 3, items ②, ④, ⑧ and ⑨: the worked answers of the textbook's
// questions on pages 62 and 64, revealed a stage at a time.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::ShowP62Problem7Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI1, YI1, "教科書P62 問7 解答"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(1)残金＝出したお金－代金"_sj);
    WriteAt(0, XI1, YI1 + 60, "出したお金＝"_sj);
    WaitAnyKey();
    WriteAfter(0, "a*4"_sj);
    WriteAfter(3, "=4a (円） "_sj);
    WriteAfter(0, "だから"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 60, "答　4a-500（円）"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(2)"_sj);
    WriteAt(3, XI2 + 10, YI1, "代金 ＝ リンゴの代金 + みかんの代金"_sj);
    WriteAt(0, XI1, YI1 + 50, "リンゴの代金　=　"_sj);
    WaitAnyKey();
    WriteAfter(0, "x*3"_sj);
    WriteAfter(3, "=3x (円) "_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "みかんの代金　=　"_sj);
    WaitAnyKey();
    WriteAfter(0, "y*5"_sj);
    WriteAfter(3, "=5y (円) "_sj);
    WriteAt(0, XI2 + 30, YI1, "だから"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 60, "答　3x+5y (円)"_sj);
}

void Morquist::ShowP62Problem8Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI1, YI1, "教科書P62 問8 解答"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(1)(道のり)=(速さ)*(時間)"_sj);
    WriteAfter(0, "だから"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 60, "x*4"_sj);
    WriteAfter(5, "=4x (km) "_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 100, "(2)"_sj);
    WriteAt(3, XI2 + 10, YI1, "(時間)=ﾀ道のり/速さﾀ"_sj);
    WriteAfter(0, "だから"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 70, "y/2"_sj);
    WriteAfter(5, "=ﾀy/2ﾀ　(時間） "_sj);
}

void Morquist::ShowP64Problem11Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(7, XI1, YI1, "教科書P64 問11 解答"_sj);
    WaitAnyKey();
    DrawTermMeanings({"(1)", {"xは", "yは"}, {" 分速60mで歩いた時間", " 分速80mで歩いた時間"},
                      {"家を出てから駅に着くまでに歩いた時間", ""}});
    DrawTermMeanings({"(2)", {"60xは", "80yは"}, {" 分速60mで歩いた道のり", " 分速80mで歩いた道のり"},
                      {"家から駅までの道のり", ""}});
    WriteAt(0, XI0, YI1 + 60, "教科書P64 練習問題 をしなさい。"_sj);
}

void Morquist::DrawTermMeanings(const TermMeanings& part) {
    WriteAt(3, XI0, YI1 + 50, Utf8ToCp932(part.label));
    WriteAt(0, XI1, YI1, Utf8ToCp932(part.terms[0]));
    WriteAfter(3, Utf8ToCp932(part.meanings[0]));
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, Utf8ToCp932(part.terms[1]));
    WriteAfter(3, Utf8ToCp932(part.meanings[1]));
    WriteAt(0, XI1, YI1 + 50, " だから "_sj);
    WaitAnyKey();
    for (const char* line : part.conclusion)
        if (*line) WriteAt(5, XI1, YI1 + 50, Utf8ToCp932(line));
    WaitAnyKey();
}

void Morquist::ShowPracticeP64Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI1, YI1, "教科書P64 練習問題 解答"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(1)"_sj);
    WriteAt(0, XI1, YI1, "7％引き→"_sj);
    WriteAfter(3, "はらった代金は93％"_sj);
    WriteAt(0, XI1, YI1 + 80, "93％=ﾀ93/100ﾀ だから"_sj);
    WriteAt(0, XI1, YI1 + 80, "x*ﾀ93/100ﾀ="_sj);
    WriteAfter(5, "ﾀ93/100ﾀx (円)"_sj);
    WriteAt(3, XI1, YI1 + 60, "0.93x(円)でもよい"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(2)"_sj);
    WriteAt(3, XI2 + 10, YI1, "合計金額 ＝ 10円玉の金額 + 1円玉の金額"_sj);
    WriteAt(0, XI1, YI1 + 50, "10円玉の金額　=　"_sj);
    WriteAfter(0, "10*a"_sj);
    WriteAfter(3, "=10a (円) "_sj);
    WriteAt(0, XI1, YI1 + 50, "1円玉の金額　=　"_sj);
    WriteAfter(0, "1*b"_sj);
    WriteAfter(3, "=b (円) "_sj);
    WriteAt(0, XI2 + 30, YI1, "だから"_sj);
    WriteAt(5, XI1, YI1 + 60, "答　10a+b (円)"_sj);
}

}  // namespace morquist
