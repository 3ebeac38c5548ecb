// Helpers of the chapter 1 tests: runs of Brenvale through replay and the
// start of its item line; the readers of the log are shared.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brenvale/brenvale.h"
#include "tests/harness.h"
#include "tests/log_support.h"
#include "tools/replay.h"

namespace terms_testing {

using namespace testing_support;

inline replay::Result RunBrenvale(brenvale::Brenvale& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    return RunProgram(program, "brenvale", keys, std::move(random), clock);
}

// Chapter 1's item line starts here.
inline bool IsItemLineStart(const std::string& line) {
    return StartsWith(line, "PsSYMBOL40 16 666 \"①\"");
}

}  // namespace terms_testing
