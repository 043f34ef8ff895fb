#pragma once

// Measuring helpers shared by the benchmark programs: this process's peak memory, and a child
// program's time and peak memory as the shell's `time` and the kernel's accounting see them.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace orvanta::bench {

// The process's peak resident memory in bytes (VmHWM), 0 when unknown.
inline std::uint64_t PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::stoull(line.substr(6)) * 1024;
    }
  }
  return 0;
}

struct ChildRun {
  double Seconds = 0;
  double PeakMb = 0;  // the largest peak resident memory of the child and what it waited for
  bool Ok = false;
};

// Runs argv with its output thrown away, with ORVANTA_THREADS set to threads unless empty.
inline ChildRun RunChild(const std::vector<std::string>& argv, const std::string& threads = {}) {
  using Clock = std::chrono::steady_clock;
  std::vector<char*> args;
  for (const std::string& arg : argv) {
    args.push_back(const_cast<char*>(arg.c_str()));
  }
  args.push_back(nullptr);
  // What is buffered would otherwise be written again by the child.
  std::fflush(stdout);
  const Clock::time_point start = Clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
      ::_exit(127);
    }
    if (!threads.empty()) {
      ::setenv("ORVANTA_THREADS", threads.c_str(), 1);
    }
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid) {
    return {};
  }
  return {std::chrono::duration<double>(Clock::now() - start).count(), usage.ru_maxrss / 1024.0,
          WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

// The median time of rounds runs and the largest peak; exits when a run fails.
inline ChildRun MedianChild(const std::vector<std::string>& argv, int rounds,
                            const std::string& threads = {}) {
  std::vector<double> times;
  ChildRun result{0, 0, true};
  for (int i = 0; i < rounds; ++i) {
    const ChildRun run = RunChild(argv, threads);
    if (!run.Ok) {
      std::fprintf(stderr, "bench: %s failed\n", argv[0].c_str());
      std::exit(1);
    }
    times.push_back(run.Seconds);
    result.PeakMb = std::max(result.PeakMb, run.PeakMb);
  }
  std::sort(times.begin(), times.end());
  result.Seconds = times[times.size() / 2];
  return result;
}

}  // namespace orvanta::bench
