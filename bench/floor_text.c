/* The second floor of the window benchmarks: SDL2, Cairo and fontconfig
 * drawing one line of Japanese text in the programs' gothic face on a
 * maximised window, shown once; each key draws it again in another colour.
 * With --blink, a dot after the text is shown and hidden every 300 ms, as
 * a prompt's cursor dot blinks, and only its pixels are copied to the
 * screen. It ends when its window is closed. */
#include <SDL.h>
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

static void Draw(SDL_Window* window, cairo_font_face_t* face, int red) {
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    cairo_surface_t* target = cairo_image_surface_create_for_data(
        screen->pixels, CAIRO_FORMAT_RGB24, screen->w, screen->h, screen->pitch);
    cairo_t* cr = cairo_create(target);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, 48);
    cairo_set_source_rgb(cr, red ? 0.75 : 0, 0, 0);
    cairo_move_to(cr, 100, 150);
    cairo_show_text(cr, "＜Brenvale　メニュー＞");
    cairo_destroy(cr);
    cairo_surface_destroy(target);
    SDL_UpdateWindowSurface(window);
}

/* Shows or hides the dot and copies its box to the screen. */
static void Blink(SDL_Window* window, int shown) {
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    cairo_surface_t* target = cairo_image_surface_create_for_data(
        screen->pixels, CAIRO_FORMAT_RGB24, screen->w, screen->h, screen->pitch);
    cairo_t* cr = cairo_create(target);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_arc(cr, 900, 135, 5, 0, 6.2832);
    cairo_set_source_rgb(cr, shown ? 0.6 : 1, shown ? 0.1 : 1, shown ? 0.65 : 1);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(target);
    SDL_Rect box = {890, 125, 20, 20};
    SDL_UpdateWindowSurfaceRects(window, &box, 1);
}

int main(int argc, char** argv) {
    int blink = argc > 1 && SDL_strcmp(argv[1], "--blink") == 0;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    FcPattern* want = FcNameParse((const FcChar8*)"BIZ UDGothic:lang=ja");
    FcConfigSubstitute(NULL, want, FcMatchPattern);
    FcDefaultSubstitute(want);
    FcResult result;
    FcPattern* found = FcFontMatch(NULL, want, &result);
    if (!found) return 1;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(found);
    SDL_Rect area;
    if (SDL_GetDisplayUsableBounds(0, &area) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("Floortext", area.x, area.y, area.w, area.h,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
    if (!window) return 1;
    int red = 0;
    Draw(window, face, red);
    SDL_Event ev;
    int shown = 0;
    for (;;) {
        if (!SDL_WaitEventTimeout(&ev, blink ? 300 : -1)) {
            shown = !shown;
            Blink(window, shown);
            continue;
        }
        if (ev.type == SDL_QUIT) break;
        if (ev.type == SDL_KEYDOWN) {
            red = !red;
            Draw(window, face, red);
        } else if (ev.type == SDL_WINDOWEVENT && ev.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_UpdateWindowSurface(window);
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    cairo_font_face_destroy(face);
    FcPatternDestroy(found);
    FcPatternDestroy(want);
    return 0;
}
