// A backend with no window: keys come from a script, the clock is fixed and
// pauses take no time. Polling after the last scripted key stops the run.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "surface/surface.h"

namespace surface {

class HeadlessBackend : public Backend {
public:
    // `clock` readings are handed out in turn; the last one repeats.
    explicit HeadlessBackend(std::vector<Str> keys = {},
                             std::vector<std::string> clock = {"09:00:00"});

    double Scale() const override { return 1.0; }
    void Service(bool) override {}
    std::optional<Str> TakeKey() override;
    void Idle() override;
    void Pause(int) override { ++pauses_; }
    std::string Clock() override;
    void WaitUntilClosed() override { throw Stop{Stop::kWindowClosed}; }

    void AddKeys(const std::vector<Str>& keys);
    int pauses() const { return pauses_; }
    std::size_t keys_left() const { return keys_.size(); }

private:
    std::deque<Str> keys_;
    std::vector<std::string> clock_;
    std::size_t clock_next_ = 0;
    int pauses_ = 0;
};

// Splits a key script into keys: one character each, with {enter}, {bs},
// {del} (code 12) and {esc} for the others, and {scan N} for a key with no
// character (arrows, function keys: a NUL and the scancode N). Throws std::invalid_argument
// on an unknown {name}.
std::vector<Str> ParseKeys(const std::string& utf8_script);

}  // namespace surface
