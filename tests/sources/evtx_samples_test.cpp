#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <regex>

#include "history/sid.h"
#include "sources/evtx_log.h"
#include "sources/log_file.h"
#include "support/record_reading.h"
#include "support/sample_files.h"

namespace orvanta::sources {
namespace {

using testsupport::ReadFileBytes;
using testsupport::SamplePath;

struct SampleCase {
  const char* File;
  std::size_t Boots;
  std::size_t Shutdowns;
};

constexpr std::array<SampleCase, 3> kSamples{{
    {"win10-System-2022.evtx", 2, 1},
    {"win10-System-dirty.evtx", 3, 2},
    {"server2012-System.evtx", 8, 6},
}};

// Counts of boots, clean shutdowns and logons by the codes the event log gives them, and
// whether their record numbers only go down.
std::map<std::uint16_t, std::size_t> ServedCodes(const std::string& path, bool& newestFirst) {
  constexpr std::array<std::pair<history::EventKind, std::uint16_t>, 3> kCodes{{
      {history::EventKind::Boot, 6005},
      {history::EventKind::CleanShutdown, 6006},
      {history::EventKind::Logon, 7035},
  }};
  const std::vector<std::uint8_t> file = ReadFileBytes(path);
  OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(file));
  EXPECT_TRUE(opened.Value) << opened.Error;
  EXPECT_EQ(opened.Note, "") << path;
  std::map<std::uint16_t, std::size_t> codes;
  newestFirst = true;
  std::uint64_t previous = UINT64_MAX;
  if (!opened.Value) {
    return codes;
  }
  EvtxLog log = EvtxLog::Open(BlockReader(ByteBuffer::CopyOf(file)));
  for (const history::HistoryEvent& event : testsupport::ReadEvents(log)) {
    for (const auto& [kind, code] : kCodes) {
      if (event.Kind == kind) {
        ++codes[code];
        newestFirst = newestFirst && event.RecordId < previous;
        previous = event.RecordId;
      }
    }
  }
  return codes;
}

#ifndef _WIN32
// The independent reading is a Linux tool, which the Windows builds cannot start under Wine;
// the Linux builds compare the same reader code with it.

// Counts of the wanted events as evtxexport, a reader written apart from ours, prints them;
// nothing when the tool is not installed.
std::optional<std::map<std::uint16_t, std::size_t>> ExportedCodes(const std::string& path) {
  const std::string command = "evtxexport -f xml '" + path + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) {
    return std::nullopt;
  }
  std::string xml;
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
    xml.append(buffer, got);
  }
  if (xml.empty()) {
    return std::nullopt;
  }
  const std::regex event(R"re(<Provider Name="([^"]*)"[^>]*/>\s*<EventID[^>]*>(\d+)</EventID>)re");
  std::map<std::uint16_t, std::size_t> codes;
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), event); it != std::sregex_iterator();
       ++it) {
    const std::string provider = (*it)[1];
    const int id = std::stoi((*it)[2]);
    if ((provider == "EventLog" && (id == 6005 || id == 6006)) ||
        (provider == "Service Control Manager" && id == 7035) ||
        (provider == "Microsoft-Windows-Winlogon" && id == 7001)) {
      ++codes[static_cast<std::uint16_t>(id == 7001 ? 7035 : id)];
    }
  }
  return codes;
}

#endif

TEST(EvtxSamples, BootsAndShutdownsAsTheSamplesHoldThem) {
  for (const SampleCase& c : kSamples) {
    const std::string path = SamplePath(c.File);
    if (path.empty()) {
      GTEST_SKIP() << c.File << " is not there";
    }
    bool newestFirst = false;
    auto codes = ServedCodes(path, newestFirst);
    EXPECT_EQ(codes[6005], c.Boots) << c.File;
    EXPECT_EQ(codes[6006], c.Shutdowns) << c.File;
    EXPECT_TRUE(newestFirst) << c.File;
  }
}

#ifndef _WIN32
TEST(EvtxSamples, SameEventsAsEvtxexport) {
  for (const SampleCase& c : kSamples) {
    const std::string path = SamplePath(c.File);
    if (path.empty()) {
      GTEST_SKIP() << c.File << " is not there";
    }
    const auto exported = ExportedCodes(path);
    if (!exported) {
      GTEST_SKIP() << "evtxexport (libevtx-utils) is not installed or cannot be run from here: no "
                      "independent count";
    }
    bool newestFirst = false;
    EXPECT_EQ(ServedCodes(path, newestFirst), *exported) << c.File;
  }
}
#endif

// A sleep, wake, crash report or shutdown request as read, its SID written out.
struct PowerFact {
  std::uint64_t RecordId;
  history::EventKind Kind;
  std::int64_t Seconds;
  std::optional<std::int64_t> OtherSeconds;
  std::string Detail;  // a wake's source, a request's user
  std::string Sid;
  friend bool operator==(const PowerFact&, const PowerFact&) = default;
};

std::ostream& operator<<(std::ostream& out, const PowerFact& f) {
  return out << "{" << f.RecordId << ", " << static_cast<int>(f.Kind) << ", " << f.Seconds << ", "
             << (f.OtherSeconds ? std::to_string(*f.OtherSeconds) : "none") << ", \"" << f.Detail
             << "\", \"" << f.Sid << "\"}";
}

// The values below were read off the samples with an independent reader (evtxexport -f xml):
// Power-Troubleshooter 1 SleepTime and WakeTime, 6008's second SYSTEMTIME, User32 1074
// param7 with Security/@UserID, Kernel-General 1 OldTime, and the newest record's Computer.
TEST(EvtxSamples, SleepsCrashesAndShutdownRequestsAsAnIndependentReaderSeesThem) {
  using history::EventKind;
  const std::string kSystem = "NT AUTHORITY\\SYSTEM";
  const std::string kAdmin = "S-1-5-21-226059406-2984137831-1201299043-500";
  const std::string kLocalAdmin = "WIN-NBRJP24VCHB\\Administrator";
  const std::string kDomainAdmin = "INTERNAL\\Administrator";
  struct Case {
    const char* File;
    std::string Computer;
    std::vector<PowerFact> Facts;  // newest first
  };
  const std::vector<Case> cases = {
      {"win10-System-dirty.evtx",
       "DESKTOP-2KGM189",
       {
           // 2017-07-23 10:16:18 to 10:19:13, then 2017-07-20 16:22:15 to 07-23 07:16:52.
           {760, EventKind::SleepEnd, 1500805153, 1500804978, "power button", ""},
           {757, EventKind::SleepEnd, 1500804988, {}, "", ""},
           {756, EventKind::SleepStart, 1500804979, {}, "", ""},
           {544, EventKind::SleepEnd, 1500794212, 1500567735, "power button", ""},
           {540, EventKind::SleepEnd, 1500568950, {}, "", ""},
           {537, EventKind::SleepStart, 1500567736, {}, "", ""},
           {298, EventKind::ShutdownRequest, 1499880004, {}, kSystem, "S-1-5-18"},
           {169, EventKind::ShutdownRequest, 1499879864, {}, kSystem, "S-1-5-18"},
       }},
      {"server2012-System.evtx",
       "DC1.internal.greendale.edu",
       {
           {4980, EventKind::ShutdownRequest, 1442563100, {}, kDomainAdmin, kAdmin},
           {4979, EventKind::ShutdownRequest, 1442563080, {}, kDomainAdmin, kAdmin},
           // Written at 13:41:19 of the crash at 13:34:44 (the machine kept UTC then).
           {1041, EventKind::UnexpectedShutdownReport, 1440510079, 1440509684, "", ""},
           {921, EventKind::ShutdownRequest, 1440507857, {}, kDomainAdmin, kAdmin},
           {920, EventKind::ShutdownRequest, 1440507843, {}, kDomainAdmin, kAdmin},
           {703, EventKind::ShutdownRequest, 1439026755, {}, kDomainAdmin, kAdmin},
           {702, EventKind::ShutdownRequest, 1439026749, {}, kDomainAdmin, kAdmin},
           {565, EventKind::ShutdownRequest, 1439026422, {}, kLocalAdmin, kAdmin},
           {405, EventKind::ShutdownRequest, 1439025240, {}, kLocalAdmin, kAdmin},
           {248, EventKind::ShutdownRequest, 1435039434, {}, kSystem, "S-1-5-18"},
       }},
  };
  for (const Case& c : cases) {
    const std::string path = SamplePath(c.File);
    if (path.empty()) {
      GTEST_SKIP() << c.File << " is not there";
    }
    EvtxLog log = EvtxLog::Open(BlockReader(ByteBuffer::CopyOf(ReadFileBytes(path))));
    std::vector<PowerFact> facts;
    for (const history::HistoryEvent& e : testsupport::ReadEvents(log)) {
      if (e.Kind == EventKind::Boot || e.Kind == EventKind::CleanShutdown ||
          e.Kind == EventKind::Logon || e.Kind == EventKind::LastSignOfLife ||
          e.Kind == EventKind::BootTypeReport || e.Kind == EventKind::ClockChange) {
        continue;
      }
      const auto sid = history::ParseSid(e.Sid);
      facts.push_back({e.RecordId, e.Kind, e.Seconds, e.OtherSeconds,
                       e.WakeSource + e.Shutdown.User, sid ? history::FormatSid(*sid) : ""});
    }
    EXPECT_EQ(facts, c.Facts) << c.File;
    EXPECT_EQ(log.Computer(), c.Computer) << c.File;
  }
}

}  // namespace
}  // namespace orvanta::sources
