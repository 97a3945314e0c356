// The program's start against a bare Qt window's: each is started in turn,
// timed from the fork to the map of its first top-level window (the X
// server tells), and its resident size read a second later. Prints both
// medians, their ratio and both sizes.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/benchmarks/bench_startup [RUNS]
//
// The editor starts in the program folder, so it loads its preferred picture
// and setting help, runs its clock and creates all seven windows as always.

#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Start
{
    double milliseconds = 0;
    double residentMegabytes = 0;
};

double residentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Waits for the map of a top-level window that is no menu or tip; false
// when none comes in 10 s or the process ends first.
bool waitForMap(Display *display, pid_t pid)
{
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return false;
        fd_set read;
        FD_ZERO(&read);
        FD_SET(ConnectionNumber(display), &read);
        timeval tick{0, 1000};
        select(ConnectionNumber(display) + 1, &read, nullptr, nullptr, &tick);
    }
    return false;
}

std::optional<Start> start(Display *display, const std::string &program, const std::string &folder)
{
    XSync(display, True);
    const auto begun = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The programs' messages would only blur the figures.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    if (pid < 0)
        return std::nullopt;
    Start result;
    const bool mapped = waitForMap(display, pid);
    result.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - begun).count();
    if (mapped) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        result.residentMegabytes = residentMegabytes(pid);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (!mapped)
        return std::nullopt;
    return result;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X server: run under xvfb-run\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    setenv("QT_QPA_PLATFORM", "xcb", 1);

    const std::string bare = std::string(VORZO_BENCHMARK_DIR) + "/bare_window";
    const std::string editor = std::string(VORZO_DIST_DIR) + "/VorzoDazorad";
    // One start of each first, so that both find their files in the cache.
    if (!start(display, bare, VORZO_BENCHMARK_DIR) || !start(display, editor, VORZO_DIST_DIR)) {
        std::fprintf(stderr, "a program did not show a window\n");
        return 1;
    }
    std::vector<double> bareTimes, editorTimes, bareSizes, editorSizes;
    for (int i = 0; i < runs; ++i) {
        const auto b = start(display, bare, VORZO_BENCHMARK_DIR);
        const auto e = start(display, editor, VORZO_DIST_DIR);
        if (!b || !e) {
            std::fprintf(stderr, "a program did not show a window\n");
            return 1;
        }
        bareTimes.push_back(b->milliseconds);
        bareSizes.push_back(b->residentMegabytes);
        editorTimes.push_back(e->milliseconds);
        editorSizes.push_back(e->residentMegabytes);
    }
    const double bareTime = median(bareTimes), editorTime = median(editorTimes);
    const double bareSize = median(bareSizes), editorSize = median(editorSizes);
    std::printf("start to the first mapped window, median of %d interleaved starts\n", runs);
    std::printf("  bare Qt window   %7.1f ms   %6.1f MB resident\n", bareTime, bareSize);
    std::printf("  the editor       %7.1f ms   %6.1f MB resident\n", editorTime, editorSize);
    std::printf("  ratio            %7.2f ×    %+6.1f MB\n", editorTime / bareTime, editorSize - bareSize);
    XCloseDisplay(display);
    return 0;
}
