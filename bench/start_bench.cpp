// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Ko-Vaq's start against a bare Qt window, and one showing a few controls, side by side in
// one run: the time from the process's start to its window on screen, and its resident
// memory 1.5 s after that.
// Each program starts as a child (a warm-up, then RUNS times, taking turns) with a settings
// folder of its own in which Ko-Vaq reloads a recipe, as a returning user's start does.
// Run by hand, under a virtual display for the real thing:
//   xvfb-run -a build/bench/kovaq_start_bench [RUNS]
// Without a display the offscreen platform is used. With KOVAQ_START_RECIPES naming a
// folder, Ko-Vaq starts as a user's whose Recipes window was left open on that folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double ms = 0;
    double rssMb = 0;
};

double residentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

bool runOnce(const char* exe, const std::vector<std::string>& args, Sample& out) {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        setenv("KOVAQ_MAPPED_FD", std::to_string(fds[1]).c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(exe)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe, argv.data());
        _exit(127);
    }
    close(fds[1]);
    pollfd p{fds[0], POLLIN, 0};
    char mark = 0;
    const bool shown = poll(&p, 1, 20000) == 1 && read(fds[0], &mark, 1) == 1;
    const auto mapped = std::chrono::steady_clock::now();
    close(fds[0]);
    if (shown) {
        out.ms = std::chrono::duration<double, std::milli>(mapped - start).count();
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        out.rssMb = residentMb(pid);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return shown;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    // A settings folder of the bench's own: Ko-Vaq reloads the recipe named there.
    char folder[] = "/tmp/kovaq-start-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string config = std::string(folder) + "/config";
    std::system(("mkdir -p " + config + "/Tresquall").c_str());
    std::ofstream settings(config + "/Tresquall/Ko-Vaq.conf");
    settings << "[General]\nLastFile=" << KOVAQ_SAMPLE_RECIPE << "\nLayout=Landscape\n";
    if (const char* recipes = std::getenv("KOVAQ_START_RECIPES"))
        settings << "RecipesOpen=1\nRecipeFolders=" << recipes << "\n";
    settings.close();
    setenv("XDG_CACHE_HOME", (std::string(folder) + "/cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", folder, 1);
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);

    // The bare window, the bare window with a few controls, Ko-Vaq.
    const char* programs[3] = {KOVAQ_BARE_WINDOW, KOVAQ_BARE_WINDOW, KOVAQ_APP};
    const std::vector<std::string> arguments[3] = {{}, {"--controls"}, {}};
    std::vector<double> ms[3], mb[3];
    for (int i = -1; i < runs; ++i) {
        for (int k = 0; k < 3; ++k) {
            Sample s;
            if (!runOnce(programs[k], arguments[k], s)) {
                std::fprintf(stderr, "%s did not show a window\n", programs[k]);
                return 1;
            }
            if (i >= 0) { // the first round only warms the caches
                ms[k].push_back(s.ms);
                mb[k].push_back(s.rssMb);
            }
        }
    }
    std::system(("rm -rf " + std::string(folder)).c_str());
    const char* names[3] = {"bare Qt window", "  with controls", "Ko-Vaq"};
    std::printf("%-18s %14s %18s   (medians of %d, %s)\n", "", "to window (ms)",
                "memory at 1.5 s (MB)", runs, std::getenv("QT_QPA_PLATFORM") ? "offscreen" : "X");
    for (int k = 0; k < 3; ++k)
        std::printf("%-18s %14.1f %18.1f\n", names[k], median(ms[k]), median(mb[k]));
    std::printf("%-18s %13.2fx %17.2fx\n", "Ko-Vaq / bare", median(ms[2]) / median(ms[0]),
                median(mb[2]) / median(mb[0]));
    std::printf("%-18s %13.2fx %17.2fx\n", "Ko-Vaq / controls", median(ms[2]) / median(ms[1]),
                median(mb[2]) / median(mb[1]));
    return 0;
}
