// Login databases: the bytes as a database file, or as rows and a schema entry for wtmp that
// the bytes choose, read through the schema checks and the rows and then the whole refresh.
// Reading must leave nothing beside the file.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "pipeline_check.h"
#include "platform/posix/wtmpdb_history.h"
#include "sources/event_list_history.h"
#include "support/wtmpdb_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace orvanta;

constexpr std::array<const char*, 3> kSideSuffixes{"-wal", "-shm", "-journal"};
constexpr std::array<const char*, 4> kSchemaTypes{"table", "view", "index", "trigger"};

std::vector<testsupport::WtmpdbRow> Rows(FuzzedDataProvider& input) {
  std::vector<testsupport::WtmpdbRow> rows(input.ConsumeIntegralInRange<std::size_t>(0, 32));
  for (testsupport::WtmpdbRow& row : rows) {
    row.Type = input.ConsumeIntegralInRange<std::int64_t>(0, 4);
    row.User = input.ConsumeRandomLengthString(40);
    row.Login = input.ConsumeIntegral<std::int64_t>();
    if (input.ConsumeBool()) {
      row.Logout = input.ConsumeIntegral<std::int64_t>();
    }
  }
  return rows;
}

// The database file the inputs are written to, one per fuzzing process, removed at exit.
struct ScratchDatabase {
  ScratchDatabase()
      : Path((fs::temp_directory_path() /
              ("orvanta-fuzz-wtmpdb-" + std::to_string(getpid()) + ".db"))
                 .string()) {}
  ~ScratchDatabase() {
    fs::remove(Path);
    RemoveSideFiles();
  }
  void RemoveSideFiles() const {
    for (const char* suffix : kSideSuffixes) {
      fs::remove(Path + suffix);
    }
  }
  std::string Path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchDatabase scratch;
  const std::string& path = scratch.Path;
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  } else {
    const std::vector<testsupport::WtmpdbRow> rows = Rows(input);
    const char* type = kSchemaTypes[input.ConsumeIntegralInRange<std::size_t>(0, 3)];
    if (testsupport::WriteWtmpdbRows(path, rows).empty() && input.ConsumeBool()) {
      testsupport::RewriteWtmpdbSchema(path, type, input.ConsumeRemainingBytesAsString());
    }
  }
  scratch.RemoveSideFiles();
  const platform::WtmpdbBounds bounds{std::chrono::milliseconds(0), {}};
  sources::GatheredEvents history = platform::ReadWtmpdb(path, bounds);
  platform::WtmpdbReach(path, bounds);
  for (const char* suffix : kSideSuffixes) {
    if (fs::exists(path + suffix)) {
      std::abort();  // reading wrote beside the file
    }
  }
  sources::EventListHistory log(std::move(history.Value), sources::SleepRecords::Unknown);
  fuzz::RefreshAndCheck(log);
  return 0;
}
