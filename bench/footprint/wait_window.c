/* Runs a command and prints the milliseconds from just before its exec to the
 * moment the X server maps a top-level window whose title contains a given
 * text. It listens for X events rather than polling, so the figure is not
 * rounded up to a polling period.
 *
 * Usage: wait_window [-t SECONDS] [-c] TITLE -- COMMAND [ARG...]
 *   -t  give up after this many seconds (default 30); exit 124
 *   -c  once the window is mapped, ask it to close as a window manager
 *       would (WM_DELETE_WINDOW); if the program has not ended after the
 *       same timeout it gets SIGTERM, sent to the window's _NET_WM_PID so
 *       that a wrapper such as /usr/bin/time still reports
 * The exit status is the command's (128 + signal if it was killed).
 */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

/* Windows vanish between an event and our request about them; that is not an
 * error worth dying for. */
static int ignore_x_errors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

static int property_contains(Display* display, Window window, Atom property, const char* text) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* value = NULL;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &remaining, &value) != Success ||
        value == NULL)
        return 0;
    int found = format == 8 && strstr((const char*)value, text) != NULL;
    XFree(value);
    return found;
}

static int is_wanted(Display* display, Window window, Atom net_wm_name, const char* title) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state == IsUnmapped)
        return 0;
    return property_contains(display, window, net_wm_name, title) ||
           property_contains(display, window, XA_WM_NAME, title);
}

static pid_t window_pid(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* value = NULL;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                           XA_CARDINAL, &type, &format, &count, &remaining, &value) == Success &&
        value != NULL) {
        if (format == 32 && count == 1) pid = (pid_t)((unsigned long*)value)[0];
        XFree(value);
    }
    return pid;
}

static void ask_to_close(Display* display, Window window) {
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

/* Waits for the child with SIGCHLD blocked beforehand; returns -1 on timeout. */
static int wait_child(pid_t child, const sigset_t* chld, double seconds) {
    struct timespec limit = {(time_t)seconds, 0};
    for (;;) {
        int status = 0;
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (done < 0) return 1;
        if (sigtimedwait(chld, NULL, &limit) < 0 && errno == EAGAIN) return -1;
    }
}

int main(int argc, char* argv[]) {
    double timeout = 30;
    int close_after = 0;
    int option;
    while ((option = getopt(argc, argv, "+t:c")) != -1) {
        if (option == 't')
            timeout = atof(optarg);
        else if (option == 'c')
            close_after = 1;
        else
            return 2;
    }
    if (argc - optind < 3 || strcmp(argv[optind + 1], "--") != 0 || timeout <= 0) {
        fprintf(stderr, "usage: %s [-t SECONDS] [-c] TITLE -- COMMAND [ARG...]\n", argv[0]);
        return 2;
    }
    const char* title = argv[optind];
    char** command = &argv[optind + 2];

    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "wait_window: cannot open display\n");
        return 3;
    }
    XSetErrorHandler(ignore_x_errors);
    Window root = DefaultRootWindow(display);
    Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    /* A leftover window with that title would be taken for the new one. */
    Window parent, *children = NULL;
    unsigned int count = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            if (is_wanted(display, children[i], net_wm_name, title)) {
                fprintf(stderr, "wait_window: a window titled '%s' is already shown\n", title);
                return 3;
            }
        }
        XFree(children);
    }

    sigset_t chld;
    sigemptyset(&chld);
    sigaddset(&chld, SIGCHLD);
    sigprocmask(SIG_BLOCK, &chld, NULL);

    double start = now_ms();
    pid_t child = fork();
    if (child < 0) {
        perror("wait_window: fork");
        return 1;
    }
    if (child == 0) {
        /* Its own process group, so that a wrapper and the program under it
         * can be killed together. */
        setpgid(0, 0);
        sigprocmask(SIG_UNBLOCK, &chld, NULL);
        close(ConnectionNumber(display));
        execvp(command[0], command);
        perror("wait_window: exec");
        _exit(127);
    }
    setpgid(child, child);

    Window found = None;
    int fd = ConnectionNumber(display);
    while (found == None) {
        while (found == None && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            Window window = None;
            if (event.type == CreateNotify) {
                /* The title may come after the map; follow the window itself too. */
                window = event.xcreatewindow.window;
                XSelectInput(display, window, PropertyChangeMask | StructureNotifyMask);
            } else if (event.type == MapNotify) {
                window = event.xmap.window;
            } else if (event.type == PropertyNotify && (event.xproperty.atom == net_wm_name ||
                                                        event.xproperty.atom == XA_WM_NAME)) {
                window = event.xproperty.window;
            }
            if (window != None && is_wanted(display, window, net_wm_name, title)) found = window;
        }
        if (found != None) break;
        double left = start + timeout * 1e3 - now_ms();
        int status = 0;
        if (left <= 0 || waitpid(child, &status, WNOHANG) == child) {
            fprintf(stderr, "wait_window: no window titled '%s' %s\n", title,
                    left <= 0 ? "in time" : "before the command ended");
            if (left <= 0) {
                kill(-child, SIGKILL);
                waitpid(child, &status, 0);
            }
            return 124;
        }
        /* Wake at least every 100 ms to notice a command that ended early. */
        double wait = left < 100 ? left : 100;
        struct timeval tv = {0, (suseconds_t)(wait * 1e3)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        select(fd + 1, &readable, NULL, NULL, &tv);
    }
    printf("%.1f\n", now_ms() - start);
    fflush(stdout);

    if (!close_after) return 0;
    pid_t program = window_pid(display, found);
    ask_to_close(display, found);
    int status = wait_child(child, &chld, timeout);
    if (status < 0) {
        fprintf(stderr, "wait_window: the program did not close; terminating it\n");
        kill(program > 0 ? program : child, SIGTERM);
        status = wait_child(child, &chld, timeout);
        if (status < 0) {
            kill(-child, SIGKILL);
            status = wait_child(child, &chld, timeout);
        }
    }
    XCloseDisplay(display);
    return status;
}
