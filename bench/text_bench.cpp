// Cost of lesson text, headless: a 40-character line with two stacked
// fractions (each fraction measures its parts), measuring alone, and a boxed
// text, which measures and then draws.
#include <benchmark/benchmark.h>

#include <memory>

#include "geometry/geometry.h"
#include "surface/headless.h"
#include "surface/surface.h"

namespace {

struct BenchProgram : geometry::Geometry {
    BenchProgram() : Geometry("Bench", true) {}
    void MainMenu() override {}
};

// 40 characters with two stacked fractions.
const char* const kLine = "ﾀ3/5ﾀx+ﾀ1/5ﾀx=4x-2y+1　項と係数を答えよ。2a-3b+c=0";

class Fixture {
public:
    Fixture() {
        surface::Surface::Start(std::make_unique<surface::HeadlessBackend>());
        surface::FE_SETFONTNAME(0, surface::Utf8ToCp932("ｺﾞｼｯｸ"));
        surface::FE_SETFONTSIZE(0, 16);
        surface::FE_SETDRAWWIDTH(0, 3);
        line_ = surface::Utf8ToCp932(kLine);
        p_.CCC1 = 4;
    }
    ~Fixture() { surface::Surface::Shutdown(); }
    BenchProgram& p() { return p_; }
    const surface::Str& line() const { return line_; }

private:
    BenchProgram p_;
    surface::Str line_;
};

void BM_DrawLineWithTwoFractions(benchmark::State& state) {
    Fixture f;
    auto& p = f.p();
    for (auto _ : state) {
        p.X = 40;
        p.Y = 300;
        p.AA_s = f.line();
        p.DrawMessage();
        benchmark::DoNotOptimize(p.X);
    }
    state.counters["chars"] = surface::PfKLEN(f.line());
}
BENCHMARK(BM_DrawLineWithTwoFractions)->Unit(benchmark::kMicrosecond);

void BM_MeasureLineWithTwoFractions(benchmark::State& state) {
    Fixture f;
    auto& p = f.p();
    for (auto _ : state) {
        p.A_s = f.line();
        p.MeasureTextWidth();
        benchmark::DoNotOptimize(p.LLT);
    }
}
BENCHMARK(BM_MeasureLineWithTwoFractions)->Unit(benchmark::kMicrosecond);

void BM_TextBoxWithFraction(benchmark::State& state) {
    Fixture f;
    auto& p = f.p();
    const surface::Str text = surface::Utf8ToCp932("ﾀ10x+5/5ﾀ=2x+1");
    for (auto _ : state) {
        p.X = 100;
        p.Y = 200;
        p.HABA = 400;
        p.TATE = 70;
        p.CCC2 = 3;
        p.CCC3 = 13;
        p.A_s = text;
        p.DrawTextBox();
        benchmark::DoNotOptimize(p.X);
    }
}
BENCHMARK(BM_TextBoxWithFraction)->Unit(benchmark::kMicrosecond);

// A screen of twelve such lines.
void BM_ScreenOfTwelveLines(benchmark::State& state) {
    Fixture f;
    auto& p = f.p();
    for (auto _ : state) {
        for (int i = 0; i < 12; ++i) {
            p.X = 40;
            p.Y = 60 + 65 * i;
            p.AA_s = f.line();
            p.DrawMessage();
        }
        benchmark::DoNotOptimize(p.X);
    }
}
BENCHMARK(BM_ScreenOfTwelveLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
