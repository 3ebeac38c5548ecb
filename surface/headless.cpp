#include "surface/headless.h"

#include <stdexcept>

namespace surface {

HeadlessBackend::HeadlessBackend(std::vector<Str> keys, std::vector<std::string> clock)
    : keys_(keys.begin(), keys.end()), clock_(std::move(clock)) {
    if (clock_.empty()) clock_.push_back("09:00:00");
}

std::optional<Str> HeadlessBackend::TakeKey() {
    if (keys_.empty()) return std::nullopt;
    Str k = keys_.front();
    keys_.pop_front();
    return k;
}

void HeadlessBackend::Idle() {
    // Keys are all delivered up front, so waiting with none left would be for ever.
    if (keys_.empty()) throw Stop{Stop::kKeysUsedUp};
}

std::string HeadlessBackend::Clock() {
    std::string t = clock_[std::min(clock_next_, clock_.size() - 1)];
    ++clock_next_;
    return t;
}

void HeadlessBackend::AddKeys(const std::vector<Str>& keys) {
    keys_.insert(keys_.end(), keys.begin(), keys.end());
}

namespace {

// A key with no character, as the window gives it: a NUL and the scancode.
Str ScanKey(const std::string& number) {
    std::size_t used = 0;
    int code = -1;
    try {
        code = std::stoi(number, &used);
    } catch (const std::exception&) {
    }
    if (used != number.size() || code < 1 || code > 255)
        throw std::invalid_argument("{scan N} takes a scancode 1 to 255, not '" + number + "'");
    return Str{'\0', static_cast<char>(code)};
}

}  // namespace

std::vector<Str> ParseKeys(const std::string& script) {
    std::vector<Str> keys;
    for (std::size_t i = 0; i < script.size();) {
        if (script[i] == '{') {
            std::size_t close = script.find('}', i);
            if (close == std::string::npos) throw std::invalid_argument("unclosed { in keys");
            std::string name = script.substr(i + 1, close - i - 1);
            if (name == "enter") keys.push_back("\r");
            else if (name == "bs") keys.push_back("\b");
            else if (name == "del") keys.push_back("\x0c");
            else if (name == "esc") keys.push_back("\x1b");
            else if (name.rfind("scan ", 0) == 0) keys.push_back(ScanKey(name.substr(5)));
            else throw std::invalid_argument("unknown key {" + name + "}");
            i = close + 1;
            continue;
        }
        // One UTF-8 character is one key.
        unsigned char c = static_cast<unsigned char>(script[i]);
        std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        keys.push_back(Utf8ToCp932(script.substr(i, n)));
        i += n;
    }
    return keys;
}

}  // namespace surface
