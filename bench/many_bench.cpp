// Reports of many logs, and of one large log, on every core, each run as a user runs it: the
// program in a child process, its time and peak memory beside another tool's or its own on
// one thread.
//
//   many_bench write-evtx DIR COUNT SAMPLE...  COUNT .evtx files of 1, 2 or 3 MB in DIR, made
//                                              of the sample files' chunks
//   many_bench versus-evtxexport DIR           `orvanta --report DIR/*.evtx` beside `evtxexport
//                                              -f xml` on each, `xargs -P <cores>`
//   many_bench threads FILE                    `orvanta --report FILE` on every core and on one

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "bench_process.h"
#include "support/byte_writer.h"
#include "support/evtx_writer.h"

namespace {

using orvanta::bench::ChildRun;
using orvanta::bench::MedianChild;

using Clock = std::chrono::steady_clock;

constexpr double kPeakTargetMb = 100;
constexpr const char* kFilePrefix = "many-";

const char* Verdict(bool met) {
  return met ? "met" : "MISSED";
}

std::vector<std::string> WrittenFiles(const std::string& dir) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(kFilePrefix) && name.ends_with(".evtx")) {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

int WriteMany(const std::string& dir, std::size_t count, const std::vector<std::string>& samples) {
  std::vector<std::vector<std::uint8_t>> chunks;
  for (const std::string& sample : samples) {
    std::ifstream in(sample, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    for (std::size_t at = orvanta::testsupport::kEvtxFileHeaderSize;
         at + orvanta::testsupport::kEvtxChunkSize <= bytes.size();
         at += orvanta::testsupport::kEvtxChunkSize) {
      if (bytes[at] == 'E') {
        chunks.emplace_back(
            bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + orvanta::testsupport::kEvtxChunkSize));
      }
    }
  }
  if (chunks.empty()) {
    std::fprintf(stderr, "many_bench: no chunks in the samples\n");
    return 1;
  }
  std::filesystem::create_directories(dir);
  double megabytes = 0;
  for (std::size_t i = 0; i < count; ++i) {
    // 1, 2 or 3 MB, each file starting at another chunk.
    const std::size_t size = (i % 3 + 1) * 1'000'000 / orvanta::testsupport::kEvtxChunkSize;
    std::vector<std::vector<std::uint8_t>> file;
    for (std::size_t c = 0; c < size; ++c) {
      file.push_back(chunks[(i + c) % chunks.size()]);
    }
    const std::vector<std::uint8_t> bytes = orvanta::testsupport::WriteEvtxFile(file, 1);
    char name[32];
    std::snprintf(name, sizeof name, "%s%03zu.evtx", kFilePrefix, i);
    if (!orvanta::testsupport::WriteFileBytes(dir + "/" + name, bytes)) {
      std::fprintf(stderr, "many_bench: cannot write %s/%s\n", dir.c_str(), name);
      return 1;
    }
    megabytes += bytes.size() / 1e6;
  }
  std::printf("wrote %zu .evtx files in %s, %.0f MB\n", count, dir.c_str(), megabytes);
  return 0;
}

int VersusEvtxexport(const std::string& dir) {
  const std::vector<std::string> files = WrittenFiles(dir);
  std::printf("%zu .evtx files of 1-3 MB in %s\n", files.size(), dir.c_str());
  if (std::system("command -v evtxexport > /dev/null") != 0) {
    std::printf("  evtxexport is not installed (Debian package libevtx-utils): NOT MEASURED\n");
    return 1;
  }
  std::vector<std::string> ours = {ORVANTA_PROGRAM, "--report"};
  ours.insert(ours.end(), files.begin(), files.end());
  const ChildRun our = MedianChild(ours, 3);
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::string xargs = "ls " + dir + "/" + kFilePrefix + "*.evtx | xargs -P " +
                            std::to_string(cores) + " -n 1 evtxexport -f xml > /dev/null 2>&1";
  const ChildRun other = MedianChild({"sh", "-c", xargs}, 1);
  std::printf("  orvanta --report FILE...             %7.3f s, %5.1f MB (target < 100 MB: %s)\n",
              our.Seconds, our.PeakMb, Verdict(our.PeakMb < kPeakTargetMb));
  std::printf("  xargs -P %u evtxexport -f xml (once)  %7.3f s, %5.1f MB the largest\n", cores,
              other.Seconds, other.PeakMb);
  std::printf("  ratio                                %7.1f x faster (target >= 50: %s)\n",
              other.Seconds / our.Seconds, Verdict(other.Seconds / our.Seconds >= 50));
  return 0;
}

int Threads(const std::string& path) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::vector<std::string> report = {ORVANTA_PROGRAM, "--report", path};
  const ChildRun all = MedianChild(report, 5, std::to_string(cores));
  const ChildRun one = MedianChild(report, 5, "1");
  std::printf("%s, orvanta --report (median of 5)\n", path.c_str());
  std::printf("  on %u threads   %.3f s, %5.1f MB (target < 100 MB: %s)\n", cores, all.Seconds,
              all.PeakMb, Verdict(all.PeakMb < kPeakTargetMb));
  std::printf("  on 1 thread    %.3f s, %5.1f MB\n", one.Seconds, one.PeakMb);
  std::printf("  ratio          %.2f x faster (target >= 1.6 on 2 cores: %s)\n",
              one.Seconds / all.Seconds, Verdict(one.Seconds / all.Seconds >= 1.6));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 4 && args[0] == "write-evtx") {
    return WriteMany(args[1], std::strtoul(args[2].c_str(), nullptr, 10),
                     {args.begin() + 3, args.end()});
  }
  if (args.size() == 2 && args[0] == "versus-evtxexport") {
    return VersusEvtxexport(args[1]);
  }
  if (args.size() == 2 && args[0] == "threads") {
    return Threads(args[1]);
  }
  std::fputs(
      "usage: many_bench write-evtx DIR COUNT SAMPLE... | versus-evtxexport DIR | threads FILE\n",
      stderr);
  return 2;
}
