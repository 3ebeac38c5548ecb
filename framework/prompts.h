// The prompt line at the foot of the screen: menu and sub-menu choices, the
// answer line, the any-key wait and the next-step prompt; and the main-menu
// frame that every program's main menu is drawn on.
#pragma once

#include <vector>

#include "framework/text.h"

namespace framework {

// The index of a menu's computed jump for a choice that passed the menu's
// range test: the typed value cut to a whole number, so that 8/2 opens entry
// 4 and 2.5 entry 2 in every menu of the three programs.
int MenuJumpIndex(double choice);

class Prompts : public Text {
public:
    // ---- the answer line ----
    // Reads a line at (KAIX, KAIY) behind the label "入力" until Enter:
    // digits, "-", "." and "/" are echoed in full width; Backspace, code 12 or
    // any key while ten characters are held clears the whole line. AINP_s is
    // the line; the field is erased on return.
    void ReadAnswerLine();
    // AINP = the value of AINP_s; "a/b" is a divided by b (A_s = a, B_s = b).
    void ParseTypedNumber();

    // ---- menu prompts ----
    // Draws AA_s right-aligned before the answer field, then reads a number
    // into AINP_s and AINP.
    void AskMenuChoice();
    // Erases the main menu's prompt line.
    void EraseMenuPrompt();
    // Draws the item line AA_s at (16, 666), then reads a number into AINP_s
    // and AINP. The item line stays.
    void AskSubmenuChoice();
    // Erases the strip (0, 657)-(992, 720) under a sub-menu.
    void EraseBottomStrip();
    // Shows AA_s in a box and waits for any key; CCC1 and the pen width come
    // back as they were.
    void WaitAnyKeyWithMessage();
    // A chapter's sub-menu: shows `item_line` (cp932), reads a choice into
    // SENTAKU (AINP becomes 10, so a drill never starts on the menu's 1),
    // erases the strip, and asks again until the choice lies in 1 to
    // `count`. Returns the item's number, the choice cut to a whole number.
    int AskSubmenuItem(const Str& item_line, int count);
    // A chapter's goal screen, on the window as it stands: "<めあて>" at
    // (44, 240) in colour 3, then each goal given (cp932; an empty one is
    // left out) in colour 0, `indent` right of it and 65 below the line
    // before. XI1 is 44; XI2 and YI1 follow the pen.
    void DrawGoals(const Str& first, const Str& second = Str(), double indent = 32);
    // The frame of a practice answer screen, on a window it paints over
    // entirely: the title box (40, 30)-(436, 76) and, 20 to its right, the
    // 44-square box of the problem's number (both cp932). Leaves XI0 40,
    // XI1 94, YI1 30 and XI2 at the number box's right edge (500); pen width
    // as it is.
    void DrawPracticeFrame(const Str& title, const Str& number);

    // ---- step pacing ----
    // "何かキーを押して下さい。" until any key; CCC1 and the pen width come
    // back as they were.
    void WaitAnyKey();
    // "次のステップは１を入力。" and the answer line; AINP is the value typed.
    void AskNextStep();

protected:
    using Text::Text;

    // A main menu on the frame the three programs share: the panel with the
    // heading made of TITLE_s, `items` (cp932) from y 120 every 60 units, and
    // the prompt. A number out of range draws it again; the last item ends
    // the program (PsEND). Otherwise the whole window is painted over and the
    // chosen chapter's number, 1 to items.size() - 1, is returned; AINP_s and
    // AINP still hold the choice.
    int MainMenuFrame(const std::vector<Str>& items);

private:
    // Enter on a line "a/b" whose divisor part has the value 0 would divide
    // by zero: such a line is cleared instead, like Backspace.
    bool TypedDivisorIsZero() const;
    // Paints over the typed characters and the cursor dot (not the label).
    void ClearTypedCharacters();
};

}  // namespace framework
