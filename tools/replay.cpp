#include "tools/replay.h"

#include <regex>
#include <stdexcept>

#include "brenvale/brenvale.h"
#include "morquist/morquist.h"
#include "surface/headless.h"
#include "surface/surface.h"
#include "tessarin/tessarin.h"

namespace replay {

std::unique_ptr<framework::Framework> MakeProgram(const std::string& name) {
    if (name == "brenvale") return std::make_unique<brenvale::Brenvale>();
    if (name == "morquist") return std::make_unique<morquist::Morquist>();
    if (name == "tessarin") return std::make_unique<tessarin::Tessarin>();
    return nullptr;
}

Result Run(const Options& options) {
    auto program = MakeProgram(options.program);
    if (!program)
        throw std::invalid_argument("unknown program '" + options.program +
                                    "': brenvale, morquist or tessarin");
    return Run(options, *program);
}

Result Run(const Options& options, framework::Framework& program) {
    static const std::regex clock_form("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]");
    if (!std::regex_match(options.clock, clock_form))
        throw std::invalid_argument("--clock takes HH:MM:SS, not '" + options.clock + "'");
    for (double r : options.random)
        if (!(r >= 0 && r < 1))
            throw std::invalid_argument("--rnd numbers must lie in [0, 1)");
    auto backend = std::make_unique<surface::HeadlessBackend>(
        surface::ParseKeys(options.keys), std::vector<std::string>{options.clock});
    const surface::HeadlessBackend& keys = *backend;
    auto& s = surface::Surface::Start(std::move(backend));
    s.EnableLog(true);
    s.QueueRandom(options.random);
    Result result{Result::kKeysUsedUp, std::nullopt, {}};
    try {
        program.BAS_MAIN();
        result.kind = Result::kEnded;
    } catch (const surface::Stop& stop) {
        result.kind = stop.kind == surface::Stop::kKeysUsedUp ? Result::kKeysUsedUp
                                                              : Result::kEnded;
    }
    if (program.error_report()) {
        result.kind = Result::kErrorScreen;
        result.error_report = program.error_report();
    }
    result.log = s.log();
    result.keys_left = keys.keys_left();
    return result;
}

}  // namespace replay
