// The lesson framework: start-up, shared state and the error screen, under
// every program. Each program derives from it and supplies its main menu.
#pragma once

#include <optional>
#include <string>

#include "framework/globals.h"
#include "surface/number.h"

namespace framework {

class Framework : public Globals {
public:
    virtual ~Framework() = default;

    // The entry routine: start-up, then the main menu. Returns by throwing
    // surface::Stop when the program ends or its window is closed; a
    // run-time error ends on the error screen, which waits for the close.
    void BAS_MAIN();

    // Seeds the random numbers from the clock again.
    void ReseedRandom();
    // Empties the keyboard buffer.
    void FlushKeyboard();

    // The report line of the error screen (UTF-8), once it has been shown.
    const std::optional<std::string>& error_report() const { return error_report_; }

protected:
    // `ke_stroke`: the glyph renderer draws "ｹ" as a stroke (Brenvale only).
    Framework(const char* title_utf8, bool ke_stroke)
        : ke_stroke_(ke_stroke), title_utf8_(title_utf8) {}

    // The program's home screen; it ends the program with PsEND.
    virtual void MainMenu() = 0;

    const bool ke_stroke_;

private:
    void SeedFromClock();
    void ShowRuntimeError(const surface::RuntimeError& error);

    const char* title_utf8_;
    std::optional<std::string> error_report_;
};

}  // namespace framework
