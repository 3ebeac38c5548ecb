// Helpers of the chapter 1 tests: runs of Brenvale through replay; the log
// readers they use are shared with the other chapters' tests.
#pragma once

#include <string>
#include <vector>

#include "brenvale/brenvale.h"
#include "tests/chapter_test_support.h"

namespace terms_testing {

using namespace chapter_testing;

// A run of Brenvale through replay with the caller's program object, so that
// a test can read the registers it leaves.
inline replay::Result RunBrenvale(brenvale::Brenvale& program, const std::string& keys,
                                  std::vector<double> random = {},
                                  const std::string& clock = "09:00:00") {
    return RunProgram(program, "brenvale", keys, std::move(random), clock);
}

}  // namespace terms_testing
