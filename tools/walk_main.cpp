// walk PROGRAM [--clock HH:MM:SS] [--rnd LIST] [--out DIR]
#include <cstdio>
#include <stdexcept>
#include <string>

#include "surface/fonts.h"
#include "surface/headless.h"
#include "surface/surface.h"
#include "tools/walk.h"

namespace {

const char kUsage[] =
    "usage: walk PROGRAM [--clock HH:MM:SS] [--rnd LIST] [--out DIR]\n"
    "  PROGRAM  brenvale, morquist or tessarin\n"
    "  LIST     comma-separated numbers in [0, 1), handed out first by RND\n"
    "  DIR      gets each screen's log as NNNN.ops and the keys typed as keys.txt\n";

int Usage(const std::string& why) {
    std::fprintf(stderr, "walk: %s\n%s", why.c_str(), kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    replay::Options options;
    std::string out;
    try {
        replay::ParseCommandLine(argc, argv, options, {{"--out", &out}});
        replay::WalkResult walk = replay::Walk(options, out);
        surface::Surface::Shutdown();
        std::string how = walk.error_report ? "error screen: " + *walk.error_report
                          : !walk.gave_up.empty() ? "did not end: " + walk.gave_up
                          : walk.ended            ? "ended"
                                                  : "did not end";
        std::string where = out.empty() ? "" : " written to " + out;
        std::printf("%s: %zu items opened, %d screens%s, %zu keys, %s\n", options.program.c_str(),
                    walk.opened.size(), walk.screens, where.c_str(),
                    surface::ParseKeys(walk.keys).size(), how.c_str());
        if (walk.error_report) return 3;
        return walk.ended ? 0 : 1;
    } catch (const std::invalid_argument& e) {
        return Usage(e.what());
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "walk: %s\n", e.what());
        return 1;
    } catch (const surface::MissingFont& e) {
        std::fprintf(stderr, "%s\n", e.message.c_str());
        return 1;
    }
}
