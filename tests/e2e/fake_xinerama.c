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

int XineramaQueryExtension(Display *dpy, int *event_base, int *error_base) {
    (void)dpy;
    *event_base = 0;
    *error_base = 0;
    return 1;
}

int XineramaQueryVersion(Display *dpy, int *major, int *minor) {
    (void)dpy;
    *major = 1;
    *minor = 1;
    return 1;
}

int XineramaIsActive(Display *dpy) {
    (void)dpy;
    return 1;
}

XineramaScreenInfo *XineramaQueryScreens(Display *dpy, int *count) {
    (void)dpy;
    const char *heads = getenv("VELLORA_HEADS");
    XineramaScreenInfo *info = calloc(8, sizeof *info);
    *count = 0;
    for (const char *p = heads; p && *p && *count < 8;) {
        int x, y, w, h, used = 0;
        if (sscanf(p, "%d,%d,%d,%d%n", &x, &y, &w, &h, &used) != 4) break;
        info[*count] = (XineramaScreenInfo){*count, (short)x, (short)y, (short)w, (short)h};
        ++*count;
        p += used;
        if (*p == ';') ++p;
    }
    return info;
}
