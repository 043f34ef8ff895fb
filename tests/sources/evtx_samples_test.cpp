#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <regex>

#include "history/event_record.h"
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

// Counts of served event codes, and whether record numbers only go down.
std::map<std::uint16_t, std::size_t> ServedCodes(const std::string& path, bool& newestFirst) {
  OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(ReadFileBytes(path)));
  EXPECT_TRUE(opened.Value) << opened.Error;
  EXPECT_EQ(opened.Note, "") << path;
  std::map<std::uint16_t, std::size_t> codes;
  newestFirst = true;
  std::uint32_t previous = UINT32_MAX;
  if (!opened.Value) {
    return codes;
  }
  for (const auto& bytes : testsupport::ReadRecords(testsupport::RecordLog(*opened.Value))) {
    const auto record = history::EventRecordView::Parse(bytes);
    ++codes[record->EventCode()];
    newestFirst = newestFirst && record->RecordNumber() < previous;
    previous = record->RecordNumber();
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

}  // namespace
}  // namespace orvanta::sources
