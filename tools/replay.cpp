#include "tools/replay.h"

#include <cstdlib>
#include <regex>
#include <sstream>
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

namespace {

std::unique_ptr<framework::Framework> NamedProgram(const std::string& name) {
    auto program = MakeProgram(name);
    if (!program)
        throw std::invalid_argument("unknown program '" + name +
                                    "': brenvale, morquist or tessarin");
    return program;
}

void CheckOptions(const Options& options) {
    static const std::regex clock_form("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]");
    if (!std::regex_match(options.clock, clock_form))
        throw std::invalid_argument("--clock takes HH:MM:SS, not '" + options.clock + "'");
    for (double r : options.random)
        if (!(r >= 0 && r < 1))
            throw std::invalid_argument("--rnd numbers must lie in [0, 1)");
}

// The start-up every headless run shares, on options already checked.
Result RunChecked(const Options& options, framework::Framework& program,
                  std::unique_ptr<surface::HeadlessBackend> backend) {
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

std::vector<double> ParseList(const std::string& text) {
    std::vector<double> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        char* end = nullptr;
        double v = std::strtod(item.c_str(), &end);
        if (item.empty() || *end != '\0') throw std::invalid_argument("--rnd: '" + item + "' is no number");
        out.push_back(v);
    }
    return out;
}

}  // namespace

Result Run(const Options& options) {
    auto program = NamedProgram(options.program);
    return Run(options, *program);
}

Result Run(const Options& options, framework::Framework& program) {
    CheckOptions(options);
    return RunChecked(options, program,
                      std::make_unique<surface::HeadlessBackend>(
                          surface::ParseKeys(options.keys), std::vector<std::string>{options.clock}));
}

Result Run(const Options& options, std::unique_ptr<surface::HeadlessBackend> backend) {
    auto program = NamedProgram(options.program);
    CheckOptions(options);
    return RunChecked(options, *program, std::move(backend));
}

void ParseCommandLine(int argc, char** argv, Options& options,
                      const std::map<std::string, std::string*>& more) {
    if (argc < 2) throw std::invalid_argument("no program named");
    options.program = argv[1];
    for (int i = 2; i < argc; ++i) {
        std::string flag = argv[i];
        if (i + 1 >= argc) throw std::invalid_argument(flag + " needs a value");
        std::string value = argv[++i];
        if (flag == "--clock") {
            options.clock = value;
        } else if (flag == "--rnd") {
            options.random = ParseList(value);
        } else if (auto it = more.find(flag); it != more.end()) {
            *it->second = value;
        } else {
            throw std::invalid_argument("unknown option " + flag);
        }
    }
}

}  // namespace replay
