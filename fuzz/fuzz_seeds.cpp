// Writes the seed corpora of the fuzz targets: DIR/evt_file, DIR/evtx, DIR/wtmp, DIR/runs and
// DIR/wtmpdb and DIR/journal_rows.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "history/sid.h"
#include "support/byte_writer.h"
#include "support/event_mix.h"
#include "support/evt_writer.h"
#include "support/evtx_writer.h"
#include "support/journal_writer.h"
#include "support/worked_example.h"
#include "support/wtmp_writer.h"
#include "support/wtmpdb_writer.h"

namespace {

using namespace orvanta;
namespace fs = std::filesystem;

void Write(const fs::path& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(dir);
  if (!testsupport::WriteFileBytes((dir / name).string(), bytes)) {
    std::fprintf(stderr, "cannot write %s\n", (dir / name).c_str());
    std::exit(1);
  }
}

// The worked example as an .evtx file of two chunks, the logons as Winlogon 7001 in the second.
std::vector<std::uint8_t> WorkedEvtx(const std::vector<testsupport::EventSpec>& events) {
  std::vector<testsupport::EvtxChunkWriter> chunks(2);
  for (std::size_t i = 0; i < events.size(); ++i) {
    const testsupport::EventSpec& e = events[i];
    const bool logon = (e.EventId & 0xFFFF) == 7035;
    chunks[i * 2 / events.size()].Add({logon ? "Microsoft-Windows-Winlogon" : "EventLog",
                                       logon ? 7001 : e.EventId,
                                       e.TimeGenerated,
                                       {},
                                       e.UserSid},
                                      i + 1);
  }
  return testsupport::WriteEvtxFile({chunks[0].Finish(), chunks[1].Finish()}, 1);
}

// A login database as the wtmpdb target takes it: the file's bytes, then a last byte that
// says they are a whole file.
std::vector<std::uint8_t> WtmpdbSeed(const fs::path& dir, const std::string& problem) {
  if (!problem.empty()) {
    std::fprintf(stderr, "cannot write a login database: %s\n", problem.c_str());
    std::exit(1);
  }
  const fs::path scratch = dir / "scratch.db";
  std::ifstream file(scratch, std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    fs::remove(scratch.string() + suffix);
  }
  bytes.push_back(1);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: orvanta_fuzz_seeds DIR\n", stderr);
    return 2;
  }
  const fs::path dir = argv[1];
  const auto worked =
      testsupport::WorkedExampleEvents(history::EncodeSid(history::MakeSid(22, {1, 0})),
                                       history::EncodeSid(history::MakeSid(22, {1, 1})));
  const auto mix = testsupport::MakeEventMix(40, 1);

  Write(dir / "evt_file", "worked", testsupport::WriteEvtFile(worked));
  Write(dir / "evtx", "worked", WorkedEvtx(worked));
  testsupport::EvtLayout wrapped;
  wrapped.FileSize = 1400;
  wrapped.FirstRecordOffset = 1200;
  wrapped.DirtyHeader = true;
  Write(dir / "evt_file", "worked-wrapped-dirty", testsupport::WriteEvtFile(worked, wrapped));
  testsupport::EvtLayout padded;
  padded.FileSize = 1400;
  padded.FirstRecordOffset = 1352;
  padded.StaleFill = true;
  Write(dir / "evt_file", "worked-padded", testsupport::WriteEvtFile(worked, padded));
  testsupport::EvtLayout mixed;
  mixed.FileSize = 6000;
  mixed.FirstRecordOffset = 3000;
  Write(dir / "evt_file", "mix", testsupport::WriteEvtFile(mix, mixed));
  Write(dir / "evt_file", "empty", testsupport::WriteEvtFile({}));
  Write(dir / "evt_file", "cleared", testsupport::WriteClearedEvtFile(4096));

  const auto wtmpMix = testsupport::MakeWtmpMix(30, 2);
  for (const testsupport::WtmpFormat format : testsupport::kWtmpFormats) {
    Write(dir / "wtmp", "mix-" + std::to_string(static_cast<int>(format)),
          testsupport::WriteWtmpFile(wtmpMix, format));
  }
  Write(dir / "wtmp", "boot", testsupport::WriteWtmpFile({testsupport::BootEntry(100)}));

  // The runs target reads its own encoding; arbitrary bytes make good seeds.
  std::vector<std::uint8_t> runs;
  for (int i = 0; i < 512; ++i) {
    runs.push_back(static_cast<std::uint8_t>(i * 37 + 11));
  }
  Write(dir / "runs", "bytes", runs);

  const std::string scratch = (dir / "scratch.db").string();
  const std::vector<testsupport::WtmpdbRow> logins{{1, "reboot", 1'000'000'000, 5'000'000'000},
                                                   {3, "root", 1'500'000'000, {}},
                                                   {3, "ann", 2'000'000'000, 2'500'000'000},
                                                   {1, "reboot", 6'000'000'000, {}}};
  Write(dir / "wtmpdb", "logins", WtmpdbSeed(dir, testsupport::WriteWtmpdbRows(scratch, logins)));
  Write(dir / "wtmpdb", "logged",
        WtmpdbSeed(dir, testsupport::WriteWtmpdbWithLog(
                            scratch, testsupport::kWtmpdbTable,
                            "INSERT INTO wtmp(Type, User, Login) VALUES (1, 'reboot', 1);")));
  Write(dir / "journal_rows", "bytes", runs);
  Write(dir / "journal_rows", "journal",
        testsupport::WriteJournalFile(testsupport::JournalBoots(2, 1000, 1)));
  return 0;
}
