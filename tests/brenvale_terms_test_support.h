// Helpers of the chapter 1 tests: runs of Brenvale through replay; the log
// readers are those of every program's tests.
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
    return RunProgram(program, "brenvale", keys, std::move(random), clock);
}

}  // namespace terms_testing
