/* Times what reaches an X screen, as the X server reports its changes
 * (XDamage on the root window: every window's drawing).
 *
 *   xprobe start SETTLE_MS PROGRAM [ARGS...]
 *     Starts the program and prints the milliseconds from its start to the
 *     last screen change within SETTLE_MS larger than 32 x 32 pixels (the
 *     first screen finished; a prompt's blinking dot is smaller), then asks
 *     it to end (SIGTERM) and waits for it.
 *
 *   xprobe keys TITLE ROUNDS KEY...
 *     Types the keys (X keysym names, as the keyboard does) into the window
 *     titled TITLE (waiting up to 10 s for it), ROUNDS times over. After each key it waits for the screen
 *     to stay unchanged for 150 ms; for a key written with a leading '+' it
 *     prints the milliseconds from the key to the last change before that
 *     quiet: the key's screen finished. "+Return=menu" prints the time
 *     under the label "menu".
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static Display* dpy;
static int damage_event;

/* Waits up to `timeout_ms` for screen changes. Returns the time of the last
 * change seen with an area of at least `min_area` pixels (0 when none), and
 * stops early once `quiet_ms` pass with no change at all (0: never). */
static double Watch(double timeout_ms, double quiet_ms, long min_area) {
    double start = NowMs(), last_any = start, last = 0;
    int fd = ConnectionNumber(dpy);
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != damage_event + XDamageNotify) continue;
            XDamageNotifyEvent* d = (XDamageNotifyEvent*)&ev;
            double now = NowMs();
            last_any = now;
            if ((long)d->area.width * d->area.height >= min_area) last = now;
        }
        double now = NowMs();
        if (now - start >= timeout_ms) return last;
        if (quiet_ms > 0 && now - last_any >= quiet_ms) return last;
        double wait = timeout_ms - (now - start);
        if (quiet_ms > 0 && quiet_ms - (now - last_any) < wait) wait = quiet_ms - (now - last_any);
        struct pollfd p = {fd, POLLIN, 0};
        poll(&p, 1, (int)wait + 1);
    }
}

static Window FindTitled(Window w, const char* title) {
    char* name = NULL;
    if (XFetchName(dpy, w, &name) && name) {
        int same = strcmp(name, title) == 0;
        XFree(name);
        if (same) return w;
    }
    Window root, parent, *kids = NULL;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(dpy, w, &root, &parent, &kids, &n)) {
        for (unsigned i = 0; i < n && !found; ++i) found = FindTitled(kids[i], title);
        if (kids) XFree(kids);
    }
    return found;
}

static int Start(int argc, char** argv) {
    if (argc < 2) return 2;
    double settle = atof(argv[0]);
    XSync(dpy, False);
    double t0 = NowMs();
    pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    double last = Watch(settle, 0, 32 * 32);
    kill(pid, SIGTERM);
    int status;
    waitpid(pid, &status, 0);
    if (last == 0) {
        fprintf(stderr, "xprobe: %s changed nothing on the screen\n", argv[1]);
        return 1;
    }
    printf("%.2f\n", last - t0);
    return 0;
}

static int Keys(int argc, char** argv) {
    if (argc < 3) return 2;
    Window w = 0;
    for (int tries = 0; tries < 500 && !w; ++tries) {
        w = FindTitled(DefaultRootWindow(dpy), argv[0]);
        if (!w) usleep(20000);
    }
    if (!w) {
        fprintf(stderr, "xprobe: no window titled %s\n", argv[0]);
        return 1;
    }
    int rounds = atoi(argv[1]);
    XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
    Watch(500, 300, 0);
    for (int r = 0; r < rounds; ++r) {
        for (int k = 2; k < argc; ++k) {
            char name[64];
            snprintf(name, sizeof name, "%s", argv[k] + (argv[k][0] == '+'));
            int timed = argv[k][0] == '+';
            const char* label = name;
            char* eq = strchr(name, '=');
            if (eq) {
                *eq = '\0';
                label = eq + 1;
            }
            KeyCode code = XKeysymToKeycode(dpy, XStringToKeysym(name));
            if (!code) {
                fprintf(stderr, "xprobe: no key %s\n", name);
                return 1;
            }
            double t0 = NowMs();
            XTestFakeKeyEvent(dpy, code, True, 0);
            XTestFakeKeyEvent(dpy, code, False, 0);
            XFlush(dpy);
            double last = Watch(2000, 150, 0);
            if (timed) printf("%s %.2f\n", label, last > 0 ? last - t0 : -1.0);
        }
        fflush(stdout);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: xprobe start SETTLE_MS PROGRAM [ARGS...] | keys TITLE ROUNDS KEY...\n");
        return 2;
    }
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xprobe: no display\n");
        return 1;
    }
    int error_base;
    if (!XDamageQueryExtension(dpy, &damage_event, &error_base)) {
        fprintf(stderr, "xprobe: the X server has no DAMAGE extension\n");
        return 1;
    }
    XDamageCreate(dpy, DefaultRootWindow(dpy), XDamageReportRawRectangles);
    int rc = strcmp(argv[1], "start") == 0  ? Start(argc - 2, argv + 2)
             : strcmp(argv[1], "keys") == 0 ? Keys(argc - 2, argv + 2)
                                            : 2;
    XCloseDisplay(dpy);
    return rc;
}
