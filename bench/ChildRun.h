#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kovaq::bench {

// Runs `work` once per iteration in a child process, so that the child's peak resident
// memory belongs to that work alone; the time taken is the iteration's, the largest peak
// is reported as the counter peak_MB.
inline void RunInChild(benchmark::State& state, const std::function<void()>& work) {
    double peakMb = 0;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            const auto start = std::chrono::steady_clock::now();
            work();
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            (void)!write(fds[1], &seconds, sizeof seconds);
            _exit(0);
        }
        double seconds = 0;
        (void)!read(fds[0], &seconds, sizeof seconds);
        close(fds[0]);
        close(fds[1]);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        peakMb = std::max(peakMb, usage.ru_maxrss / 1024.0);
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MB"] = peakMb;
}

// The same for a program with threads (Qt's), where only exec is safe after fork: the
// benchmark runs its own executable with `args`, which does the work, writes the seconds it
// took as a double to the descriptor named by KOVAQ_BENCH_FD, and exits.
inline void RunSelfInChild(benchmark::State& state, const std::vector<std::string>& args) {
    double peakMb = 0;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        const std::string fd = "KOVAQ_BENCH_FD=" + std::to_string(fds[1]);
        std::vector<char*> argv{const_cast<char*>("bench-child")};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            putenv(const_cast<char*>(fd.c_str()));
            execv("/proc/self/exe", argv.data());
            _exit(127);
        }
        close(fds[1]);
        double seconds = 0;
        const bool got = read(fds[0], &seconds, sizeof seconds) == sizeof seconds;
        close(fds[0]);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child failed");
            return;
        }
        peakMb = std::max(peakMb, usage.ru_maxrss / 1024.0);
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MB"] = peakMb;
}

// In the child: times `work` and reports the seconds to the benchmark.
inline int ReportChildWork(const std::function<void()>& work) {
    const char* fd = std::getenv("KOVAQ_BENCH_FD");
    if (!fd)
        return 2;
    const auto start = std::chrono::steady_clock::now();
    work();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return write(std::atoi(fd), &seconds, sizeof seconds) == sizeof seconds ? 0 : 1;
}

} // namespace kovaq::bench
