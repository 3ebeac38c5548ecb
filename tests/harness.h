// Shared test scaffolding: a headless surface with its operation log, and a
// program object whose routines tests call directly.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/geometry.h"
#include "surface/headless.h"
#include "surface/surface.h"

namespace testing_support {

// Runs a shell command; its exit status and what it printed (both streams).
struct Ran {
    int status;
    std::string out;
};
inline Ran RunCommand(const std::string& cmd) {
    FILE* p = popen((cmd + " 2>&1").c_str(), "r");
    std::string out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    int status = pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// A program with every framework routine and no menu of its own.
struct TestProgram : geometry::Geometry {
    explicit TestProgram(bool ke_stroke = true) : Geometry("Test", ke_stroke) {}
    void MainMenu() override {}
};

// One PsSYMBOL40 line of the operation log.
struct Drawn {
    double x = 0, y = 0;
    std::string text;  // UTF-8
    int colour = -1;
};

inline bool IsText(const std::string& line) { return line.rfind("PsSYMBOL40 ", 0) == 0; }

inline Drawn ParseText(const std::string& line) {
    Drawn d;
    std::istringstream head(line.substr(11));
    head >> d.x >> d.y;
    auto open = line.find('"');
    auto close = line.find("\" ", open + 1);
    d.text = line.substr(open + 1, close - open - 1);
    std::istringstream tail(line.substr(close + 2));
    int h, v;
    tail >> h >> v >> d.colour;
    return d;
}

// The texts drawn by log lines from..to, in the order drawn.
inline std::vector<Drawn> TextsIn(const std::vector<std::string>& log, std::size_t from = 0,
                                  std::size_t to = std::string::npos) {
    std::vector<Drawn> out;
    for (std::size_t i = from; i < std::min(to, log.size()); ++i)
        if (IsText(log[i])) out.push_back(ParseText(log[i]));
    return out;
}

// The numbers of a log line after its operation name; "pen=W" gives W.
inline std::vector<double> LogNumbers(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    std::vector<double> out;
    in >> word;
    while (in >> word) {
        if (word.rfind("pen=", 0) == 0) word = word.substr(4);
        out.push_back(std::stod(word));
    }
    return out;
}

// The code of the run-time error that `run` raises, or -1 for none.
template <typename F>
int RuntimeErrorCode(F run) {
    try {
        run();
    } catch (const surface::RuntimeError& e) {
        return e.code;
    }
    return -1;
}

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override { StartSurface({}); }
    void TearDown() override { surface::Surface::Shutdown(); }

    // Restarts the surface with scripted keys (see surface::ParseKeys).
    void StartSurface(const std::string& keys,
                      std::vector<std::string> clock = {"09:00:00"}) {
        auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
            surface::ParseKeys(keys), std::move(clock)));
        s.EnableLog(true);
    }

    surface::Surface& S() { return surface::Surface::Get(); }
    const std::vector<std::string>& Log() { return S().log(); }
    // The log lines that begin with `prefix`.
    std::vector<std::string> LogLines(const std::string& prefix) {
        std::vector<std::string> out;
        for (const auto& l : Log())
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
};

}  // namespace testing_support
