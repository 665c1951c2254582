/* Watches the root window and prints every time a top-level window of one
 * class is mapped, moved or resized, or unmapped, as it happens. A window that
 * stands somewhere for a few milliseconds is caught here where screenshots
 * would miss it.
 *
 *   map_watch CLASS
 *
 * CLASS is matched against both parts of WM_CLASS, ignoring case. Prints
 * "ready" once it watches, then one line per event:
 *   map|configure|unmap WINDOW X Y W H mapped=0|1 t=MS
 *   destroy WINDOW t=MS
 * X Y W H are the window's place on the root after the event, mapped says
 * whether it is shown after the event, t counts milliseconds from the start. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <time.h>

struct tracked {
    Window id;
    int x, y, w, h;
    int mapped;
    int matches; /* -1 not known yet, 0 no, 1 yes */
};

static struct tracked *windows;
static size_t count, capacity;
static struct timespec start;

static int ignore_errors(Display *dpy, XErrorEvent *e)
{
    /* Windows come and go while they are asked about. */
    (void)dpy;
    (void)e;
    return 0;
}

static long elapsed_ms(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
}

static struct tracked *find(Window id)
{
    size_t i;
    for (i = 0; i < count; ++i)
        if (windows[i].id == id)
            return &windows[i];
    return NULL;
}

static struct tracked *track(Window id)
{
    struct tracked *t = find(id);
    if (t)
        return t;
    if (count == capacity) {
        capacity = capacity ? capacity * 2 : 64;
        windows = realloc(windows, capacity * sizeof *windows);
        if (!windows) {
            perror("map_watch");
            exit(1);
        }
    }
    t = &windows[count++];
    memset(t, 0, sizeof *t);
    t->id = id;
    t->matches = -1;
    return t;
}

static void forget(Window id)
{
    struct tracked *t = find(id);
    if (t)
        *t = windows[--count];
}

/* WM_CLASS may be set after the window is created, so a window not known to
 * match is asked again at each event. */
static int matches(Display *dpy, struct tracked *t, const char *cls)
{
    XClassHint hint;
    if (t->matches >= 0)
        return t->matches;
    memset(&hint, 0, sizeof hint);
    if (!XGetClassHint(dpy, t->id, &hint))
        return 0;
    t->matches = (hint.res_name && strcasecmp(hint.res_name, cls) == 0) ||
                 (hint.res_class && strcasecmp(hint.res_class, cls) == 0);
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return t->matches;
}

static void report(const char *what, const struct tracked *t)
{
    printf("%s 0x%lx %d %d %d %d mapped=%d t=%ld\n", what, (unsigned long)t->id, t->x, t->y, t->w,
           t->h, t->mapped, elapsed_ms());
    fflush(stdout);
}

int main(int argc, char **argv)
{
    Display *dpy;
    Window root, parent, *children = NULL;
    unsigned int n = 0, i;
    const char *cls;
    if (argc != 2) {
        fprintf(stderr, "usage: map_watch CLASS\n");
        return 2;
    }
    cls = argv[1];
    clock_gettime(CLOCK_MONOTONIC, &start);
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "map_watch: cannot open display\n");
        return 1;
    }
    XSetErrorHandler(ignore_errors);
    root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    /* Windows that exist already, so that their later events carry places. */
    if (XQueryTree(dpy, root, &root, &parent, &children, &n)) {
        for (i = 0; i < n; ++i) {
            XWindowAttributes a;
            struct tracked *t;
            if (!XGetWindowAttributes(dpy, children[i], &a))
                continue;
            t = track(children[i]);
            t->x = a.x;
            t->y = a.y;
            t->w = a.width;
            t->h = a.height;
            t->mapped = a.map_state != IsUnmapped;
        }
        if (children)
            XFree(children);
    }
    XSync(dpy, False);
    printf("ready\n");
    fflush(stdout);
    for (;;) {
        XEvent ev;
        struct tracked *t;
        XNextEvent(dpy, &ev);
        switch (ev.type) {
        case CreateNotify:
            if (ev.xcreatewindow.parent != root)
                break;
            t = track(ev.xcreatewindow.window);
            t->x = ev.xcreatewindow.x;
            t->y = ev.xcreatewindow.y;
            t->w = ev.xcreatewindow.width;
            t->h = ev.xcreatewindow.height;
            t->mapped = 0;
            break;
        case ConfigureNotify:
            if (ev.xconfigure.event != root)
                break;
            t = track(ev.xconfigure.window);
            t->x = ev.xconfigure.x;
            t->y = ev.xconfigure.y;
            t->w = ev.xconfigure.width;
            t->h = ev.xconfigure.height;
            if (matches(dpy, t, cls))
                report("configure", t);
            break;
        case MapNotify:
            if (ev.xmap.event != root)
                break;
            t = track(ev.xmap.window);
            t->mapped = 1;
            if (matches(dpy, t, cls))
                report("map", t);
            break;
        case UnmapNotify:
            if (ev.xunmap.event != root)
                break;
            t = track(ev.xunmap.window);
            t->mapped = 0;
            if (matches(dpy, t, cls))
                report("unmap", t);
            break;
        case DestroyNotify:
            if (ev.xdestroywindow.event != root)
                break;
            t = find(ev.xdestroywindow.window);
            if (t && t->matches == 1) {
                printf("destroy 0x%lx t=%ld\n", (unsigned long)t->id, elapsed_ms());
                fflush(stdout);
            }
            forget(ev.xdestroywindow.window);
            break;
        default:
            break;
        }
    }
}
