#include "tools/walk.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <stdexcept>
#include <system_error>

#include "surface/surface.h"

namespace replay {

namespace {

// The prompts as the framework draws them: the main menu's panel, the first
// character of a sub-menu's item line, the step prompt's box and the boxes of
// the two any-key waits.
const std::string kMainMenuPanel = "PsLINE 22 10 1342 610 15 2 10 ";
const std::string kItemLine = "PsSYMBOL40 16 666 ";
const std::string kStepBox = "PsLINE 96 639 400 675 13 2 12 ";
const std::string kAnyKeyBox = "PsLINE 96 657 400 693 13 2 4 ";
const std::string kAnyKeyMessageBox = "PsLINE 16 657 496 693 13 2 4 ";

// The main menu's lines lie 60 apart from y 120, inside its panel.
const int kMenuTop = 120, kMenuStep = 60, kPanelBottom = 610;

bool StartsWith(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }

// A text line's place and text; false for any other line.
bool ParseText(const std::string& line, double& x, double& y, std::string& text) {
    if (std::sscanf(line.c_str(), "PsSYMBOL40 %lf %lf", &x, &y) != 2) return false;
    auto open = line.find('"');
    auto close = line.find("\" ", open + 1);
    if (open == std::string::npos || close == std::string::npos) return false;
    text = line.substr(open + 1, close - open - 1);
    return true;
}

// Digits and blanks only: a menu line's number, or no line at all.
bool SaysNothing(const std::string& text) {
    static const std::regex blank("([0-9 ]|\u3000)*");
    return std::regex_match(text, blank);
}

std::string ScreenName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d.ops", n);
    return name;
}

}  // namespace

WalkingBackend::WalkingBackend(const std::string& clock, std::string out_dir)
    : HeadlessBackend({}, {clock}), out_dir_(std::move(out_dir)) {}

std::optional<surface::Str> WalkingBackend::TakeKey() {
    auto key = HeadlessBackend::TakeKey();
    if (key || !gave_up_.empty()) return key;
    if (keys_typed_ >= kKeyLimit) {
        gave_up_ = "no end after " + std::to_string(keys_typed_) + " keys";
        return std::nullopt;
    }
    Scan();
    std::string answer = Answer();
    if (answer.empty()) return std::nullopt;
    // The screen as it stood when its prompt was answered.
    if (!WriteScreen()) {
        gave_up_ = "cannot write " + write_failed_;
        return std::nullopt;
    }
    auto keys = surface::ParseKeys(answer);
    keys_ += answer;
    keys_typed_ += keys.size();
    AddKeys(keys);
    return HeadlessBackend::TakeKey();
}

void WalkingBackend::Scan() {
    const auto& log = surface::Surface::Get().log();
    for (; scanned_ < log.size(); ++scanned_) {
        const std::string& line = log[scanned_];
        double x, y;
        std::string text;
        if (StartsWith(line, kMainMenuPanel)) {
            prompt_ = kMainMenu;
            menu_lines_.clear();
        } else if (StartsWith(line, kItemLine)) {
            prompt_ = kSubmenu;
        } else if (StartsWith(line, kStepBox)) {
            prompt_ = kStep;
        } else if (StartsWith(line, kAnyKeyBox) || StartsWith(line, kAnyKeyMessageBox)) {
            prompt_ = kAnyKey;
        } else if (prompt_ == kMainMenu && ParseText(line, x, y, text) && y >= kMenuTop &&
                   y < kPanelBottom && int(y - kMenuTop) % kMenuStep == 0) {
            // Until it is answered, the main menu draws only its own lines.
            std::size_t n = std::size_t(y - kMenuTop) / kMenuStep + 1;
            if (menu_lines_.size() < n) menu_lines_.resize(n, false);
            if (!SaysNothing(text)) menu_lines_[n - 1] = true;
        }
    }
}

std::string WalkingBackend::Answer() {
    switch (prompt_) {
        case kMainMenu: {
            if (menu_lines_.empty()) {
                gave_up_ = "a main menu with no lines";
                return "";
            }
            if (chapter_ > 0) ++menu_returns_;
            const int last = int(menu_lines_.size());
            int next = chapter_ + 1;
            while (next < last && !menu_lines_[std::size_t(next - 1)]) ++next;
            // The lines drawn are this menu's only: the next answer at a
            // main menu reads them afresh.
            prompt_ = kNone;
            if (next >= last) return std::to_string(last) + "{enter}";
            chapter_ = next;
            item_ = 0;
            return std::to_string(next) + "{enter}";
        }
        case kSubmenu:
            ++item_;
            opened_.emplace_back(chapter_, item_);
            return std::to_string(item_) + "{enter}";
        case kStep: return "1{enter}";
        case kAnyKey: return "a";
        case kNone: break;
    }
    gave_up_ = "a key asked for with no prompt on the screen";
    return "";
}

bool WalkingBackend::WriteScreen() {
    const auto& log = surface::Surface::Get().log();
    std::string text;
    for (std::size_t i = written_; i < log.size(); ++i) text += log[i] + '\n';
    written_ = log.size();
    ++screens_;
    return Write(ScreenName(screens_), text);
}

bool WalkingBackend::Write(const std::string& name, const std::string& text) {
    if (out_dir_.empty()) return true;
    namespace fs = std::filesystem;
    std::error_code error;
    if (!out_ready_) {
        // What an earlier walk wrote here would be mistaken for this one's.
        fs::create_directories(out_dir_, error);
        static const std::regex ours("[0-9]{4,}\\.ops|keys\\.txt");
        for (fs::directory_iterator it(out_dir_, error), end; !error && it != end;
             it.increment(error))
            if (it->is_regular_file() && std::regex_match(it->path().filename().string(), ours))
                fs::remove(it->path(), error);
        out_ready_ = true;
    }
    const std::string path = (fs::path(out_dir_) / name).string();
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (error || !out) {
        write_failed_ = path;
        return false;
    }
    return true;
}

void WalkingBackend::Finish() {
    if (!write_failed_.empty()) return;
    if (written_ < surface::Surface::Get().log().size() && !WriteScreen()) return;
    Write("keys.txt", keys_ + '\n');
}

WalkResult Walk(const Options& options, const std::string& out_dir) {
    auto backend = std::make_unique<WalkingBackend>(options.clock, out_dir);
    WalkingBackend& walker = *backend;
    Result run = Run(options, std::move(backend));
    walker.Finish();
    if (!walker.write_failed().empty())
        throw std::runtime_error("cannot write " + walker.write_failed());
    WalkResult result;
    result.keys = walker.keys();
    result.opened = walker.opened();
    result.menu_returns = walker.menu_returns();
    result.ended = run.kind == Result::kEnded;
    result.error_report = run.error_report;
    result.gave_up = walker.gave_up();
    result.screens = walker.screens();
    return result;
}

}  // namespace replay
