// The balance lessons: item ① of chapter 1 (the balance comes to rest level:
// an equality), items ① and ③ of chapter 2 (it goes on past level: an
// inequality; two balances for "at most" and "at least").
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::PoseLetterPaperBalance(const Str& line1, const Str& line2, const Str& load) {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    PiValue = 3.14159f;
    R_a(1) = 150;
    X_a(0) = 880;
    Y_a(0) = 450;
    XI1 = 40;
    YI1 = 30;
    WriteAt(0, XI1, YI1, line1);
    WriteAt(0, XI1 + 81, YI1 + 50, line2);

    BalanceAngle = 0;
    DrawBalance();
    PanLoadText_s = load;
    DrawLeftPanLoad();
    WaitAnyKey();
    // Each frame's angle is counted from level, so that the steps add up to
    // nothing of their own: the last frame is exactly PiValue / 12.
    for (SwingFrame = 0; SwingFrame <= 8; SwingFrame += 1) {
        BalanceAngle = SwingFrame * PiValue / 96;
        DrawBalance();
        DrawLeftPanLoad();
        PsWAIT(50);
    }
    WaitAnyKey();
    // The weights go onto the raised pan of the frame on view.
    DrawPanWeights();
    WaitAnyKey();
}

void Tessarin::SwingLoadedBalanceBack(int frames) {
    for (SwingFrame = 0; SwingFrame < frames; SwingFrame += 1) {
        BalanceAngle = 8 * PiValue / 96 - SwingFrame * PiValue / 96;
        DrawBalance();
        DrawPanLoads();
        PsWAIT(50);
    }
}

void Tessarin::BalanceEqualityAnimation() {
    PoseLetterPaperBalance("Q　1枚4gの便せんx枚を、重さ5gの封筒に入れると、"_sj,
                           "重さは25gになった。この関係を式に表しなさい。"_sj, "便せんx枚"_sj);
    // Back to level, where the weights balance the load.
    SwingLoadedBalanceBack(9);

    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "<解答>"_sj);
    WriteAt(3, XI1, YI1 + 50, "つり合う(等しい）ときは、"_sj);
    WriteAfter(5, "等号= "_sj);
    WriteAfter(0, "を使って表す。"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "てんびんの左側の重さは"_sj);
    WriteAt(3, XI1, YI1 + 50, "4x+5(g)"_sj);
    WriteAfter(0, " だから"_sj);
    WriteAt(5, XI1, YI1 + 50, "4x+5=25"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 80, "等式"_sj);
    WriteAfter(0, "…"_sj);
    // The continuation line starts under what follows the ellipsis.
    U_a(1) = X;
    WriteAfter(3, "等号="_sj);
    WriteAfter(0, "を使って関係を"_sj);
    WriteAt(0, U_a(1), YI1 + 50, "表した式(4x+5=25)"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "左辺"_sj);
    WriteAfter(0, "…"_sj);
    WriteAfter(3, "等号"_sj);
    WriteAfter(0, "の左側の式(4x+5)"_sj);
    WriteAt(5, XI1, YI1 + 50, "右辺"_sj);
    WriteAfter(0, "…"_sj);
    WriteAfter(3, "等号"_sj);
    WriteAfter(0, "の右側の式(25)"_sj);
    WriteAt(5, XI1, YI1 + 50, "両辺"_sj);
    WriteAfter(0, "…"_sj);
    WriteAfter(0, "両方の式(4x+5,25)"_sj);
    WaitAnyKey();
    WriteAt(7, XI2 + 80, YI1, "教科書P77 問1　をやろう。"_sj);
}

void Tessarin::BalanceInequalityAnimation() {
    PoseLetterPaperBalance("Q1　1枚4gの便せんy枚を、重さ5gの封筒に入れると、"_sj,
                           "重さは25gより軽かった。この関係を式に表しなさい。"_sj,
                           "便せんy枚"_sj);
    // Through level and on until the weights' pan is down.
    SwingLoadedBalanceBack(17);

    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "<解答>"_sj);
    WriteAt(3, XI1, YI1 + 50, "軽い(小さい)ときは、"_sj);
    WriteAfter(5, "不等号< "_sj);
    WriteAfter(0, "を使って表す。"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "てんびんの左側の重さは"_sj);
    WriteAt(3, XI1, YI1 + 50, "4y+5(g)"_sj);
    WriteAfter(0, " だから "_sj);
    WriteAfter(5, "4y+5<25"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 100, "不等式"_sj);
    WriteAfter(0, "…"_sj);
    WriteAfter(3, "不等号<,>"_sj);
    WriteAfter(0, "を使って"_sj);
    WriteAt(0, XI1, YI1 + 50, "関係を表した式 4y+5<25,25>4y+5"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "左辺"_sj);
    WriteAfter(0, "…"_sj);
    WriteAfter(3, "不等号"_sj);
    WriteAfter(0, "の左側の式(<は4y+5,>は25)"_sj);
    WriteAt(5, XI1, YI1 + 50, "右辺"_sj);
    WriteAfter(0, "…"_sj);
    WriteAfter(3, "不等号"_sj);
    WriteAfter(0, "の右側の式(<は25,>は4y+5)"_sj);
    WriteAt(5, XI1, YI1 + 50, "両辺"_sj);
    WriteAfter(0, "…"_sj);
    WriteAfter(0, "両方の式(4y+5,25)"_sj);
    WaitAnyKey();
    WriteAt(7, XI2 + 80, YI1, "教科書P78 問4　をやろう。"_sj);
}

void Tessarin::BalanceAtMostFigure() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    PiValue = 3.14159f;
    R_a(1) = 150;
    X_a(0) = 320;
    Y_a(0) = 600;
    XI1 = 40;
    YI1 = 30;
    WriteAt(0, XI1, YI1, "Q2　1枚4gの便せんa枚を、重さ5gの封筒に入れると、"_sj);
    WriteAt(0, XI1 + 81, YI1 + 50, "重さは25g以下になった。この関係を式に表しなさい。"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "<解答>"_sj);

    // Equal weights, level; then the load lighter, its pan up. The second
    // balance's clearing box cuts the end of the first one's right pan.
    BalanceAngle = 0;
    DrawBalance();
    PanLoadText_s = "便せんa枚"_sj;
    DrawPanLoads();
    R_a(1) = 150;
    X_a(0) = 960;
    Y_a(0) = 550;
    BalanceAngle = -8 * PiValue / 96;
    DrawBalance();
    PanLoadText_s = "便せんa枚"_sj;
    DrawPanLoads();

    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "以下"_sj);
    WriteAfter(3, "は、等しいか軽いときで、"_sj);
    WriteAfter(5, "不等号≦ "_sj);
    WriteAfter(0, "を使って表す。"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "てんびんの左側の重さは"_sj);
    WriteAfter(3, "4a+5(g)"_sj);
    WriteAfter(0, " だから "_sj);
    WriteAfter(5, "4a+5≦25"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "以上"_sj);
    WriteAfter(3, "は、等しいか重いときで、"_sj);
    WriteAfter(5, "不等号≧ "_sj);
    WriteAfter(0, "を使って表す。"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "25g以上なら　"_sj);
    WriteAfter(3, "4a+5≧25"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "25g"_sj);
    WriteAfter(5, "未満"_sj);
    WriteAfter(0, "なら　"_sj);
    WriteAfter(3, "4a+5<25"_sj);
}

}  // namespace tessarin
