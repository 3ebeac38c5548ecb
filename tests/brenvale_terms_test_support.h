// Helpers of the chapter 1 tests: runs through replay; the log readers are
// those of every program's tests.
#pragma once

#include <string>
#include <vector>

#include "brenvale/brenvale.h"
#include "tests/lesson_log.h"
#include "tools/replay.h"

namespace terms_testing {

using namespace lesson_log;

// A run of Brenvale through replay with the caller's program object, so that
// a test can read the registers it leaves.
inline replay::Result RunBrenvale(brenvale::Brenvale& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    replay::Options o;
    o.program = "brenvale";
    o.keys = keys;
    o.random = std::move(random);
    o.clock = clock;
    return replay::Run(o, program);
}

// Chapter 1's item line starts here.
inline bool IsItemLineStart(const std::string& line) {
    return StartsWith(line, "PsSYMBOL40 16 666 \"①\"");
}

}  // namespace terms_testing
