// The program's start against a bare Qt window's: each is started in turn,
// timed from the fork to the map of its first top-level window (the X
// server tells), and its resident size read a second later. Prints both
// medians, their ratio and both sizes.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/benchmarks/bench_startup [RUNS [PROGRAM_FOLDER...]]
//
// Program folders (a build's dist/) compare other builds of the editor, all
// started in turn with the bare window.
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

    // The programs in turn: the bare window, then each editor.
    struct Program
    {
        std::string name, path, folder;
        std::vector<double> times, sizes;
    };
    std::vector<Program> programs{
        {"bare Qt window", std::string(VORZO_BENCHMARK_DIR) + "/bare_window", VORZO_BENCHMARK_DIR, {}, {}}};
    if (argc <= 2)
        programs.push_back({"the editor", std::string(VORZO_DIST_DIR) + "/VorzoDazorad", VORZO_DIST_DIR, {}, {}});
    for (int i = 2; i < argc; ++i)
        programs.push_back({argv[i], std::string(argv[i]) + "/VorzoDazorad", argv[i], {}, {}});
    // One start of each first, so that all find their files in the cache.
    for (int i = -1; i < runs; ++i) {
        for (Program &program : programs) {
            const auto started = start(display, program.path, program.folder);
            if (!started) {
                std::fprintf(stderr, "%s did not show a window\n", program.path.c_str());
                return 1;
            }
            if (i >= 0) {
                program.times.push_back(started->milliseconds);
                program.sizes.push_back(started->residentMegabytes);
            }
        }
    }
    std::printf("start to the first mapped window, median of %d interleaved starts\n", runs);
    const double bareTime = median(programs.front().times), bareSize = median(programs.front().sizes);
    for (const Program &program : programs) {
        const double time = median(program.times), size = median(program.sizes);
        std::printf("  %-30s %7.1f ms %6.2f x   %6.1f MB resident %+5.1f MB\n", program.name.c_str(), time,
                    time / bareTime, size, size - bareSize);
    }
    XCloseDisplay(display);
    return 0;
}
