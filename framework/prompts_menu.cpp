// The main-menu frame of the three programs: each program hands it its own
// items and opens the chapter whose number comes back; and the goal screen
// that opens a teaching chapter.
#include "framework/prompts.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

int Prompts::MainMenuFrame(const std::vector<Str>& items) {
    const double last = static_cast<double>(items.size());
    for (;;) {
        ClearLessonArea();
        PsLINE(0, 0, true, 1760, 1800, 15, 2, 15);
        PsLINE(22, 10, true, 1320, 600, 15, 2, 10);
        CCC1 = 15;
        X = 264;
        Y = 30;
        AA_s = "＜"_sj + TITLE_s + "　メニュー＞"_sj;
        {
            struct Plain {
                bool& on;
                ~Plain() { on = false; }
            } plain{plain_letters_ = true};
            DrawMessage();
        }
        for (std::size_t k = 0; k < items.size(); ++k) {
            CCC1 = k % 2 == 0 ? 13 : 15;
            X = 44;
            Y = 120 + 60 * static_cast<double>(k);
            AA_s = items[k];
            DrawMessage();
        }
        CCC1 = 0;
        X = KAIX - 240;
        Y = KAIY;
        AA_s = "番号を入力して下さい。"_sj;
        DrawFormulaText();
        AskMenuChoice();
        EraseMenuPrompt();
        if (AINP == last) PsEND();
        if (AINP < 1 || AINP > last) continue;
        // Every chapter starts on a window painted over entirely.
        PsLINE(0, 0, true, 1760, 1800, 15, 2, 15);
        return MenuJumpIndex(AINP);
    }
}

void Prompts::DrawGoals(const Str& first, const Str& second, double indent) {
    XI1 = 44;
    YI1 = 240;
    WriteAt(3, XI1, YI1, "<めあて>"_sj);
    for (const Str* goal : {&first, &second}) {
        if (!goal->empty()) WriteAt(0, XI1 + indent, YI1 + 65, *goal);
    }
}

}  // namespace framework
