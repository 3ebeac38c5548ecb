#include "surface/window.h"

#include <SDL.h>
#include <poll.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <cairo.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <deque>
#include <string>
#include <vector>

#include "surface/fonts.h"
#include "surface/surface.h"

namespace surface {

namespace {

using Clock = std::chrono::steady_clock;

// Half a blink of the prompt's cursor dot: how long an empty poll waits for a key.
constexpr auto kIdleWait = std::chrono::milliseconds(300);
constexpr auto kFrame = std::chrono::milliseconds(16);
constexpr auto kPumpEvery = std::chrono::milliseconds(4);
// Changed boxes kept apart before they are merged into one.
constexpr std::size_t kMaxBoxes = 8;

// Xlib reports errors through one process-wide callback, so what it needs
// to know lives here. Once the window is closing or gone, errors about it
// (a wake-up message to a window already destroyed, a copy to a window
// destroyed from outside) are expected and must not end the program.
std::atomic<unsigned long> g_xwindow{0};
std::atomic<bool> g_closing{false};
std::atomic<bool> g_window_gone{false};
XErrorHandler g_default_xerror = nullptr;

int OnXError(Display* display, XErrorEvent* e) {
    unsigned long ours = g_xwindow;
    if (ours != 0 && e->resourceid == ours &&
        (e->error_code == BadWindow || e->error_code == BadDrawable))
        g_window_gone = true;
    if (g_window_gone || g_closing) return 0;
    return g_default_xerror ? g_default_xerror(display, e) : 0;
}

struct Box {
    int x0, y0, x1, y1;  // canvas pixels, [x0, x1) x [y0, y1)
    long Area() const { return long(x1 - x0) * (y1 - y0); }
    Box Union(const Box& o) const {
        return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
    }
    // Overlapping or a few pixels apart: cheaper copied as one.
    bool Near(const Box& o) const {
        constexpr int kGap = 8;
        return x0 <= o.x1 + kGap && o.x0 <= x1 + kGap && y0 <= o.y1 + kGap && o.y0 <= y1 + kGap;
    }
};

class WindowBackend : public Backend {
public:
    // `x_fd`: the X connection to sleep on, or -1 (another video driver).
    WindowBackend(SDL_Window* window, double scale, int x_fd)
        : window_(window), scale_(scale), x_fd_(x_fd) {}
    ~WindowBackend() override {
        if (source_) SDL_FreeSurface(source_);
    }

    double Scale() const override { return scale_; }

    void Attach(cairo_surface_t* canvas) override {
        canvas_ = canvas;
        // The window shows the canvas's own pixels: no copy in between.
        source_ = SDL_CreateRGBSurfaceWithFormatFrom(
            cairo_image_surface_get_data(canvas), cairo_image_surface_get_width(canvas),
            cairo_image_surface_get_height(canvas), 32, cairo_image_surface_get_stride(canvas),
            SDL_PIXELFORMAT_RGB888);
        // Shown whole once the first screen is drawn, not blank before it.
        Changed(0, 0, source_->w, source_->h);
    }

    void Changed(int x0, int y0, int x1, int y1) override {
        // The frame starts with its first change, so a step drawn within a
        // frame's time is shown once, finished, when the program next waits.
        if (!dirty_) first_change_ = Clock::now();
        dirty_ = true;
        Box box{x0, y0, x1, y1};
        for (std::size_t i = 0; i < boxes_.size();) {
            if (boxes_[i].Near(box)) {
                box = box.Union(boxes_[i]);
                boxes_.erase(boxes_.begin() + static_cast<long>(i));
                i = 0;
            } else {
                ++i;
            }
        }
        boxes_.push_back(box);
        if (boxes_.size() > kMaxBoxes) {
            Box all = boxes_[0];
            for (const Box& b : boxes_) all = all.Union(b);
            boxes_.assign(1, all);
        }
    }

    void Service(bool) override {
        CheckOpen();
        auto now = Clock::now();
        // Drawing calls come thousands a second: look at the window a few
        // hundred times a second, and show the canvas at most once a frame.
        if (now - last_pump_ >= kPumpEvery) Pump();
        if ((dirty_ || repaint_) && now - first_change_ >= kFrame) Present();
    }

    std::optional<Str> TakeKey() override {
        if (keys_.empty()) return std::nullopt;
        Str k = keys_.front();
        keys_.pop_front();
        return k;
    }

    void Idle() override { WaitFor(kIdleWait, true); }

    void Pause(int units) override { WaitFor(std::chrono::milliseconds(units), false); }

    void WaitUntilClosed() override {
        for (;;) WaitFor(std::chrono::milliseconds(500), false);
    }

    std::string Clock() override {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
        return buf;
    }

private:
    static void CheckOpen() {
        if (g_window_gone) throw Stop{Stop::kWindowClosed};
    }

    // Handles every event waiting.
    void Pump() {
        last_pump_ = Clock::now();
        SDL_Event ev;
        while (SDL_PollEvent(&ev)) Handle(ev);
    }

    // Handles the window's events as they come until `span` has passed (or,
    // when `until_key`, a key arrives), showing the finished canvas first.
    void WaitFor(Clock::duration span, bool until_key) {
        auto deadline = Clock::now() + span;
        for (;;) {
            CheckOpen();
            if (dirty_ || repaint_) Present();
            Pump();
            if (repaint_) continue;  // exposed meanwhile: show it before sleeping
            if (until_key && !keys_.empty()) return;
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                              Clock::now());
            if (left.count() <= 0) return;
            Sleep(static_cast<int>(left.count()));
        }
    }

    // Sleeps until the display has news or `ms` have passed. On X it sleeps
    // on the connection itself (the pump before has read it empty): SDL's
    // own wait pumps twice more on each wake, and sends the window a
    // wake-up message that can outlive it.
    void Sleep(int ms) {
        if (x_fd_ >= 0) {
            pollfd p{x_fd_, POLLIN, 0};
            poll(&p, 1, ms);
        } else {
            SDL_Event ev;
            if (SDL_WaitEventTimeout(&ev, ms)) Handle(ev);
        }
    }

    void Handle(const SDL_Event& ev) {
        switch (ev.type) {
            case SDL_QUIT:
                Close();
            case SDL_WINDOWEVENT:
                switch (ev.window.event) {
                    case SDL_WINDOWEVENT_CLOSE: Close();
                    case SDL_WINDOWEVENT_SHOWN:
                    case SDL_WINDOWEVENT_EXPOSED:
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                    case SDL_WINDOWEVENT_MAXIMIZED:
                    case SDL_WINDOWEVENT_RESTORED: Repaint(); break;
                    default: break;
                }
                break;
            case SDL_SYSWMEVENT: {
                // Destroyed from outside: no close request comes first.
                const SDL_SysWMmsg* m = ev.syswm.msg;
                if (m && m->subsystem == SDL_SYSWM_X11 &&
                    m->msg.x11.event.type == DestroyNotify &&
                    m->msg.x11.event.xdestroywindow.window == g_xwindow) {
                    g_window_gone = true;
                    CheckOpen();
                }
                break;
            }
            case SDL_TEXTINPUT:
                // One key per character typed, in cp932.
                for (const char* p = ev.text.text; *p;) {
                    auto c = static_cast<unsigned char>(*p);
                    int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
                    keys_.push_back(Utf8ToCp932(std::string(p, n)));
                    p += n;
                }
                break;
            case SDL_KEYDOWN:
                KeyDown(ev.key.keysym);
                break;
            default:
                break;
        }
    }

    // The window lost its picture: shown whole again within a frame, so a
    // screen being drawn still shows finished.
    void Repaint() {
        if (!dirty_ && !repaint_) first_change_ = Clock::now();
        repaint_ = true;
    }

    [[noreturn]] static void Close() {
        g_closing = true;
        throw Stop{Stop::kWindowClosed};
    }
    void KeyDown(const SDL_Keysym& k) {
        switch (k.sym) {
            case SDLK_RETURN:
            case SDLK_KP_ENTER: keys_.push_back("\r"); return;
            case SDLK_BACKSPACE: keys_.push_back("\b"); return;
            case SDLK_DELETE: keys_.push_back("\x0c"); return;  // code 12 clears the answer line
            case SDLK_ESCAPE: keys_.push_back("\x1b"); return;
            case SDLK_TAB: keys_.push_back("\t"); return;
            case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
            case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
            case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_MODE:
                return;  // a modifier alone is no key
            default: break;
        }
        bool ctrl = (k.mod & KMOD_CTRL) != 0;
        if (ctrl && k.sym >= SDLK_a && k.sym <= SDLK_z) {
            keys_.push_back(Str(1, static_cast<char>(k.sym - SDLK_a + 1)));
            return;
        }
        // Printable keys arrive as text input; other keys (arrows, function
        // keys, ...) still count as a key: a NUL and the key's scancode.
        bool printable = (k.sym >= 32 && k.sym < 127) ||
                         (k.sym >= SDLK_KP_DIVIDE && k.sym <= SDLK_KP_PERIOD);
        if (!printable) keys_.push_back(Str{'\0', static_cast<char>(k.scancode & 0xFF)});
    }

    void Present() {
        bool whole = repaint_;
        dirty_ = false;
        repaint_ = false;
        std::vector<Box> boxes;
        boxes.swap(boxes_);
        if (!source_ || g_window_gone || g_closing) return;
        SDL_Surface* screen = SDL_GetWindowSurface(window_);  // new after a resize
        if (!screen) return;
        cairo_surface_flush(canvas_);
        if (screen != screen_ || screen->w != screen_w_ || screen->h != screen_h_) {
            screen_ = screen;
            screen_w_ = screen->w;
            screen_h_ = screen->h;
            // Scaled to fit the window with the aspect kept, on a black
            // surround painted once per size. The canvas is drawn at the
            // screen's scale, so a maximised window shows it pixel for pixel.
            double fit =
                std::min(screen->w / double(source_->w), screen->h / double(source_->h));
            dst_.w = static_cast<int>(source_->w * fit + 0.5);
            dst_.h = static_cast<int>(source_->h * fit + 0.5);
            dst_.x = (screen->w - dst_.w) / 2;
            dst_.y = (screen->h - dst_.h) / 2;
            SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
            whole = true;
        }
        bool scaled = dst_.w != source_->w || dst_.h != source_->h;
        if (whole || scaled) {
            SDL_Rect dst = dst_;
            if (scaled)
                SDL_BlitScaled(source_, nullptr, screen, &dst);
            else
                SDL_BlitSurface(source_, nullptr, screen, &dst);
            SDL_UpdateWindowSurface(window_);
            return;
        }
        // Only what changed: the cursor dot's blink is a few pixels.
        std::vector<SDL_Rect> rects;
        for (const Box& b : boxes) {
            SDL_Rect src{b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0};
            SDL_Rect dst{dst_.x + b.x0, dst_.y + b.y0, src.w, src.h};
            SDL_BlitSurface(source_, &src, screen, &dst);
            rects.push_back(SDL_Rect{dst_.x + b.x0, dst_.y + b.y0, src.w, src.h});
        }
        if (!rects.empty())
            SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
    }

    SDL_Window* window_;
    SDL_Surface* source_ = nullptr;
    cairo_surface_t* canvas_ = nullptr;
    double scale_;
    int x_fd_;
    // The window's surface as last painted, and where the canvas lies on it.
    SDL_Surface* screen_ = nullptr;
    int screen_w_ = 0, screen_h_ = 0;
    SDL_Rect dst_{0, 0, 0, 0};
    bool dirty_ = false;    // changed since the last present
    bool repaint_ = false;  // the window lost its picture: show it whole
    std::vector<Box> boxes_;
    Clock::time_point first_change_{};
    Clock::time_point last_pump_{};
    std::deque<Str> keys_;
};

// Installed before the display opens (the video driver's own handler passes
// errors on to the one it found), and kept until it has closed.
struct XErrorScope {
    XErrorScope() {
        g_xwindow = 0;
        g_closing = false;
        g_window_gone = false;
        g_default_xerror = XSetErrorHandler(OnXError);
    }
    ~XErrorScope() { XSetErrorHandler(g_default_xerror); }
    XErrorScope(const XErrorScope&) = delete;
    XErrorScope& operator=(const XErrorScope&) = delete;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

}  // namespace

int RunInWindow(const char* title, const std::function<void()>& program) {
    try {
        Fonts::Get();
    } catch (const MissingFont& e) {
        return Fail(e.message);
    }
    // The window shows a finished picture: the plain framebuffer does, with
    // none of the memory a 3D driver would take.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    XErrorScope x_errors;
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return Fail(std::string("no display to open a window on (") + SDL_GetError() +
                    "): run it on a desktop, or under xvfb-run");
    std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (driver == "offscreen" || driver == "dummy" || driver == "evdev") {
        SDL_Quit();
        return Fail("no display to open a window on (only the invisible '" + driver +
                    "' video driver is available): run it on a desktop, or under xvfb-run");
    }
    // The window covers the screen's usable area even where no window manager
    // maximises it.
    SDL_Rect area;
    if (SDL_GetDisplayUsableBounds(0, &area) != 0 && SDL_GetDisplayBounds(0, &area) != 0)
        area = SDL_Rect{0, 0, kCanvasWidth, kCanvasHeight};
    SDL_Window* window = SDL_CreateWindow(title, area.x, area.y, area.w, area.h,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
    if (!window) {
        SDL_Quit();
        return Fail(std::string("cannot open a window: ") + SDL_GetError());
    }
    int ow, oh;
    SDL_GetWindowSizeInPixels(window, &ow, &oh);
    // Drawn at the screen's own resolution from the start, so text stays sharp.
    double scale = std::min(ow / double(kCanvasWidth), oh / double(kCanvasHeight));
    if (scale <= 0) scale = 1;
    SDL_SysWMinfo wm;
    SDL_VERSION(&wm.version);
    Display* display = nullptr;
    if (SDL_GetWindowWMInfo(window, &wm) && wm.subsystem == SDL_SYSWM_X11) {
        display = wm.info.x11.display;
        g_xwindow = wm.info.x11.window;
        // Its destruction by another program shows only as an X event.
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    }
    SDL_StartTextInput();
    int status = 0;
    try {
        Surface::Start(std::make_unique<WindowBackend>(window, scale,
                                                      display ? ConnectionNumber(display) : -1));
        program();
    } catch (const Stop&) {
        status = 0;  // the end of the program or the window closed
    }
    g_closing = true;
    Surface::Shutdown();
    if (display && g_window_gone) {
        // Destroying a window that SDL still thinks shown first hides it and
        // waits for the X server to report it unmapped; a window already
        // destroyed never will be, so the report is handed to it here.
        XEvent unmapped{};
        unmapped.xunmap.type = UnmapNotify;
        unmapped.xunmap.display = display;
        unmapped.xunmap.event = g_xwindow;
        unmapped.xunmap.window = g_xwindow;
        XPutBackEvent(display, &unmapped);
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}

}  // namespace surface
