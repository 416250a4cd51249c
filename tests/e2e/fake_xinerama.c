/* A stand-in for libXinerama that reports the monitors named in VELLORA_HEADS
   ("x,y,width,height;x,y,width,height", the first one primary), so that Wine on a single
   wide Xvfb screen sees a laptop and a projector. Only the calls Wine makes are here. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    int screen_number;
    short x_org, y_org, width, height;
} XineramaScreenInfo;

typedef struct _XDisplay Display;

/* The heads of VELLORA_HEADS, at most eight; how many. */
static int heads(XineramaScreenInfo *info) {
    const char *p = getenv("VELLORA_HEADS");
    int count = 0;
    while (p && *p && count < 8) {
        int x, y, w, h, used = 0;
        if (sscanf(p, "%d,%d,%d,%d%n", &x, &y, &w, &h, &used) != 4) break;
        if (info) info[count] = (XineramaScreenInfo){count, (short)x, (short)y, (short)w, (short)h};
        ++count;
        p += used;
        if (*p == ';') ++p;
    }
    return count;
}

/* With no heads named there is no Xinerama at all, and Wine takes the X screen as its one
   monitor: an active Xinerama of no screens sometimes deadlocks Wine's display setup. */
int XineramaQueryExtension(Display *dpy, int *event_base, int *error_base) {
    (void)dpy;
    *event_base = 0;
    *error_base = 0;
    return heads(NULL) > 0;
}

int XineramaQueryVersion(Display *dpy, int *major, int *minor) {
    (void)dpy;
    *major = 1;
    *minor = 1;
    return 1;
}

int XineramaIsActive(Display *dpy) {
    (void)dpy;
    return heads(NULL) > 0;
}

XineramaScreenInfo *XineramaQueryScreens(Display *dpy, int *count) {
    (void)dpy;
    XineramaScreenInfo *info = calloc(8, sizeof *info);
    *count = info ? heads(info) : 0;
    return info;
}
