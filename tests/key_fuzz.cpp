// Random keys through the headless programs: digits and Enter walk into the
// menus, items, prompts and drills, and every other key a teacher's fingers
// can find is mixed in. A run fails on a crash, a sanitizer report, a hang,
// the error screen, or a drawing operation that lies off the window.
//
// usage: key_fuzz [--program NAME] [--seed S] [--chunks N] [--keys K]
//                 [--total T] [--timeout SECONDS]
//   Each chunk is one run of a fresh program with K random keys and a
//   random clock; chunk c of seed S is the same wherever it runs. --total
//   goes on until T keys have been read per program (a program that ends
//   leaves the rest of its chunk unread). Without --program all three run.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "surface/surface.h"
#include "tools/replay.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define HAVE_SANITIZER_CALLBACK 1
#endif

namespace {

// What runs now, for the report of a crash or a hang.
char g_chunk[160] = "before the first chunk";

void Say(const char* what) {
    const char* head = "key_fuzz: ";
    (void)!write(2, head, std::strlen(head));
    (void)!write(2, what, std::strlen(what));
    (void)!write(2, g_chunk, std::strlen(g_chunk));
    (void)!write(2, "\n", 1);
}

void OnHang(int) {
    Say("hang (no end and no poll for the keys) in ");
    _exit(1);
}

void OnCrash(int sig) {
    Say("crash in ");
    signal(sig, SIG_DFL);
    raise(sig);
}

#ifdef HAVE_SANITIZER_CALLBACK
void OnSanitizerDeath() { Say("sanitizer report in "); }
#endif

// One key of the script, drawn with the weights a class's typing might have.
std::string RandomKey(std::mt19937& rng) {
    static const char* const others[] = {"-", ".", "/", "{bs}", "{del}", "{esc}", "a", "x",
                                         "Q", "z", " ", "１", "あ", "漢", "－", "{scan 82}",
                                         "{scan 58}", "{scan 43}", "0"};
    int roll = std::uniform_int_distribution<int>(0, 99)(rng);
    if (roll < 30) return std::string(1, static_cast<char>('1' + rng() % 9));
    if (roll < 38) return "1";  // ends drills, so the walk moves on
    if (roll < 68) return "{enter}";
    if (roll < 70) {  // a long run of digits
        std::string run;
        for (int n = 10 + rng() % 30; n > 0; --n) run += static_cast<char>('0' + rng() % 10);
        return run;
    }
    return others[rng() % (sizeof others / sizeof *others)];
}

struct Chunk {
    std::string clock, keys;
    std::size_t count = 0;
};

Chunk MakeChunk(unsigned seed, unsigned index, std::size_t count) {
    std::seed_seq seq{seed, index, 0x6b657973u};
    std::mt19937 rng(seq);
    Chunk c;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02u:%02u:%02u", unsigned(rng() % 24), unsigned(rng() % 60),
                  unsigned(rng() % 60));
    c.clock = clock;
    while (c.count < count) {
        std::string k = RandomKey(rng);
        c.keys += k;
        c.count += k.size() > 1 && k[0] >= '0' && k[0] <= '9' ? k.size() : 1;
    }
    return c;
}

// An operation whose whole extent lies outside the window shows nothing: a
// lesson that draws there has lost its place. A text's extent is its cells,
// magnified (a formula letter is drawn from above the pen: it still shows).
std::string OffWindow(const std::vector<std::string>& log) {
    const double w = surface::kCanvasWidth, h = surface::kCanvasHeight;
    auto outside = [&](double x0, double y0, double x1, double y1) {
        if (x0 > x1) std::swap(x0, x1);
        if (y0 > y1) std::swap(y0, y1);
        return x1 < 0 || y1 < 0 || x0 >= w || y0 >= h;
    };
    for (const std::string& line : log) {
        std::istringstream in(line);
        std::string op;
        in >> op;
        if (op == "PsLINE") {
            double x1, y1, x2, y2;
            in >> x1 >> y1 >> x2 >> y2;
            if (outside(x1, y1, x2, y2)) return line;
        } else if (op == "PsCIRCLE") {
            double x, y, r;
            in >> x >> y >> r;
            if (outside(x - r, y - r, x + r, y + r)) return line;
        } else if (op == "PsCONNECT") {
            int n;
            in >> n;
            double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
            for (int i = 0; i < n; ++i) {
                double x, y;
                in >> x >> y;
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
            if (outside(x0, y0, x1, y1)) return line;
        } else if (op == "PsSYMBOL40") {
            double x, y, across = 1, down = 1, size = 16;
            in >> x >> y;
            std::size_t close = line.find("\" ", line.find('"') + 1);
            std::size_t at = line.find("size=");
            if (close == std::string::npos || at == std::string::npos) return line;
            std::istringstream(line.substr(close + 2)) >> across >> down;
            size = std::stod(line.substr(at + 5));
            const double chars = static_cast<double>(close - line.find('"') - 1);  // bytes, at most
            if (outside(x, y, x + size * across * chars, y + size * down)) return line;
        }
    }
    return {};
}

struct Totals {
    std::size_t chunks = 0, keys = 0, ends = 0, failures = 0;
};

bool RunChunk(const std::string& program, unsigned seed, unsigned index, std::size_t count,
              unsigned timeout, Totals& totals) {
    Chunk c = MakeChunk(seed, index, count);
    std::snprintf(g_chunk, sizeof g_chunk, "%s, seed %u, chunk %u (%zu keys)", program.c_str(),
                  seed, index, count);
    replay::Options o;
    o.program = program;
    o.keys = c.keys;
    o.clock = c.clock;
    alarm(timeout);
    replay::Result r = replay::Run(o);
    alarm(0);
    surface::Surface::Shutdown();
    ++totals.chunks;
    totals.keys += c.count - std::min(c.count, r.keys_left);
    if (r.kind == replay::Result::kEnded) ++totals.ends;
    std::string fault;
    if (r.kind == replay::Result::kErrorScreen) fault = "error screen: " + *r.error_report;
    else if (std::string off = OffWindow(r.log); !off.empty()) fault = "off the window: " + off;
    if (fault.empty()) return true;
    ++totals.failures;
    std::fprintf(stderr, "FAIL %s: %s\n  replay %s --clock %s --keys '%s'\n", g_chunk,
                 fault.c_str(), program.c_str(), c.clock.c_str(), c.keys.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> programs = {"brenvale", "morquist", "tessarin"};
    unsigned seed = 1, chunks = 20, timeout = 60;
    std::size_t keys = 400, total = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i], v = argv[i + 1];
        if (a == "--program") programs = {v};
        else if (a == "--seed") seed = static_cast<unsigned>(std::stoul(v));
        else if (a == "--chunks") chunks = static_cast<unsigned>(std::stoul(v));
        else if (a == "--keys") keys = std::stoul(v);
        else if (a == "--total") total = std::stoul(v);
        else if (a == "--timeout") timeout = static_cast<unsigned>(std::stoul(v));
        else {
            std::fprintf(stderr, "key_fuzz: unknown option %s\n", a.c_str());
            return 2;
        }
    }
    signal(SIGALRM, OnHang);
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGABRT, SIGILL}) signal(sig, OnCrash);
#ifdef HAVE_SANITIZER_CALLBACK
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
    std::size_t failures = 0;
    for (const std::string& program : programs) {
        Totals t;
        auto start = std::chrono::steady_clock::now();
        for (unsigned c = 0; total ? t.keys < total : c < chunks; ++c)
            RunChunk(program, seed, c, keys, timeout, t);
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s: %zu runs, %zu keys read, %zu ended by the menu, %zu failed, %.1f s\n",
                    program.c_str(), t.chunks, t.keys, t.ends, t.failures, s);
        std::fflush(stdout);
        failures += t.failures;
    }
    return failures == 0 ? 0 : 1;
}
