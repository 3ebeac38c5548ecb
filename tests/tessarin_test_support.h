// Helpers of the Tessarin tests: runs through replay with the caller's
// program object, and the log's lines of a kind.
#pragma once

#include <string>
#include <vector>

#include "tessarin/tessarin.h"
#include "tests/harness.h"
#include "tests/lesson_log.h"

namespace tessarin_testing {

using namespace lesson_log;
using namespace testing_support;

inline replay::Result RunTessarin(tessarin::Tessarin& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    return RunProgram(program, "tessarin", keys, std::move(random), clock);
}

// The lines of `log` that begin with `prefix`, from..to.
inline std::vector<std::string> LinesOf(const std::vector<std::string>& log,
                                        const std::string& prefix, std::size_t from = 0,
                                        std::size_t to = std::string::npos) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < std::min(to, log.size()); ++i)
        if (StartsWith(log[i], prefix)) out.push_back(log[i]);
    return out;
}

inline std::size_t CountOf(const std::vector<std::string>& log, const std::string& line) {
    return IndicesOf(log, line).size();
}

// Nothing drawn or painted above the prompt strip from log line `from` on.
inline void ExpectNothingAboveThePromptStrip(const std::vector<std::string>& log,
                                             std::size_t from) {
    for (std::size_t i = from; i < log.size(); ++i) {
        Extent e;
        if (StartsWith(log[i], "PsLINE ")) {
            auto n = Numbers(log[i]);
            EXPECT_GE(std::min(n[1], n[3]), 600) << log[i];
        } else if (ExtentOf(log[i], e)) {
            EXPECT_GE(e.top, 600) << log[i];
        }
    }
}

// The window paints of the menu and the items.
inline const std::string& kMenuPanel = kPanel;
const std::string kItemClear = "PsLINE 0 0 1320 1300 15 2 15 pen=3";
const std::string kAnswerClear = "PsLINE 0 0 1760 1300 15 2 15 pen=3";

}  // namespace tessarin_testing
