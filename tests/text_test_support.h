// Shared helpers of the lesson-text tests.
#pragma once

#include <string>
#include <vector>

#include "surface/strings.h"
#include "tests/harness.h"

namespace text_testing {

// A fixture with a program object whose pen starts at (100, 200) in colour
// 4, with pen width 3, as the lessons leave it.
class TextTest : public testing_support::SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        surface::FE_SETDRAWWIDTH(0, 3);
        P().X = 100;
        P().Y = 200;
        P().CCC1 = 4;
        P().CCC2 = 2;
    }
    testing_support::TestProgram& P() { return brenvale_ ? ke_ : plain_; }
    // Switches to a program whose renderer draws "ｹ" as an ordinary glyph.
    void UseProgramWithoutStroke() {
        plain_.X = ke_.X;
        plain_.Y = ke_.Y;
        plain_.CCC1 = ke_.CCC1;
        plain_.CCC2 = ke_.CCC2;
        brenvale_ = false;
    }
    // Every log line that draws something (text, lines, polylines).
    std::vector<std::string> Drawn() {
        std::vector<std::string> out;
        for (const auto& l : Log())
            if (l.rfind("PsSYMBOL40", 0) == 0 || l.rfind("PsLINE", 0) == 0 ||
                l.rfind("PsCONNECT", 0) == 0)
                out.push_back(l);
        return out;
    }
    // The cp932 text of a UTF-8 literal.
    static surface::Str Sj(const std::string& utf8) { return surface::Utf8ToCp932(utf8); }

private:
    testing_support::TestProgram ke_{true};
    testing_support::TestProgram plain_{false};
    bool brenvale_ = true;
};

// A PsSYMBOL40 log line in the gothic face used by the formula renderers.
inline std::string Glyph(const std::string& xy, const std::string& text, const std::string& mag,
                         const std::string& rest = "4 font=\"ゴシック\" size=16 bold=1 italic=0") {
    return "PsSYMBOL40 " + xy + " \"" + text + "\" " + mag + " " + rest;
}

}  // namespace text_testing
