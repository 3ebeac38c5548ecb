/* Reads one pixel of the screen COUNT times, INTERVAL_MS apart, and prints
 * each as #RRGGBB on a line of its own: fast enough to watch a cursor blink.
 * usage: xpixel X Y COUNT INTERVAL_MS */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: xpixel X Y COUNT INTERVAL_MS\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "xpixel: no display\n");
        return 1;
    }
    int x = atoi(argv[1]), y = atoi(argv[2]), count = atoi(argv[3]);
    long interval = atol(argv[4]);
    struct timespec pause = {interval / 1000, (interval % 1000) * 1000000L};
    for (int i = 0; i < count; ++i) {
        XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) {
            fprintf(stderr, "xpixel: cannot read the screen\n");
            return 1;
        }
        unsigned long p = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        /* The default visual of a 24-bit screen: 8 bits each of red, green, blue. */
        printf("#%02lX%02lX%02lX\n", (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        fflush(stdout);
        if (i + 1 < count) nanosleep(&pause, NULL);
    }
    XCloseDisplay(d);
    return 0;
}
