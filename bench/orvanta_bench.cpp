// Times the whole refresh (load the file, read it newest first, rebuild the runs, fill the
// list, feed the chart, write the statistics) on large logs written by the fixture writers.
//
//   orvanta_bench write-evt FILE COUNT     a .evt file of COUNT mixed records
//   orvanta_bench write-wtmp FILE COUNT    a wtmp file of COUNT mixed entries
//   orvanta_bench refresh FILE             refresh timings, records per second, peak memory
//   orvanta_bench versus-last FILE         our refresh and `last -x -f FILE`, side by side
//   orvanta_bench report EVT WTMP          `orvanta --report` on both and `last -x -F -f WTMP`,
//                                          each in a child process: time and peak memory
//   orvanta_bench sparse-wtmp WTMP DIR     a 4 GiB wtmp in DIR, holes and then WTMP's entries,
//                                          reported in a child process for its peak; deleted
//   orvanta_bench write-evtx FILE MB SAMPLE...
//                                          an .evtx file of at least MB megabytes made of the
//                                          chunks of the sample files, repeated
//   orvanta_bench versus-evtxexport FILE   our refresh and `evtxexport -f xml FILE`, side by side
//   orvanta_bench sparse DIR               64 GiB .evtx and wtmp files of holes in DIR, reported
//                                          in a child process for their time; deleted
//   orvanta_bench evtx-memory DIR MB       an .evtx of MB megabytes of service control events in
//                                          DIR, reported in a child process for its peak; deleted
//
// Like the program, the bench first reserves heap for the file's size (timed and printed apart).
// With ORVANTA_BENCH_FIRST_STEPS set, refresh also prints the steps of the first refresh of the
// process, which pays for growing the heap.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench_process.h"
#include "platform/posix/file_load.h"
#include "platform/posix/heap_reserve.h"
#include "platform/posix/passwd_directory.h"
#include "present/run_chart.h"
#include "present/run_list.h"
#include "present/run_refresh.h"
#include "present/run_statistics.h"
#include "sources/evt_file_log.h"
#include "sources/evtx_file.h"
#include "sources/unix_account_api.h"
#include "support/byte_writer.h"
#include "support/event_mix.h"
#include "support/evtx_writer.h"
#include "support/wtmp_writer.h"

namespace {

using orvanta::bench::ChildRun;
using orvanta::bench::MedianChild;
using orvanta::bench::PeakResidentBytes;

using namespace orvanta;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

struct RefreshResult {
  double Seconds;     // wall clock
  double CpuSeconds;  // of this process, to tell our work from a busy machine's
  std::size_t Runs;
};

RefreshResult TimedRefresh(const std::string& path, present::RunRefresh& refresh) {
  const Clock::time_point start = Clock::now();
  const std::clock_t cpuStart = std::clock();
  platform::PasswdDirectory users;
  sources::OpenedLog opened = platform::OpenLogFile(path);
  if (!opened.Value) {
    std::fprintf(stderr, "orvanta_bench: %s: %s\n", path.c_str(), opened.Error.c_str());
    std::exit(1);
  }
  sources::UnixAccountApi accounts(users);
  refresh.Refresh(*opened.Value, accounts);
  return {Seconds(Clock::now() - start),
          static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC, refresh.Runs.size()};
}

std::size_t CountRecords(const std::string& path) {
  sources::OpenedLog opened = platform::OpenLogFile(path);
  std::size_t count = 0;
  if (opened.Value) {
    opened.Value->Read([&count](const history::HistoryEvent&) { ++count; });
  }
  return count;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Refreshes kRounds times on one window's data, as repeated clicks on Refresh do.
std::vector<RefreshResult> RefreshRounds(const std::string& path) {
  present::RunRefresh refresh;
  std::vector<RefreshResult> results;
  for (int i = 0; i < kRounds; ++i) {
    results.push_back(TimedRefresh(path, refresh));
  }
  return results;
}

double MedianWall(const std::vector<RefreshResult>& results) {
  std::vector<double> values;
  for (const RefreshResult& r : results) {
    values.push_back(r.Seconds);
  }
  return Median(values);
}

double MedianCpu(const std::vector<RefreshResult>& results) {
  std::vector<double> values;
  for (const RefreshResult& r : results) {
    values.push_back(r.CpuSeconds);
  }
  return Median(values);
}

// One more refresh, step by step, to show where the time goes.
void PrintSteps(const std::string& path, present::RunRefresh& refresh) {
  Clock::time_point t0 = Clock::now();
  platform::PasswdDirectory users;
  sources::OpenedLog opened = platform::OpenLogFile(path);
  if (!opened.Value) {
    return;
  }
  sources::UnixAccountApi accounts(users);
  Clock::time_point t1 = Clock::now();
  history::RebuildRuns(refresh.Runs, *opened.Value, accounts, refresh.NewestRecordTime);
  Clock::time_point t2 = Clock::now();
  present::FillRunList(refresh.Runs, refresh.UiLWMsg, refresh.TotalRunSeconds);
  Clock::time_point t3 = Clock::now();
  present::FillRunChart(refresh.Runs, refresh.Series1);
  Clock::time_point t4 = Clock::now();
  present::ShowRunStatistics(refresh.Runs, refresh.TotalRunSeconds, refresh.StatusPanes);
  Clock::time_point t5 = Clock::now();
  std::printf(
      "  steps              load %.3f s, read and rebuild %.3f s, list %.3f s, "
      "chart %.3f s, statistics %.6f s\n",
      Seconds(t1 - t0), Seconds(t2 - t1), Seconds(t3 - t2), Seconds(t4 - t3), Seconds(t5 - t4));
}

// What the program does at its start for a log file, before its first refresh.
void ReserveHeapAsTheProgramDoes(const std::string& path) {
  const Clock::time_point start = Clock::now();
  const std::size_t reserved = platform::ReserveHeapForLog(path);
  std::printf("  heap reserve       %.1f MB in %.3f ms\n", reserved / 1e6,
              Seconds(Clock::now() - start) * 1e3);
}

// The refresh time has its target on event log files; wtmp logs are measured against `last`.
bool IsEventLogFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::array<std::uint8_t, 8> start{};
  file.read(reinterpret_cast<char*>(start.data()), start.size());
  return file.gcount() == static_cast<std::streamsize>(start.size()) &&
         (sources::EvtFileLog::HasSignature(start) || sources::HasEvtxSignature(start));
}

std::string TimeTarget(bool applies, double seconds) {
  if (!applies) {
    return "";
  }
  return std::string("; target < 0.300 s: ") + (seconds < 0.3 ? "met" : "MISSED");
}

int Refresh(const std::string& path) {
  const std::uint64_t fileSize = std::filesystem::file_size(path);
  std::printf("refresh %s\n", path.c_str());
  ReserveHeapAsTheProgramDoes(path);
  present::RunRefresh refresh;
  std::vector<RefreshResult> results;
  if (std::getenv("ORVANTA_BENCH_FIRST_STEPS") != nullptr) {
    PrintSteps(path, refresh);
  }
  for (int i = 0; i < kRounds; ++i) {
    results.push_back(TimedRefresh(path, refresh));
  }
  const std::uint64_t peak = PeakResidentBytes();
  const std::size_t records = CountRecords(path);
  const double median = MedianWall(results);
  std::printf("  file size          %.1f MB, %zu records, %zu runs\n", fileSize / 1e6, records,
              results.back().Runs);
  const double first = results.front().Seconds;
  const bool targeted = IsEventLogFile(path);
  std::printf("  first refresh      %.3f s (cpu %.3f s%s)\n", first, results.front().CpuSeconds,
              TimeTarget(targeted, first).c_str());
  std::printf("  median of %d        %.3f s (cpu %.3f s%s)\n", kRounds, median, MedianCpu(results),
              TimeTarget(targeted, median).c_str());
  std::printf("  records per second %.0f\n", records / median);
  std::printf("  peak memory        %.1f MB = %.2f x file size (target < 2: %s)\n", peak / 1e6,
              static_cast<double>(peak) / fileSize, peak < 2 * fileSize ? "met" : "MISSED");
  PrintSteps(path, refresh);
  return 0;
}

// The median wall time of three runs of a shell command; nothing, said on stderr, when it fails.
std::optional<double> MedianCommandSeconds(const std::string& command) {
  std::vector<double> times;
  for (int i = 0; i < 3; ++i) {
    const Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "orvanta_bench: %s failed\n", command.c_str());
      return std::nullopt;
    }
    times.push_back(Seconds(Clock::now() - start));
  }
  return Median(times);
}

int VersusLast(const std::string& path) {
  std::printf("wtmp %s\n", path.c_str());
  ReserveHeapAsTheProgramDoes(path);
  const std::vector<RefreshResult> results = RefreshRounds(path);
  const double ours = MedianWall(results);
  const std::optional<double> lastTime =
      MedianCommandSeconds("last -x -f '" + path + "' > /dev/null");
  if (!lastTime) {
    return 1;
  }
  const double last = *lastTime;
  std::printf("  runs               %zu\n", results.back().Runs);
  std::printf("  orvanta refresh    %.3f s (median of %d, cpu %.3f s)\n", ours, kRounds,
              MedianCpu(results));
  std::printf("  last -x -f FILE    %.3f s (median of 3)\n", last);
  std::printf("  ratio              %.1f x faster (target >= 3: %s)\n", last / ours,
              last / ours >= 3 ? "met" : "MISSED");
  return 0;
}

const char* Verdict(bool met) {
  return met ? "met" : "MISSED";
}

constexpr double kPeakTargetMb = 100;

int Report(const std::string& evt, const std::string& wtmp) {
  const std::vector<std::string> evtReport = {ORVANTA_PROGRAM, "--report", evt};
  const std::vector<std::string> wtmpReport = {ORVANTA_PROGRAM, "--report", wtmp};
  const ChildRun ourEvt = MedianChild(evtReport, kRounds);
  const ChildRun ourWtmp = MedianChild(wtmpReport, kRounds);
  const ChildRun last = MedianChild({"last", "-x", "-F", "-f", wtmp}, 3);
  std::printf("report, each in a child process (median time, peak memory)\n");
  std::printf("  orvanta --report EVT   %.3f s, %5.1f MB (targets < 0.150 s: %s, < 100 MB: %s)\n",
              ourEvt.Seconds, ourEvt.PeakMb, Verdict(ourEvt.Seconds < 0.15),
              Verdict(ourEvt.PeakMb < kPeakTargetMb));
  std::printf("  orvanta --report WTMP  %.3f s, %5.1f MB (target < 100 MB: %s)\n", ourWtmp.Seconds,
              ourWtmp.PeakMb, Verdict(ourWtmp.PeakMb < kPeakTargetMb));
  std::printf("  last -x -F -f WTMP     %.3f s, %5.1f MB\n", last.Seconds, last.PeakMb);
  std::printf("  ratio                  %.1f x faster than last (target >= 10: %s)\n",
              last.Seconds / ourWtmp.Seconds, Verdict(last.Seconds / ourWtmp.Seconds >= 10));
  return 0;
}

constexpr std::uint64_t kSparseSize = std::uint64_t{4} << 30;
constexpr double kBytesPerRun = 150;

// Holes up to the last entries, which are the given file's: the kernel reads the holes as
// zeros, empty utmp entries, so the file is read whole but takes only the entries' disk space.
bool WriteSparseWtmp(const std::string& entries, const std::string& path) {
  std::ifstream in(entries, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  const std::uint64_t start = (kSparseSize - bytes.size()) / 384 * 384;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  bool ok = fd >= 0 && ::ftruncate(fd, static_cast<off_t>(start)) == 0;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(start + done));
    ok = n > 0;
    done += ok ? static_cast<std::size_t>(n) : 0;
  }
  return fd >= 0 && ::close(fd) == 0 && ok;
}

int SparseWtmp(const std::string& entries, const std::string& dir) {
  const std::string path = dir + "/sparse-4g.wtmp";
  if (!WriteSparseWtmp(entries, path)) {
    std::fprintf(stderr, "orvanta_bench: cannot write %s\n", path.c_str());
    std::filesystem::remove(path);
    return 1;
  }
  const std::size_t runs = TimedRefresh(entries, *std::make_unique<present::RunRefresh>()).Runs;
  const ChildRun run = MedianChild({ORVANTA_PROGRAM, "--report", path}, 1);
  std::filesystem::remove(path);
  const double allowed = kPeakTargetMb + kBytesPerRun * static_cast<double>(runs) / 1e6;
  std::printf("sparse 4 GiB wtmp (%zu runs), report in a child process\n", runs);
  std::printf(
      "  orvanta --report       %.3f s, %5.1f MB (target < %.1f MB = 100 MB + 150 B a run: %s)\n",
      run.Seconds, run.PeakMb, allowed, Verdict(run.PeakMb < allowed));
  return 0;
}

constexpr std::uint64_t kSparseLargeSize = std::uint64_t{64} << 30;
constexpr double kSparseTargetSeconds = 1.0;

// An .evtx chunk of a boot and a clean shutdown, with identifiers from first.
std::vector<std::uint8_t> BootChunk(std::uint64_t first, std::int64_t seconds) {
  testsupport::EvtxChunkWriter w;
  w.Add({"EventLog", 0x80001775, seconds, {}, {}}, first);
  w.Add({"EventLog", 0x80001776, seconds + 3600, {}, {}}, first + 1);
  return w.Finish();
}

// 64 GiB files of holes with a few records at both ends, an .evtx and a wtmp file, each reported
// in a child process; deleted after.
int Sparse(const std::string& dir) {
  using testsupport::kEvtxChunkSize;
  using testsupport::kEvtxFileHeaderSize;
  const std::uint64_t lastSlot =
      kEvtxFileHeaderSize +
      (kSparseLargeSize - kEvtxFileHeaderSize) / kEvtxChunkSize * kEvtxChunkSize - kEvtxChunkSize;
  const std::int32_t t = 1'600'000'000;
  // Enough entries at the end for the newest records to tell the layout apart.
  constexpr std::size_t kEntriesAtTheEnd = 4400;
  const std::uint64_t lastEntries = (kSparseLargeSize / 384 - kEntriesAtTheEnd) * 384;
  std::vector<testsupport::WtmpEntry> entries;
  for (std::size_t i = 0; i < kEntriesAtTheEnd; ++i) {
    const auto at = static_cast<std::int32_t>(t + 86400 + 600 * i);
    entries.push_back(i % 2 == 0 ? testsupport::BootEntry(at) : testsupport::ShutdownEntry(at));
  }
  struct File {
    const char* Name;
    std::vector<testsupport::FilePiece> Pieces;
  };
  const std::vector<File> files = {
      {"sparse-64g.evtx",
       {{0, testsupport::WriteEvtxFile({BootChunk(1, t)}, 1)},
        {lastSlot, BootChunk(3, t + 86400)}}},
      {"sparse-64g.wtmp",
       {{0, testsupport::WriteWtmpFile({testsupport::BootEntry(t)})},
        {lastEntries, testsupport::WriteWtmpFile(entries)}}},
  };
  std::printf("sparse 64 GiB files, under 2 MB of data at both ends, report in a child process\n");
  for (const File& file : files) {
    const std::string path = dir + "/" + file.Name;
    if (!testsupport::WriteSparseFile(path, kSparseLargeSize, file.Pieces)) {
      std::fprintf(stderr, "orvanta_bench: cannot write %s\n", path.c_str());
      std::filesystem::remove(path);
      return 1;
    }
    const ChildRun run = MedianChild({ORVANTA_PROGRAM, "--report", path}, 3);
    std::filesystem::remove(path);
    std::printf("  %-16s %.3f s, %5.1f MB (target < %.0f s: %s)\n", file.Name, run.Seconds,
                run.PeakMb, kSparseTargetSeconds, Verdict(run.Seconds < kSparseTargetSeconds));
  }
  return 0;
}

// A chunk filled with service control events of one user, with a boot first when boot is set.
std::vector<std::uint8_t> ServiceControlChunk(bool boot) {
  const std::vector<std::uint8_t> user = {1, 5, 0, 0, 0, 0, 0, 5, 21, 0, 0,    0, 1, 0,
                                          0, 0, 2, 0, 0, 0, 3, 0, 0,  0, 0xE9, 3, 0, 0};
  testsupport::EvtxChunkWriter w;
  std::uint64_t id = 1;
  std::int64_t seconds = 1'600'000'000;
  if (boot) {
    w.Add({"EventLog", 0x80001775, seconds, {}, {}}, id++);
  }
  // Records of one kind have one size after the first: stop while two more would still fit.
  std::size_t last = 0;
  std::size_t size = 0;
  while (last + 3 * size < testsupport::kEvtxChunkSize) {
    const std::size_t at =
        w.Add({"Service Control Manager", 0x40001B7B, ++seconds, user, {}}, id++);
    size = at - last;
    last = at;
  }
  return w.Finish();
}

// An .evtx file of about megabytes of service control events after one boot, written chunk by
// chunk, each chunk's records numbered on from the last; then reported in a child process for
// its peak memory. Deleted after.
int EvtxMemory(const std::string& dir, std::size_t megabytes) {
  using testsupport::kEvtxChunkSize;
  const std::string path = dir + "/service-control.evtx";
  const std::size_t chunks = megabytes * 1'000'000 / kEvtxChunkSize;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::vector<std::uint8_t> header = testsupport::WriteEvtxFile({}, chunks);
    out.write(reinterpret_cast<const char*>(header.data()),
              static_cast<std::streamsize>(header.size()));
    const std::vector<std::uint8_t> first = ServiceControlChunk(true);
    const std::vector<std::uint8_t> rest = ServiceControlChunk(false);
    std::uint64_t id = 1;
    for (std::size_t i = 0; i < chunks && out; ++i) {
      std::vector<std::uint8_t> chunk = i == 0 ? first : rest;
      // Renumber the record headers, which order the chunks.
      const auto u32 = [&chunk](std::size_t at) {
        return chunk[at] | chunk[at + 1] << 8 | chunk[at + 2] << 16 |
               static_cast<std::uint32_t>(chunk[at + 3]) << 24;
      };
      const std::uint32_t freeSpace = u32(0x30);
      for (std::size_t p = 512; p + 24 <= freeSpace && u32(p + 4) >= 28; p += u32(p + 4)) {
        for (std::size_t b = 0; b < 8; ++b) {
          chunk[p + 8 + b] = static_cast<std::uint8_t>(id >> (8 * b));
        }
        ++id;
      }
      testsupport::SumEvtxChunk(chunk);
      out.write(reinterpret_cast<const char*>(chunk.data()),
                static_cast<std::streamsize>(chunk.size()));
    }
    if (!out) {
      std::fprintf(stderr, "orvanta_bench: cannot write %s\n", path.c_str());
      std::filesystem::remove(path);
      return 1;
    }
  }
  const double fileMb = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  const ChildRun run = MedianChild({ORVANTA_PROGRAM, "--report", path}, 1);
  std::filesystem::remove(path);
  std::printf("evtx of %.0f MB: one boot, then service control events\n", fileMb);
  std::printf("  orvanta --report       %.3f s, %5.1f MB (target < %.0f MB at any size: %s)\n",
              run.Seconds, run.PeakMb, kPeakTargetMb, Verdict(run.PeakMb < kPeakTargetMb));
  return 0;
}

int VersusEvtxexport(const std::string& path) {
  std::printf("evtx %s\n", path.c_str());
  if (std::system("command -v evtxexport > /dev/null") != 0) {
    std::printf("  evtxexport is not installed (Debian package libevtx-utils): NOT MEASURED\n");
    return 1;
  }
  const std::vector<RefreshResult> results = RefreshRounds(path);
  const double ours = MedianWall(results);
  const std::optional<double> exportTime =
      MedianCommandSeconds("evtxexport -f xml '" + path + "' > /dev/null 2>&1");
  if (!exportTime) {
    return 1;
  }
  const double other = *exportTime;
  std::printf("  runs               %zu\n", results.back().Runs);
  std::printf("  orvanta refresh    %.4f s (median of %d, cpu %.4f s)\n", ours, kRounds,
              MedianCpu(results));
  std::printf("  evtxexport -f xml  %.4f s (median of 3)\n", other);
  std::printf("  ratio              %.1f x faster (target >= 30: %s)\n", other / ours,
              other / ours >= 30 ? "met" : "MISSED");
  return 0;
}

// Chunks of the samples, repeated behind one header until the file holds at least megabytes.
int WriteEvtx(const std::string& path, std::size_t megabytes,
              const std::vector<std::string>& samples) {
  std::vector<std::vector<std::uint8_t>> chunks;
  for (const std::string& sample : samples) {
    std::ifstream in(sample, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    for (std::size_t at = testsupport::kEvtxFileHeaderSize;
         at + testsupport::kEvtxChunkSize <= bytes.size(); at += testsupport::kEvtxChunkSize) {
      if (bytes[at] == 'E') {
        chunks.emplace_back(
            bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + testsupport::kEvtxChunkSize));
      }
    }
  }
  if (chunks.empty()) {
    std::fprintf(stderr, "orvanta_bench: no chunks in the samples\n");
    return 1;
  }
  // Each round of the chunks numbered past the one before, as a log that ran that long would
  // be: a reader drops chunks it has seen before.
  constexpr std::uint64_t kRoundIds = 100'000'000;
  std::vector<std::vector<std::uint8_t>> file;
  while (file.size() * testsupport::kEvtxChunkSize < megabytes * 1'000'000) {
    const std::size_t round = file.size() / chunks.size();
    file.push_back(chunks[file.size() % chunks.size()]);
    testsupport::ShiftEvtxChunkIds(file.back(), round * kRoundIds);
  }
  const std::vector<std::uint8_t> bytes = testsupport::WriteEvtxFile(file, 1);
  if (!testsupport::WriteFileBytes(path, bytes)) {
    std::fprintf(stderr, "orvanta_bench: cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("wrote %s: %zu chunks, %.1f MB\n", path.c_str(), file.size(), bytes.size() / 1e6);
  return 0;
}

int Write(const std::string& kind, const std::string& path, std::size_t count) {
  const std::vector<std::uint8_t> bytes =
      kind == "write-evt" ? testsupport::WriteEvtFile(testsupport::MakeEventMix(count, 42))
                          : testsupport::WriteWtmpFile(testsupport::MakeWtmpMix(count, 42));
  if (!testsupport::WriteFileBytes(path, bytes)) {
    std::fprintf(stderr, "orvanta_bench: cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("wrote %s: %zu entries, %.1f MB\n", path.c_str(), count, bytes.size() / 1e6);
  return 0;
}

int Usage() {
  std::fputs(
      "usage: orvanta_bench write-evt|write-wtmp FILE COUNT\n"
      "       orvanta_bench write-evtx FILE MB SAMPLE...\n"
      "       orvanta_bench refresh|versus-last|versus-evtxexport FILE\n"
      "       orvanta_bench report EVT WTMP\n"
      "       orvanta_bench sparse-wtmp WTMP DIR\n"
      "       orvanta_bench sparse DIR\n"
      "       orvanta_bench evtx-memory DIR MB\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && (args[0] == "write-evt" || args[0] == "write-wtmp")) {
    return Write(args[0], args[1], std::stoul(args[2]));
  }
  if (args.size() == 2 && args[0] == "refresh") {
    return Refresh(args[1]);
  }
  if (args.size() == 3 && args[0] == "report") {
    return Report(args[1], args[2]);
  }
  if (args.size() == 3 && args[0] == "sparse-wtmp") {
    return SparseWtmp(args[1], args[2]);
  }
  if (args.size() == 2 && args[0] == "sparse") {
    return Sparse(args[1]);
  }
  if (args.size() == 3 && args[0] == "evtx-memory") {
    return EvtxMemory(args[1], std::stoul(args[2]));
  }
  if (args.size() >= 4 && args[0] == "write-evtx") {
    return WriteEvtx(args[1], std::stoul(args[2]), {args.begin() + 3, args.end()});
  }
  if (args.size() == 2 && args[0] == "versus-evtxexport") {
    return VersusEvtxexport(args[1]);
  }
  if (args.size() == 2 && args[0] == "versus-last") {
    return VersusLast(args[1]);
  }
  return Usage();
}
