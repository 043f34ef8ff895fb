// A journal directory of many one-boot files, as a machine that keeps every boot's journal
// apart leaves it: `orvanta --report DIR` beside `journalctl --list-boots -D DIR`, each run as a
// child process in the same run, and the figures beside the target.
//
//   journal_bench DIR COUNT    writes COUNT one-boot journal files into DIR (once), then times
//                              both, ours the median of three rounds
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/byte_writer.h"
#include "support/journal_writer.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 3;
constexpr double kTargetSeconds = 3.0;

std::size_t JournalFiles(const fs::path& dir) {
  std::size_t count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    count += entry.path().extension() == ".journal" ? 1 : 0;
  }
  return count;
}

bool WriteDirectory(const fs::path& dir, std::size_t count) {
  fs::create_directories(dir);
  if (JournalFiles(dir) == count) {
    return true;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const auto entries = orvanta::testsupport::JournalBoots(1, 1'600'000'000 + i * 86'400,
                                                            static_cast<std::uint32_t>(i));
    const fs::path file = dir / ("system@" + std::to_string(i) + ".journal");
    if (!orvanta::testsupport::WriteFileBytes(file,
                                              orvanta::testsupport::WriteJournalFile(entries))) {
      return false;
    }
  }
  return true;
}

// Wall-clock seconds of the command, nothing when it fails.
std::optional<double> CommandSeconds(const std::string& command) {
  const Clock::time_point start = Clock::now();
  if (std::system(command.c_str()) != 0) {
    return std::nullopt;
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::optional<double> MedianSeconds(const std::string& command, int rounds) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const std::optional<double> seconds = CommandSeconds(command);
    if (!seconds) {
      return std::nullopt;
    }
    times.push_back(*seconds);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: journal_bench DIR COUNT\n");
    return 2;
  }
  const fs::path dir = argv[1];
  const auto count = static_cast<std::size_t>(std::strtoull(argv[2], nullptr, 10));
  if (count == 0 || !WriteDirectory(dir, count)) {
    std::fprintf(stderr, "journal_bench: cannot write %zu journal files into %s\n", count,
                 dir.c_str());
    return 1;
  }
  const std::string quoted = "'" + dir.string() + "'";
  const std::optional<double> ours =
      MedianSeconds(std::string(ORVANTA_PROGRAM) + " --report " + quoted + " > /dev/null", kRounds);
  const std::optional<double> theirs =
      CommandSeconds("journalctl --list-boots -D " + quoted + " > /dev/null 2>&1");
  std::printf("journal directory of %zu one-boot files:\n", count);
  if (!ours) {
    std::printf("  orvanta --report DIR             FAILED\n");
    return 1;
  }
  std::printf("  orvanta --report DIR             %.2f s (median of %d)   target < %.0f s: %s\n",
              *ours, kRounds, kTargetSeconds, *ours < kTargetSeconds ? "met" : "MISSED");
  if (theirs) {
    std::printf(
        "  journalctl --list-boots -D DIR   %.2f s                 target: orvanta no slower: %s\n",
        *theirs, *ours <= *theirs ? "met" : "MISSED");
  } else {
    std::printf(
        "  journalctl --list-boots -D DIR   NOT MEASURED (journalctl failed or is absent)\n");
  }
  return 0;
}
