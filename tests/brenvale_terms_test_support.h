// Helpers of the chapter 1 tests: runs of Brenvale through replay; the log
// readers they use are shared with the other chapters' tests.
#pragma once

#include <string>
#include <vector>

#include "brenvale/brenvale.h"
#include "tests/log_reading.h"
#include "tools/replay.h"

namespace terms_testing {

using namespace log_reading;

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

}  // namespace terms_testing
