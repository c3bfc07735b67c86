// Start to visible window, measured from outside the program in a real X server.
//
// Each run spawns PROGRAM and watches the server:
//   mapped  - the MapNotify of a top-level window titled "Quorvane...";
//   painted - the first read-back (XGetImage) of that window's top band that shows the
//             yellow class caption, the orange search caption and the white class-name
//             field: the program's first frame is in the server's framebuffer. From the
//             map on, the band is read back every quarter millisecond.
// Both are timed from just before posix_spawn, so they include loading the program and
// its libraries. The program is then ended with SIGTERM and the next run starts.
//
// Usage: start_to_visible RUNS PROGRAM [ARGS...]   (DISPLAY must name the server)

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "timing_summary.h"
#include "x11_window_title.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kTitlePrefix = "Quorvane";
constexpr auto kRunTimeout = std::chrono::seconds(20);
constexpr int kBandHeight = 100;  // the two rows of controls lie in the top 100 pixels

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Rgb {
    unsigned r, g, b;
    bool operator==(const Rgb&) const = default;
};

// True when the window's top band shows the controls of the class and search rows.
bool controlsPainted(Display* display, Window window)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    const int height = std::min(attributes.height, kBandHeight);
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        if (!mask)
            return 0u;
        while (!(mask & 1)) {
            mask >>= 1;
            pixel >>= 1;
        }
        return static_cast<unsigned>(pixel & mask) * 255u / static_cast<unsigned>(mask);
    };
    int yellow = 0, orange = 0, white = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const Rgb rgb{channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                          channel(pixel, image->blue_mask)};
            yellow += rgb == Rgb{255, 255, 0};
            orange += rgb == Rgb{255, 200, 0};
            white += rgb == Rgb{255, 255, 255};
        }
    XDestroyImage(image);
    // Caption glyphs give dozens of pure pixels; the class field alone some thousands.
    return yellow >= 20 && orange >= 20 && white >= 2000;
}

struct RunTimes {
    double mapped;
    double painted;
};

class Watcher {
public:
    explicit Watcher(Display* display) : display_(display), root_(DefaultRootWindow(display))
    {
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, True);
    }

    std::optional<RunTimes> run(char** argv)
    {
        XSync(display_, True);  // nothing of an earlier run counts
        std::vector<Window> untitled;
        Window target = 0;
        RunTimes times{};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        const auto start = Clock::now();
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            std::fprintf(stderr, "start_to_visible: cannot start %s\n", argv[0]);
            return std::nullopt;
        }

        std::optional<RunTimes> result;
        while (Clock::now() - start < kRunTimeout) {
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == MapNotify && event.xmap.event == root_ && !target)
                    untitled.push_back(event.xmap.window);
            }
            // The title may be set after the map; look again until one matches.
            for (auto it = untitled.begin(); !target && it != untitled.end(); ++it)
                if (qv::x11::windowTitle(display_, *it).rfind(kTitlePrefix, 0) == 0) {
                    target = *it;
                    times.mapped = msSince(start);
                }
            if (target && controlsPainted(display_, target)) {
                times.painted = msSince(start);
                result = times;
                break;
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "start_to_visible: the program ended before its window was painted\n");
                return std::nullopt;
            }
            if (target) {
                std::this_thread::sleep_for(std::chrono::microseconds(250));
            } else {
                pollfd connection{ConnectionNumber(display_), POLLIN, 0};
                poll(&connection, 1, 5);
            }
        }
        if (!result)
            std::fprintf(stderr, "start_to_visible: no painted window within %lld s\n",
                         static_cast<long long>(kRunTimeout.count()));
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return result;
    }

private:
    Display* display_;
    Window root_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: start_to_visible RUNS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display || runs < 1) {
        std::fprintf(stderr, "start_to_visible: %s\n", display ? "RUNS must be positive" : "cannot open the display");
        return 2;
    }
    Watcher watcher(display);
    std::vector<double> mapped, painted;
    for (int i = 0; i < runs; ++i) {
        const std::optional<RunTimes> times = watcher.run(argv + 2);
        if (!times)
            return 1;
        mapped.push_back(times->mapped);
        painted.push_back(times->painted);
        // Let the server take the ended program's window down before the next start.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::printf("Start to visible window (spawn of the program to its window in the X server), %d runs:\n", runs);
    qv::bench::printSummary("spawn to MapNotify", mapped);
    qv::bench::printSummary("spawn to first frame painted (goal < 150 ms)", painted);
    XCloseDisplay(display);
    return 0;
}
