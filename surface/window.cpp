#include "surface/window.h"

#include <SDL.h>
#include <cairo.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <deque>
#include <string>

#include "surface/fonts.h"
#include "surface/surface.h"

namespace surface {

namespace {

using Clock = std::chrono::steady_clock;

// Half a blink of the prompt's cursor dot: how long an empty poll waits for a key.
constexpr auto kIdleWait = std::chrono::milliseconds(300);
constexpr auto kFrame = std::chrono::milliseconds(16);
constexpr auto kPumpEvery = std::chrono::milliseconds(4);

class WindowBackend : public Backend {
public:
    WindowBackend(SDL_Window* window, double scale) : window_(window), scale_(scale) {}
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
        dirty_ = true;
        Present();
    }

    void Service(bool canvas_changed) override {
        dirty_ = dirty_ || canvas_changed;
        auto now = Clock::now();
        // Drawing calls come thousands a second: look at the window a few
        // hundred times a second, and show the canvas at most once a frame.
        if (now - last_pump_ >= kPumpEvery) {
            last_pump_ = now;
            SDL_Event ev;
            while (SDL_PollEvent(&ev)) Handle(ev);
        }
        if ((dirty_ || exposed_) && now - last_present_ >= kFrame) Present();
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
    // Blocks on the window's events until `span` has passed (or, when
    // `until_key`, a key arrives), handling each event as it comes.
    void WaitFor(Clock::duration span, bool until_key) {
        if (dirty_ || exposed_) Present();
        auto deadline = Clock::now() + span;
        for (;;) {
            if (until_key && !keys_.empty()) return;
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                              Clock::now());
            if (left.count() <= 0) return;
            SDL_Event ev;
            if (SDL_WaitEventTimeout(&ev, static_cast<int>(left.count()))) {
                Handle(ev);
                while (SDL_PollEvent(&ev)) Handle(ev);
                if (exposed_) Present();
            }
        }
    }

    void Handle(const SDL_Event& ev) {
        switch (ev.type) {
            case SDL_QUIT:
                throw Stop{Stop::kWindowClosed};
            case SDL_WINDOWEVENT:
                if (ev.window.event == SDL_WINDOWEVENT_CLOSE) throw Stop{Stop::kWindowClosed};
                exposed_ = true;
                break;
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
        last_present_ = Clock::now();
        dirty_ = false;
        exposed_ = false;
        if (!source_) return;
        SDL_Surface* screen = SDL_GetWindowSurface(window_);  // new after a resize
        if (!screen) return;
        cairo_surface_flush(canvas_);
        // Scaled to fit the window with the aspect kept, on a black surround.
        // The canvas is drawn at the screen's scale, so a maximised window
        // shows it pixel for pixel.
        double fit = std::min(screen->w / double(source_->w), screen->h / double(source_->h));
        SDL_Rect dst;
        dst.w = static_cast<int>(source_->w * fit + 0.5);
        dst.h = static_cast<int>(source_->h * fit + 0.5);
        dst.x = (screen->w - dst.w) / 2;
        dst.y = (screen->h - dst.h) / 2;
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
        if (dst.w == source_->w && dst.h == source_->h)
            SDL_BlitSurface(source_, nullptr, screen, &dst);
        else
            SDL_BlitScaled(source_, nullptr, screen, &dst);
        SDL_UpdateWindowSurface(window_);
    }

    SDL_Window* window_;
    SDL_Surface* source_ = nullptr;
    cairo_surface_t* canvas_ = nullptr;
    double scale_;
    bool dirty_ = true;
    bool exposed_ = false;
    Clock::time_point last_pump_{};
    Clock::time_point last_present_{};
    std::deque<Str> keys_;
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
    SDL_StartTextInput();
    int status = 0;
    try {
        Surface::Start(std::make_unique<WindowBackend>(window, scale));
        program();
    } catch (const Stop&) {
        status = 0;  // the end of the program or the window closed
    }
    Surface::Shutdown();
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}

}  // namespace surface
