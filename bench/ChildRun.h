// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

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

// Times `work` and writes the seconds it took, as a double, to descriptor `fd`.
inline bool TimeInto(int fd, const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return write(fd, &seconds, sizeof seconds) == sizeof seconds;
}

// Each iteration starts a child with `start(writeFd)`, which returns its pid; the child
// reports its seconds through the descriptor. The child's peak resident memory belongs to
// that work alone: the largest is reported as the counter peak_MB.
inline void MeasureChildren(benchmark::State& state, const std::function<pid_t(int)>& start) {
    double peakMb = 0;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        const pid_t pid = start(fds[1]);
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

// `work` in a forked child: for a program without threads.
inline void RunInChild(benchmark::State& state, const std::function<void()>& work) {
    MeasureChildren(state, [&](int fd) {
        const pid_t pid = fork();
        if (pid == 0)
            _exit(TimeInto(fd, work) ? 0 : 1);
        return pid;
    });
}

// For a program with threads (Qt's), where only exec is safe after fork: the benchmark runs
// its own executable with `args`; that run calls ReportChildWork and exits.
inline void RunSelfInChild(benchmark::State& state, const std::vector<std::string>& args) {
    MeasureChildren(state, [&](int fd) {
        const std::string env = "KOVAQ_BENCH_FD=" + std::to_string(fd);
        std::vector<char*> argv{const_cast<char*>("bench-child")};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            putenv(const_cast<char*>(env.c_str()));
            execv("/proc/self/exe", argv.data());
            _exit(127);
        }
        return pid;
    });
}

// In the child started by RunSelfInChild: times `work` and reports it.
inline int ReportChildWork(const std::function<void()>& work) {
    const char* fd = std::getenv("KOVAQ_BENCH_FD");
    return fd && TimeInto(std::atoi(fd), work) ? 0 : 1;
}

} // namespace kovaq::bench
