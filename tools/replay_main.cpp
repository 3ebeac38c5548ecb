// replay PROGRAM [--keys KEYS] [--clock HH:MM:SS] [--rnd LIST] [--png FILE] [--ops FILE]
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "surface/fonts.h"
#include "surface/surface.h"
#include "tools/replay.h"

namespace {

const char kUsage[] =
    "usage: replay PROGRAM [--keys KEYS] [--clock HH:MM:SS] [--rnd LIST] [--png FILE] "
    "[--ops FILE]\n"
    "  PROGRAM  brenvale, morquist or tessarin\n"
    "  KEYS     one character a key; {enter} {bs} {del} {esc} for the others\n"
    "  LIST     comma-separated numbers in [0, 1), handed out first by RND\n";

int Usage(const std::string& why) {
    std::fprintf(stderr, "replay: %s\n%s", why.c_str(), kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    replay::Options options;
    std::string png, ops;
    try {
        replay::ParseCommandLine(argc, argv, options,
                                 {{"--keys", &options.keys}, {"--png", &png}, {"--ops", &ops}});
        replay::Result result = replay::Run(options);
        auto& s = surface::Surface::Get();
        if (!png.empty() && !s.WritePng(png)) {
            std::fprintf(stderr, "replay: cannot write %s\n", png.c_str());
            return 1;
        }
        if (!ops.empty()) {
            std::ofstream out(ops);
            for (const auto& line : result.log) out << line << '\n';
            if (!out) {
                std::fprintf(stderr, "replay: cannot write %s\n", ops.c_str());
                return 1;
            }
        }
        surface::Surface::Shutdown();
        if (result.kind == replay::Result::kErrorScreen) {
            std::fprintf(stderr, "%s\n", result.error_report->c_str());
            return 3;
        }
        return 0;
    } catch (const std::invalid_argument& e) {
        return Usage(e.what());
    } catch (const surface::MissingFont& e) {
        std::fprintf(stderr, "%s\n", e.message.c_str());
        return 1;
    }
}
