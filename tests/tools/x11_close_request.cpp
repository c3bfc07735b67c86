// Asks a top-level window to close the way a window manager does (ICCCM WM_PROTOCOLS /
// WM_DELETE_WINDOW client message), so that tests exercise the program's own close path
// in a real X server without running a window manager.
//
// Usage: x11_close_request TITLE_PREFIX [TIMEOUT_SECONDS]
// Waits for a mapped top-level window whose title starts with TITLE_PREFIX, sends the
// request and exits 0; exits 1 when no such window appears in time.

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "x11_window_title.h"

namespace {

Window findWindow(Display* display, const std::string& prefix)
{
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            qv::x11::windowTitle(display, children[i]).rfind(prefix, 0) == 0)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: x11_close_request TITLE_PREFIX [TIMEOUT_SECONDS]\n");
        return 2;
    }
    const std::string prefix = argv[1];
    const double timeout = argc > 2 ? std::atof(argv[2]) : 10.0;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11_close_request: cannot open the display\n");
        return 2;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    Window window = 0;
    while (!(window = findWindow(display, prefix))) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "x11_close_request: no window titled \"%s...\"\n", prefix.c_str());
            XCloseDisplay(display);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    std::printf("0x%lx\n", window);
    return 0;
}
