#include "surface/surface.h"

#include <cairo.h>
#include <sys/mman.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "surface/fonts.h"

namespace surface {

namespace {

std::unique_ptr<Surface> g_surface;

// Chosen for a classroom projector on the white background 15. Every pair
// of text colour and ground that the lessons draw reads at a contrast of at
// least 3:1, and the prompt line's small texts at 4.5:1: the pink 13 on the
// dark panel 10, the fills 3, 5, 6 and 8 and white; the teal 3, the purple 5
// and the grey 7 on white, 5 on the pink, grey and yellow cells; the pale
// yellow 9 on the red 4 and blue 12 prompt boxes. The table of these pairs
// is walked by a test.
constexpr std::uint32_t kPalette[16] = {
    0x000000,  // 0 black
    0x0000A8,  // 1 navy
    0x008000,  // 2 green
    0x004C58,  // 3 dark teal
    0xC00018,  // 4 red
    0x5C0F72,  // 5 dark purple
    0x4A2E00,  // 6 dark brown
    0x858585,  // 7 grey
    0x3A434C,  // 8 slate
    0xFFF5A0,  // 9 pale yellow
    0x0B3D1E,  // 10 dark green
    0x60E0E0,  // 11 light cyan
    0x1D4FB0,  // 12 blue
    0xF8539F,  // 13 pink
    0xE0A800,  // 14 gold
    0xFFFFFF,  // 15 white: the background
};

void SetColour(cairo_t* cr, int index) {
    std::uint32_t c = kPalette[index];
    cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                         (c & 0xFF) / 255.0);
}

int Colour(double c, const std::source_location& where) {
    int k = ToInt(c, where);
    if (k < 0 || k > 15) Raise(kErrInvalidArgument, where);
    return k;
}

// The half-width ".", "," and "'" are placed by the surface, not by the face.
// Lesson text leaves a point the first 11 units of its 24-unit cell (at 3
// across) before the next glyph starts; the face centres it further right,
// under the foot of that glyph. Their ink goes in the middle of the gap from
// the end of the cell before them (their own cell's start when that lies
// further left) to that point of their cell.
constexpr double kGapEnd = 11.0 / 24;

bool IsMark(char32_t cp) { return cp == U'.' || cp == U',' || cp == U'\''; }

// How far apart, in window units, the end of one cell and the start of a
// mark's may lie for the mark to stand beside that character: the renderers
// draw a point up to 3 units into the cell before it.
constexpr double kBeside = 4;

std::string Quote(const Str& text) { return "\"" + Cp932ToUtf8(text) + "\""; }

std::string PenSuffix(const Surface& s) { return " pen=" + LogNumber(s.pen_width()); }

void Stroke(Surface& s, int colour) {
    // Round caps and joins keep the stroke within half the pen of its path;
    // the path's extents also hold any fill drawn from it.
    double x0, y0, x1, y1;
    cairo_path_extents(s.cr(), &x0, &y0, &x1, &y1);
    double half = s.pen_width() / 2;
    s.Touched(x0 - half, y0 - half, x1 + half, y1 + half);
    SetColour(s.cr(), colour);
    cairo_set_line_width(s.cr(), s.pen_width());
    cairo_stroke(s.cr());
}

void FillThenStroke(Surface& s, int fill, int colour) {
    SetColour(s.cr(), fill);
    cairo_fill_preserve(s.cr());
    Stroke(s, colour);
}

}  // namespace

std::uint32_t PaletteColor(int index) { return kPalette[index & 15]; }

std::string LogNumber(double v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
    std::string out(buf, r.ptr);
    return out == "-0" ? "0" : out;
}

Surface::Surface(std::unique_ptr<Backend> backend) : backend_(std::move(backend)) {
    Fonts::Get();  // fails early, with its message, when a font is missing
    scale_ = backend_->Scale();
    int w = static_cast<int>(std::lround(kCanvasWidth * scale_));
    int h = static_cast<int>(std::lround(kCanvasHeight * scale_));
    // Megabytes of pixels, all written when the first screen is painted:
    // asked for in large pages, they arrive in a few page faults instead of
    // thousands, which shortens the start.
    int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, w);
    canvas_bytes_ = static_cast<std::size_t>(stride) * h;
    void* pixels = mmap(nullptr, canvas_bytes_, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pixels != MAP_FAILED) {
        madvise(pixels, canvas_bytes_, MADV_HUGEPAGE);
        canvas_pixels_ = pixels;
        canvas_ = cairo_image_surface_create_for_data(static_cast<unsigned char*>(pixels),
                                                      CAIRO_FORMAT_RGB24, w, h, stride);
    } else {
        canvas_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    }
    cr_ = cairo_create(canvas_);
    cairo_scale(cr_, scale_, scale_);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    // Shapes are erased by drawing them again in the background colour:
    // with smoothed edges that would leave a faint ring, so shapes get hard
    // edges. Text keeps its smoothing (it is erased with boxes).
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    SetColour(cr_, 15);
    cairo_paint(cr_);
    backend_->Attach(canvas_);
}

Surface::~Surface() {
    cairo_destroy(cr_);
    cairo_surface_destroy(canvas_);
    if (canvas_pixels_) munmap(canvas_pixels_, canvas_bytes_);
}

Surface& Surface::Start(std::unique_ptr<Backend> backend) {
    g_surface.reset();
    g_surface.reset(new Surface(std::move(backend)));
    return *g_surface;
}

Surface& Surface::Get() {
    if (!g_surface) throw std::logic_error("surface not started");
    return *g_surface;
}

void Surface::Shutdown() { g_surface.reset(); }

void Surface::Log(std::string line) {
    if (log_on_ && !measuring_) log_.push_back(std::move(line));
}

void Surface::QueueRandom(std::vector<double> values) {
    for (double v : values) {
        float f = static_cast<float>(v);
        // A value that rounds up to 1 as a single would leave [0, 1).
        if (f >= 1.0f) f = std::nextafter(1.0f, 0.0f);
        if (f < 0.0f) f = 0.0f;
        queued_random_.push_back(f);
    }
}

std::uint32_t Surface::PixelAt(double x, double y) {
    cairo_surface_flush(canvas_);
    int px = static_cast<int>(std::floor(x * scale_));
    int py = static_cast<int>(std::floor(y * scale_));
    int w = cairo_image_surface_get_width(canvas_), h = cairo_image_surface_get_height(canvas_);
    if (px < 0 || py < 0 || px >= w || py >= h) return 0;
    const unsigned char* data = cairo_image_surface_get_data(canvas_);
    int stride = cairo_image_surface_get_stride(canvas_);
    auto* row = reinterpret_cast<const std::uint32_t*>(data + py * stride);
    return row[px] & 0xFFFFFF;
}

bool Surface::WritePng(const std::string& path) {
    cairo_surface_flush(canvas_);
    return cairo_surface_write_to_png(canvas_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void Surface::MarkChanged() {
    if (!touched_)
        backend_->Changed(0, 0, cairo_image_surface_get_width(canvas_),
                          cairo_image_surface_get_height(canvas_));
    touched_ = false;
    changed_ = true;
}

void Surface::Touched(double x0, double y0, double x1, double y1) {
    double xs[4] = {x0, x1, x0, x1}, ys[4] = {y0, y0, y1, y1};
    double lx = 1e300, ly = 1e300, hx = -1e300, hy = -1e300;
    for (int i = 0; i < 4; ++i) {
        cairo_user_to_device(cr_, &xs[i], &ys[i]);
        lx = std::min(lx, xs[i]);
        hx = std::max(hx, xs[i]);
        ly = std::min(ly, ys[i]);
        hy = std::max(hy, ys[i]);
    }
    // Two pixels more each way for the smoothed edges of text.
    int w = cairo_image_surface_get_width(canvas_), h = cairo_image_surface_get_height(canvas_);
    auto clip = [](double v, int hi) {
        return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(hi)));
    };
    int px0 = clip(std::floor(lx) - 2, w), px1 = clip(std::ceil(hx) + 2, w);
    int py0 = clip(std::floor(ly) - 2, h), py1 = clip(std::ceil(hy) + 2, h);
    if (px0 < px1 && py0 < py1) backend_->Changed(px0, py0, px1, py1);
    touched_ = true;
}

void Surface::Service() {
    touched_ = false;
    backend_->Service(changed_);
    changed_ = false;
}

// ---- statement prologue and control ----

void PbCheckAll() { Surface::Get().Service(); }

void PsEND() {
    Surface::Get().Service();
    throw Stop{Stop::kEnd};
}

void PsWAIT(double units) {
    Surface& s = Surface::Get();
    s.Log("PsWAIT " + LogNumber(units));
    s.Service();
    s.backend().Pause(static_cast<int>(units));
}

void IdleWait() {
    Surface& s = Surface::Get();
    s.Service();
    s.backend().Idle();
}

// ---- graphics ----

void PsLINE(double x1, double y1, bool offset, double x2, double y2, double colour, double mode,
            double fill, std::source_location where) {
    Surface& s = Surface::Get();
    s.Service();
    int c = Colour(colour, where);
    int m = ToInt(mode, where);
    if (m < 0 || m > 2) Raise(kErrInvalidArgument, where);
    int f = m == 2 ? Colour(fill, where) : 0;
    if (offset) {
        x2 += x1;
        y2 += y1;
    }
    if (s.measuring()) return;
    if (s.log_on())
        s.Log("PsLINE " + LogNumber(x1) + " " + LogNumber(y1) + " " + LogNumber(x2) + " " +
              LogNumber(y2) + " " + std::to_string(c) + " " + std::to_string(m) + " " +
              std::to_string(f) + PenSuffix(s));
    cairo_t* cr = s.cr();
    if (m == 0) {
        cairo_move_to(cr, x1, y1);
        cairo_line_to(cr, x2, y2);
        Stroke(s, c);
    } else {
        cairo_rectangle(cr, std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1),
                        std::fabs(y2 - y1));
        if (m == 1)
            Stroke(s, c);
        else
            FillThenStroke(s, f, c);
    }
    s.MarkChanged();
}

void PsCIRCLE(double x, double y, double r, double colour, double aspect, double start,
              double end, bool filled, double fill, std::source_location where) {
    Surface& s = Surface::Get();
    s.Service();
    int c = Colour(colour, where);
    int f = filled ? Colour(fill, where) : 0;
    if (!(aspect > 0)) Raise(kErrInvalidArgument, where);
    if (s.measuring()) return;
    s.Log("PsCIRCLE " + LogNumber(x) + " " + LogNumber(y) + " " + LogNumber(r) + " " +
          std::to_string(c) + " " + LogNumber(aspect) + " " + LogNumber(start) + " " +
          LogNumber(end) + " " + (filled ? "1" : "0") + " " + std::to_string(f) + PenSuffix(s));
    if (r < 0) return;  // nothing to draw
    // The aspect shortens one radius: below 1 the vertical, above 1 the horizontal.
    double rx = aspect < 1 ? r : r / aspect;
    double ry = aspect < 1 ? r * aspect : r;
    cairo_t* cr = s.cr();
    bool whole = start == 0 && end == 0;
    // Fractions of a full turn, clockwise as seen from the right-pointing
    // direction; with y downwards, cairo's angles run the same way.
    const double turn = 2 * std::numbers::pi;
    const double a0 = whole ? 0 : start * turn, a1 = whole ? turn : end * turn;
    const double half_pen = s.pen_width() / 2;
    if (std::min(rx, ry) < half_pen) {
        // A pen wider than the shape: the stroke's inner edge would turn
        // inside out and leave a hole, so small dots came out as rings. The
        // stroke is every point within half a pen of the outline, so it is
        // painted as that: discs along the outline (a sector's radii
        // included); it covers the inside too, so no fill shows.
        double sweep = whole ? turn : (a1 > a0 ? a1 - a0 : a1 - a0 + turn);
        auto disc = [&](double cx, double cy) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy, half_pen, 0, turn);
        };
        // Points a quarter unit apart, or closer.
        auto segment = [&](double x0, double y0, double x1, double y1) {
            int n = std::max(1, static_cast<int>(std::ceil(std::hypot(x1 - x0, y1 - y0) / 0.25)));
            for (int k = 0; k <= n; ++k) disc(x0 + (x1 - x0) * k / n, y0 + (y1 - y0) * k / n);
        };
        cairo_new_path(cr);
        int steps = std::max(8, static_cast<int>(std::ceil(sweep * std::max(rx, ry) / 0.25)));
        for (int k = 0; k <= steps; ++k) {
            double a = a0 + sweep * k / steps;
            disc(x + rx * std::cos(a), y + ry * std::sin(a));
        }
        if (!whole && filled) {  // a sector's outline runs through its centre
            segment(x, y, x + rx * std::cos(a0), y + ry * std::sin(a0));
            segment(x, y, x + rx * std::cos(a0 + sweep), y + ry * std::sin(a0 + sweep));
        }
        double x0, y0, x1, y1;
        cairo_path_extents(cr, &x0, &y0, &x1, &y1);
        s.Touched(x0, y0, x1, y1);
        SetColour(cr, c);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_fill(cr);
        s.MarkChanged();
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (rx > 0 && ry > 0) cairo_scale(cr, rx, ry);
    else cairo_scale(cr, 1e-6, 1e-6);
    if (whole) {
        cairo_arc(cr, 0, 0, 1, 0, turn);
        cairo_close_path(cr);
    } else {
        if (filled) cairo_move_to(cr, 0, 0);
        cairo_arc(cr, 0, 0, 1, a0, a1);
        if (filled) cairo_close_path(cr);
    }
    cairo_restore(cr);  // the pen keeps its width whatever the radii
    if (filled)
        FillThenStroke(s, f, c);
    else
        Stroke(s, c);
    s.MarkChanged();
}

void PsCONNECT(std::initializer_list<Pt> points, double colour, bool paint, double paint_colour,
               std::source_location where) {
    PsCONNECT(std::vector<Pt>(points), colour, paint, paint_colour, where);
}

void PsCONNECT(const std::vector<Pt>& points, double colour, bool paint, double paint_colour,
               std::source_location where) {
    Surface& s = Surface::Get();
    s.Service();
    int c = Colour(colour, where);
    int f = paint ? Colour(paint_colour, where) : 0;
    if (points.empty()) Raise(kErrInvalidArgument, where);
    std::vector<std::pair<double, double>> abs;
    for (const Pt& p : points) {
        if (p.offset && !abs.empty())
            abs.emplace_back(abs.back().first + p.x, abs.back().second + p.y);
        else
            abs.emplace_back(p.x, p.y);
    }
    if (s.measuring()) return;
    if (s.log_on()) {
        std::string line = "PsCONNECT " + std::to_string(abs.size());
        for (auto& [x, y] : abs) line += " " + LogNumber(x) + " " + LogNumber(y);
        line += " " + std::to_string(c) + " " + (paint ? "1" : "0") + " " + std::to_string(f);
        s.Log(line + PenSuffix(s));
    }
    cairo_t* cr = s.cr();
    cairo_move_to(cr, abs[0].first, abs[0].second);
    for (std::size_t i = 1; i < abs.size(); ++i) cairo_line_to(cr, abs[i].first, abs[i].second);
    if (paint)
        FillThenStroke(s, f, c);
    else
        Stroke(s, c);
    s.MarkChanged();
}

void PsSYMBOL40(double x, double y, const Str& text, double h, double v, double colour,
                std::source_location where) {
    Surface& s = Surface::Get();
    s.Service();
    int c = Colour(colour, where);
    int mh = ToInt(h, where), mv = ToInt(v, where);
    if (mh < 1 || mv < 1) Raise(kErrInvalidArgument, where);
    if (s.measuring()) return;
    const Surface::Font& font = s.font();
    if (s.log_on())
        s.Log("PsSYMBOL40 " + LogNumber(x) + " " + LogNumber(y) + " " + Quote(text) + " " +
              std::to_string(mh) + " " + std::to_string(mv) + " " + std::to_string(c) +
              " font=" + Quote(font.face) + " size=" + LogNumber(font.size) + " bold=" +
              (font.bold ? "1" : "0") + " italic=" + (font.italic ? "1" : "0"));
    if (text.empty() || font.size <= 0) return;
    const FaceChoice& face = Fonts::Get().Choose(font.face, font.bold, font.italic);
    std::u32string cps = Cp932ToCodePoints(text);
    cairo_t* cr = s.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, mh, mv);
    cairo_set_font_face(cr, face.face);
    cairo_matrix_t em;
    cairo_matrix_init_scale(&em, face.em_x * font.size, face.em_y * font.size);
    cairo_set_font_matrix(cr, &em);
    // Each character fills a cell of s by s (double-byte) or s/2 by s.
    std::vector<cairo_glyph_t> glyphs;
    double cell = font.size;
    double pen = 0;
    const double bottom = y + cell * mv;
    // The character drawn last, when it stands right beside this text.
    const Surface::LastCell before = s.last_cell();
    const bool beside = before.valid && std::abs(before.right - x) <= kBeside &&
                        before.top < bottom && before.bottom > y;
    std::size_t k = 0;
    for (std::size_t i = 0; i < text.size() && k < cps.size(); ++k) {
        std::size_t n = CharBytes(text, i);
        double width = n == 2 ? cell : cell / 2;
        cairo_glyph_t g{GlyphIndex(face, cps[k]), pen, face.baseline * font.size};
        if (face.marks_left && n == 1 && IsMark(cps[k])) {
            cairo_text_extents_t e;
            cairo_glyph_extents(cr, &g, 1, &e);
            double from = pen;
            // A point in a fraction part starts 3 units inside the cell of
            // the digit before, and is drawn lower than those short digits:
            // it goes on their baseline. "'" stands high, where it is.
            if (k == 0 && beside && cps[k] != U'\'') {
                from = std::max(pen, (before.right - x) / mh);
                g.y = (before.baseline - y) / mv;
            }
            if (e.width > 0) g.x += (from + pen + kGapEnd * width) / 2 - (g.x + e.x_bearing + e.width / 2);
        }
        glyphs.push_back(g);
        pen += width;
        i += n;
    }
    if (glyphs.empty()) {
        cairo_restore(cr);
        return;
    }
    s.last_cell() = {x + pen * mh, y, bottom, y + face.baseline * font.size * mv, face.marks_left};
    cairo_text_extents_t ink;
    cairo_glyph_extents(cr, glyphs.data(), static_cast<int>(glyphs.size()), &ink);
    // The ink is measured from the first glyph's origin.
    double ox = glyphs[0].x + ink.x_bearing, oy = glyphs[0].y + ink.y_bearing;
    s.Touched(ox, oy, ox + ink.width, oy + ink.height);
    SetColour(cr, c);
    cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
    cairo_restore(cr);
    s.MarkChanged();
}

void PsCLS() {
    Surface& s = Surface::Get();
    s.Service();
    s.Log("PsCLS");
    SetColour(s.cr(), 15);
    cairo_paint(s.cr());
    s.MarkChanged();
}

// ---- window, font and pen ----

void FE_SETMAPMODE(int, int) { PbCheckAll(); }
void FE_MAXIMIZEWINDOW(int) { PbCheckAll(); }

void FE_SETFONTNAME(int, const Str& face) {
    PbCheckAll();
    Surface::Get().font().face = face;
}

void FE_SETFONTSIZE(int, double size, std::source_location where) {
    PbCheckAll();
    if (!(size > 0)) Raise(kErrInvalidArgument, where);
    Surface::Get().font().size = static_cast<float>(size);
}

void FE_SETFONTBOLD(int, double on) {
    PbCheckAll();
    Surface::Get().font().bold = on != 0;
}

void FE_SETFONTITALIC(int, double on) {
    PbCheckAll();
    Surface::Get().font().italic = on != 0;
}

void FE_SETDRAWWIDTH(int, double width, std::source_location where) {
    PbCheckAll();
    int w = ToInt(width, where);
    if (w < 0) Raise(kErrInvalidArgument, where);
    Surface::Get().set_pen_width(w);
}

double FE_GETDRAWWIDTH(int) {
    PbCheckAll();
    return Surface::Get().pen_width();
}

// ---- keyboard, clock, random ----

Str PfINKEY24() {
    Surface& s = Surface::Get();
    s.Service();
    if (auto key = s.backend().TakeKey()) return *key;
    // Nothing waiting: give the window (and the processor) a moment before
    // the caller polls again.
    s.backend().Idle();
    return Str();
}

Str PfTIME24() {
    PbCheckAll();
    return Surface::Get().backend().Clock();
}

void PaRandomize(double seed, std::source_location where) {
    PbCheckAll();
    int k = ToInt(seed, where);
    Surface& s = Surface::Get();
    s.rng().seed(static_cast<std::uint32_t>(k));
}

double PaRnd() {
    Surface& s = Surface::Get();
    s.Service();
    if (!s.queued_random().empty()) {
        float v = s.queued_random().front();
        s.queued_random().pop_front();
        return v;
    }
    // 24 random bits: every value is exact as a single and below 1.
    return static_cast<double>(s.rng()() >> 8) / 16777216.0;
}

}  // namespace surface
