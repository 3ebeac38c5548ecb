// The run-time operations that lesson code calls: drawing into the canvas,
// text, fonts and pen, keyboard, clock, random numbers, pause and program end.
// Every operation first services the window (so it repaints and can be
// closed at any moment) and may log itself as one line of text.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <random>
#include <source_location>
#include <string>
#include <vector>

#include "surface/number.h"
#include "surface/strings.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace surface {

constexpr int kCanvasWidth = 1440;  // window units
constexpr int kCanvasHeight = 900;

// Unwinds the program to its top: PsEND, the window closing, or (headless)
// the scripted keys running out.
struct Stop {
    enum Kind { kEnd, kWindowClosed, kKeysUsedUp } kind;
};

// What the platform under the surface provides: a window or nothing.
class Backend {
public:
    virtual ~Backend() = default;
    // Canvas pixels per window unit (1 headless; the screen's scale in a window).
    virtual double Scale() const = 0;
    // Handles pending window events and shows the canvas if it changed.
    // Throws Stop{kWindowClosed} when the window has been closed.
    virtual void Service(bool canvas_changed) = 0;
    // The oldest waiting key, if any.
    virtual std::optional<Str> TakeKey() = 0;
    // Nothing to do until an event comes: shows the canvas, then blocks
    // briefly (a window) or stops the run (headless, keys used up).
    virtual void Idle() = 0;
    virtual void Pause(int units) = 0;
    // Services the window, idle, until it is closed (then throws
    // Stop{kWindowClosed}); headless, the run stops at once.
    virtual void WaitUntilClosed() = 0;
    virtual std::string Clock() = 0;  // "HH:MM:SS"
    // Called once the canvas exists, so the backend can show it.
    virtual void Attach(cairo_surface_t* canvas) { (void)canvas; }
    // The canvas pixels in [x0, x1) x [y0, y1) have changed: a window
    // copies only these to the screen.
    virtual void Changed(int x0, int y0, int x1, int y1) {
        (void)x0, (void)y0, (void)x1, (void)y1;
    }
};

// A point of PsCONNECT; an offset point is relative to the previous point.
struct Pt {
    double x, y;
    bool offset = false;
};

// Fonts could not be found: what is missing and how to install it.
struct MissingFont {
    std::string message;
};

class Surface {
public:
    // Starts the surface on a backend; finds the fonts (throws MissingFont).
    static Surface& Start(std::unique_ptr<Backend> backend);
    static Surface& Get();
    static void Shutdown();
    ~Surface();

    Backend& backend() { return *backend_; }
    cairo_surface_t* canvas() { return canvas_; }
    double scale() const { return scale_; }

    // Operation log: one line per operation while enabled.
    void EnableLog(bool on) { log_on_ = on; }
    // Whether lines are kept: drawing skips building a line nobody keeps.
    bool log_on() const { return log_on_; }
    const std::vector<std::string>& log() const { return log_; }
    void ClearLog() { log_.clear(); }
    void Log(std::string line);

    // Measuring: text and drawing only advance callers' pens; nothing is
    // rasterised or logged.
    void SetMeasuring(bool on) { measuring_ = on; }
    bool measuring() const { return measuring_; }

    // Random numbers handed out first, before the generator's own sequence.
    void QueueRandom(std::vector<double> values);

    // Pixel of the canvas at window-unit point (x, y), as 0xRRGGBB.
    std::uint32_t PixelAt(double x, double y);
    bool WritePng(const std::string& path);

    // State read by the operations.
    void Service();
    // Ends an operation that drew: what it drew is the box it reported with
    // Touched, or, when it reported none, the whole canvas.
    void MarkChanged();
    // The drawing about to be done lies within this box of cr()'s current
    // user space.
    void Touched(double x0, double y0, double x1, double y1);
    cairo_t* cr() { return cr_; }
    double pen_width() const { return pen_width_; }
    void set_pen_width(double w) { pen_width_ = w; }
    struct Font {
        Str face;
        double size = 16;
        bool bold = false;
        bool italic = false;
    };
    Font& font() { return font_; }
    std::mt19937& rng() { return rng_; }
    std::deque<float>& queued_random() { return queued_random_; }
    // The cell of the last character drawn, in window units: a point or a
    // comma drawn right beside it sits on its baseline.
    struct LastCell {
        double right = 0, top = 0, bottom = 0, baseline = 0;
        bool valid = false;  // drawn in the gothic face, whose baseline a point shares
    };
    LastCell& last_cell() { return last_cell_; }

private:
    explicit Surface(std::unique_ptr<Backend> backend);
    std::unique_ptr<Backend> backend_;
    double scale_ = 1;
    cairo_surface_t* canvas_ = nullptr;
    void* canvas_pixels_ = nullptr;  // the canvas's own memory, when mapped here
    std::size_t canvas_bytes_ = 0;
    cairo_t* cr_ = nullptr;
    bool changed_ = true;
    bool touched_ = false;  // the current operation reported its box
    bool log_on_ = false;
    bool measuring_ = false;
    std::vector<std::string> log_;
    double pen_width_ = 1;
    Font font_;
    std::mt19937 rng_;
    std::deque<float> queued_random_;
    LastCell last_cell_;
};

// Puts the surface into measuring mode for one pass and back to what it was
// afterwards, also when a run-time error unwinds through the pass, so that
// the error screen is drawn for real.
class MeasuringPass {
public:
    MeasuringPass() : was_(Surface::Get().measuring()) { Surface::Get().SetMeasuring(true); }
    ~MeasuringPass() { Surface::Get().SetMeasuring(was_); }
    MeasuringPass(const MeasuringPass&) = delete;
    MeasuringPass& operator=(const MeasuringPass&) = delete;

private:
    bool was_;
};

// 0xRRGGBB of palette index 0..15; 15 is the background.
std::uint32_t PaletteColor(int index);

// Formats a number for the log: the shortest text that reads back as the
// same single.
std::string LogNumber(double v);

// ---- statement prologue and control ----
void PbCheckAll();            // service pending window events
[[noreturn]] void PsEND();    // end of the program
void PsWAIT(double units);    // pause between animation frames
void IdleWait();              // service events without spinning: for a loop that only waits

// ---- graphics ----
void PsLINE(double x1, double y1, bool offset, double x2, double y2, double colour, double mode,
            double fill, std::source_location where = std::source_location::current());
void PsCIRCLE(double x, double y, double r, double colour, double aspect, double start,
              double end, bool filled, double fill,
              std::source_location where = std::source_location::current());
void PsCONNECT(std::initializer_list<Pt> points, double colour, bool paint, double paint_colour,
               std::source_location where = std::source_location::current());
void PsCONNECT(const std::vector<Pt>& points, double colour, bool paint, double paint_colour,
               std::source_location where = std::source_location::current());
void PsSYMBOL40(double x, double y, const Str& text, double h, double v, double colour,
                std::source_location where = std::source_location::current());
void PsCLS();

// ---- window, font and pen (first argument always 0) ----
void FE_SETMAPMODE(int window, int mode);
void FE_MAXIMIZEWINDOW(int window);
void FE_SETFONTNAME(int window, const Str& face);
void FE_SETFONTSIZE(int window, double size,
                    std::source_location where = std::source_location::current());
void FE_SETFONTBOLD(int window, double on);
void FE_SETFONTITALIC(int window, double on);
void FE_SETDRAWWIDTH(int window, double width,
                     std::source_location where = std::source_location::current());
double FE_GETDRAWWIDTH(int window);

// ---- keyboard, clock, random ----
Str PfINKEY24();   // never waits: the oldest waiting key, or ""
Str PfTIME24();    // "HH:MM:SS"
void PaRandomize(double seed, std::source_location where = std::source_location::current());
double PaRnd();    // uniform in [0, 1), a single-precision value

}  // namespace surface
