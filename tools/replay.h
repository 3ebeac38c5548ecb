// Runs a program headless with scripted keys, a fixed clock and chosen
// random numbers, and keeps its final screen and operation log.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "surface/headless.h"

namespace replay {

// brenvale, morquist or tessarin; nullptr for any other name.
std::unique_ptr<framework::Framework> MakeProgram(const std::string& name);

struct Options {
    std::string program;
    std::string keys;                 // key script, see surface::ParseKeys
    std::string clock = "09:00:00";   // HH:MM:SS
    std::vector<double> random;       // handed out first by the generator
};

struct Result {
    enum Kind { kKeysUsedUp, kEnded, kErrorScreen } kind;
    std::optional<std::string> error_report;  // the error screen's line (UTF-8)
    std::vector<std::string> log;             // the operation log
    std::size_t keys_left = 0;                // scripted keys never read
};

// Runs to the first poll after the keys are used up, the program's end or
// the error screen. The surface stays up afterwards, so the caller can read
// its canvas; Options errors throw std::invalid_argument.
Result Run(const Options& options);
// The same for a program object of the caller's (options.program unused).
Result Run(const Options& options, framework::Framework& program);
// The named program on a backend of the caller's, which hands out
// options.clock and its own keys (options.keys unused).
Result Run(const Options& options, std::unique_ptr<surface::HeadlessBackend> backend);

// The command line of the tools: PROGRAM, then flags each with a value.
// --clock and --rnd (comma-separated numbers) fill `options`; any other flag
// must be a key of `more`, which receives its value. Throws
// std::invalid_argument saying what is wrong.
void ParseCommandLine(int argc, char** argv, Options& options,
                      const std::map<std::string, std::string*>& more);

}  // namespace replay
