// Shared test scaffolding: a headless surface with its operation log, and a
// program object whose routines tests call directly.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include <memory>
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
