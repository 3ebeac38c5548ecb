/* The floor of the window benchmarks: an SDL2 window as the programs open
 * it (maximised, the plain framebuffer), filled and shown once; each key
 * fills and shows it again. It ends when its window is closed. */
#include <SDL.h>

int main(void) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Rect area;
    if (SDL_GetDisplayUsableBounds(0, &area) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("Floor", area.x, area.y, area.w, area.h,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
    if (!window) return 1;
    int shade = 255;
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, shade, shade, shade));
    SDL_UpdateWindowSurface(window);
    SDL_Event ev;
    while (SDL_WaitEvent(&ev)) {
        if (ev.type == SDL_QUIT) break;
        if (ev.type == SDL_KEYDOWN) {
            shade = shade == 255 ? 200 : 255;
            screen = SDL_GetWindowSurface(window);
            SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, shade, shade, shade));
            SDL_UpdateWindowSurface(window);
        } else if (ev.type == SDL_WINDOWEVENT && ev.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_UpdateWindowSurface(window);
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
