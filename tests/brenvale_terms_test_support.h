// Helpers of the Brenvale chapter 1 tests: runs through replay with the
// test's program object, and the start of the chapter's item line. The log
// readers come from tests/lesson_log.h.
#pragma once

#include <string>
#include <vector>

#include "brenvale/brenvale.h"
#include "tests/lesson_log.h"
#include "tools/replay.h"

namespace terms_testing {

using namespace lesson_log;

// A run of Brenvale through replay with the caller's program object.
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
