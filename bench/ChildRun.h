#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

} // namespace kovaq::bench
