// Walks a program headless through every item of every chapter, answering
// each prompt as it comes, and can keep what each screen drew.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "surface/headless.h"
#include "tools/replay.h"

namespace replay {

struct WalkResult {
    std::string keys;                         // every key typed, in replay's key syntax
    std::vector<std::pair<int, int>> opened;  // (chapter, item) chosen on a sub-menu, in order
    int menu_returns = 0;                     // times the main menu came back after a chapter
    bool ended = false;                       // the program ended by itself
    std::optional<std::string> error_report;  // the error screen's line (UTF-8)
    std::string gave_up;                      // why the walk stopped short; empty if it did not
    int screens = 0;                          // screen logs (written when an out_dir was given)
};

// A headless backend that types the answer to the prompt drawn last whenever
// the program polls with no key waiting: at the main menu the next chapter,
// and after the last one the menu's last line (the end); at a sub-menu the
// next item in turn, whose last, "終了", brings the main menu back; "1" at a
// step prompt, so that a drill shows one instance; any key at a wait. The
// chapters are the menu's lines as drawn, the last and blank ones left out.
class WalkingBackend : public surface::HeadlessBackend {
public:
    // A walk that has typed this many keys is taken never to end.
    static constexpr std::size_t kKeyLimit = 20000;

    // With an out_dir, each answer first writes the log lines drawn since
    // the one before to out_dir/NNNN.ops (0001 on).
    WalkingBackend(const std::string& clock, std::string out_dir);

    std::optional<surface::Str> TakeKey() override;
    // Once the run has stopped: the lines after the last answer (the end or
    // the error screen) as one more screen, and the keys to keys.txt.
    void Finish();

    const std::string& keys() const { return keys_; }
    const std::vector<std::pair<int, int>>& opened() const { return opened_; }
    int menu_returns() const { return menu_returns_; }
    const std::string& gave_up() const { return gave_up_; }
    int screens() const { return screens_; }
    // The file that could not be written; empty if none.
    const std::string& write_failed() const { return write_failed_; }

private:
    enum Prompt { kNone, kMainMenu, kSubmenu, kStep, kAnyKey };

    void Scan();
    std::string Answer();
    bool WriteScreen();
    bool Write(const std::string& name, const std::string& text);

    std::string out_dir_;
    bool out_ready_ = false;
    std::string keys_;
    std::size_t keys_typed_ = 0;
    std::vector<std::pair<int, int>> opened_;
    int menu_returns_ = 0;
    std::string gave_up_;
    int screens_ = 0;
    std::string write_failed_;

    std::size_t scanned_ = 0;   // log lines read for prompts
    std::size_t written_ = 0;   // log lines already in a screen
    Prompt prompt_ = kNone;
    // The main menu's lines drawn since its panel: whether each (1 on) says
    // anything beside its number.
    std::vector<bool> menu_lines_;
    int chapter_ = 0, item_ = 0;
};

// Walks options.program (options.keys unused) with options' clock and
// random numbers to its end, and with an out_dir writes each screen's log
// there and the keys last, as keys.txt. The surface stays up afterwards;
// bad options throw std::invalid_argument, a file that cannot be written
// std::runtime_error.
WalkResult Walk(const Options& options, const std::string& out_dir = "");

}  // namespace replay
