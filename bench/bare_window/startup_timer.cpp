// Measures how long a program takes from its exec to its first window on screen: watches the X
// server for the first top-level window the program maps, then reads the window's pixels until
// its content is drawn (more than a few distinct colours). Runs each program given on the
// command line a number of times, alternating, and prints every time and the median, as wall
// time and as the processor time the program used until then (less disturbed by other load),
// and the program's peak resident memory at that moment. With two programs it also prints the
// ratios of the first to the second.
//
//   startup_timer RUNS PROGRAM...

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A window still blank or filled with one background shows very few colours.
bool IsDrawn(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.width < 8 ||
        attributes.height < 8) {
        return false;
    }
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    std::set<unsigned long> colours;
    for (int y = 0; y < attributes.height; y += 3) {
        for (int x = 0; x < attributes.width; x += 3) {
            colours.insert(XGetPixel(image, x, y));
        }
    }
    XDestroyImage(image);
    return colours.size() > 8;
}

// Processor time a process has used so far, from the scheduler's statistics.
double CpuMilliseconds(pid_t process) {
    std::ifstream stat("/proc/" + std::to_string(process) + "/schedstat");
    double nanoseconds = -1e6;
    stat >> nanoseconds;
    return nanoseconds / 1e6;
}

// Peak resident memory of a process so far (VmHWM), in KiB.
double PeakKibibytes(pid_t process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::atof(line.c_str() + 6);
        }
    }
    return -1;
}

struct Startup {
    double wall;
    double cpu;
    double peakKib;
};

Startup TimeToFirstWindow(Display* display, const char* program) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Startup startup{-1, -1, -1};
    while (startup.wall < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
            const Window shown = event.xmap.window;
            while (!IsDrawn(display, shown)) {
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
            startup.wall = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            startup.cpu = CpuMilliseconds(child);
            startup.peakKib = PeakKibibytes(child);
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XSelectInput(display, root, NoEventMask);
    XSync(display, True);
    return startup;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_timer: no X display\n");
        return 1;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<std::vector<Startup>> times(static_cast<std::size_t>(argc - 2));
    // One unmeasured start each, so every measured start finds the libraries in the cache.
    for (int p = 2; p < argc; ++p) {
        TimeToFirstWindow(display, argv[p]);
    }
    for (int run = 0; run < runs; ++run) {
        for (int p = 2; p < argc; ++p) {
            times[static_cast<std::size_t>(p - 2)].push_back(TimeToFirstWindow(display, argv[p]));
        }
    }
    std::vector<Startup> medians;
    for (int p = 2; p < argc; ++p) {
        std::vector<double> wall;
        std::vector<double> cpu;
        std::vector<double> peak;
        for (const Startup& startup : times[static_cast<std::size_t>(p - 2)]) {
            wall.push_back(startup.wall);
            cpu.push_back(startup.cpu);
            peak.push_back(startup.peakKib);
        }
        const auto print = [](const char* what, const std::vector<double>& values,
                              const char* unit) {
            std::printf("  %s:", what);
            for (double value : values) {
                std::printf(" %.1f", value);
            }
            std::printf("  median %.1f %s\n", Median(values), unit);
        };
        std::printf("%s\n", argv[p]);
        print("wall", wall, "ms");
        print("cpu", cpu, "ms");
        print("peak memory", peak, "KiB");
        medians.push_back({Median(wall), Median(cpu), Median(peak)});
    }
    if (medians.size() == 2) {
        std::printf("ratio first/second: start-up wall %.2f, start-up cpu %.2f, peak memory %.2f\n",
                    medians[0].wall / medians[1].wall, medians[0].cpu / medians[1].cpu,
                    medians[0].peakKib / medians[1].peakKib);
    }
    XCloseDisplay(display);
    return 0;
}
