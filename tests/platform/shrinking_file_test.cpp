// A log file cut shorter after it was opened, before or while it is read, reads as a truncated
// one: no fault, and what is served is the newest part of what the whole file serves; also
// through mapped blocks and on several threads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "platform/posix/file_load.h"
#include "support/byte_writer.h"
#include "support/event_mix.h"
#include "support/evt_writer.h"
#include "support/wtmp_writer.h"

namespace orvanta::platform {
namespace {

using Records = std::vector<history::HistoryEvent>;

enum class Kind { Evt, Wtmp, LargeWtmp };
enum class When { BeforeRead, MidRead };

struct ShrinkCase {
  const char* Name;
  Kind File;
  double Kept;  // share of the bytes left
  When Cut;
  FileReading Blocks = FileReading::Copied;
  unsigned Threads = 1;
};

// Reads the file, cutting it to keep bytes before the read or after a third of the records.
Records ReadCut(const ShrinkCase& c, const std::string& path, std::optional<std::size_t> keep,
                std::size_t expected) {
  const When when = c.Cut;
  sources::OpenedLog opened = OpenLogFile(path, {sources::ExpectedLog::Any, c.Blocks, c.Threads});
  EXPECT_TRUE(opened.Value) << opened.Error;
  if (!opened.Value) {
    return {};
  }
  const auto cut = [&] { EXPECT_EQ(::truncate(path.c_str(), static_cast<off_t>(*keep)), 0); };
  if (keep && when == When::BeforeRead) {
    cut();
  }
  Records records;
  opened.Value->Read([&](const history::HistoryEvent& record) {
    records.push_back(record);
    if (keep && when == When::MidRead && records.size() == expected / 3) {
      cut();
    }
  });
  return records;
}

bool IsSubsequence(const Records& part, const Records& whole) {
  std::size_t at = 0;
  for (const auto& record : part) {
    while (at < whole.size() && whole[at] != record) {
      ++at;
    }
    if (at++ >= whole.size()) {
      return false;
    }
  }
  return true;
}

TEST(ShrinkingFile, ReadsAsATruncatedFile) {
  constexpr std::size_t kCount = 4000;  // files of several read blocks
  const std::vector<std::uint8_t> evt =
      testsupport::WriteEvtFile(testsupport::MakeEventMix(kCount, 7));
  const std::vector<std::uint8_t> wtmp =
      testsupport::WriteWtmpFile(testsupport::MakeWtmpMix(kCount, 7));
  // Several batches of the entries read side by side.
  const std::vector<std::uint8_t> largeWtmp =
      testsupport::WriteWtmpFile(testsupport::MakeWtmpMix(kCount * 12, 7));
  const ShrinkCase cases[] = {
      {"evt emptied before the read", Kind::Evt, 0, When::BeforeRead},
      {"evt halved before the read", Kind::Evt, 0.5, When::BeforeRead},
      {"evt header only, mid-read", Kind::Evt, 0.0001, When::MidRead},
      {"evt halved mid-read", Kind::Evt, 0.5, When::MidRead},
      {"wtmp emptied before the read", Kind::Wtmp, 0, When::BeforeRead},
      {"wtmp cut inside a record", Kind::Wtmp, 0.3337, When::BeforeRead},
      {"wtmp halved mid-read", Kind::Wtmp, 0.5, When::MidRead},
      {"wtmp emptied mid-read", Kind::Wtmp, 0, When::MidRead},
      {"evt halved mid-read, mapped", Kind::Evt, 0.5, When::MidRead, FileReading::Mapped},
      {"wtmp cut inside a record, mapped", Kind::Wtmp, 0.3337, When::BeforeRead,
       FileReading::Mapped},
      {"large wtmp halved before the read, mapped, 2 threads", Kind::LargeWtmp, 0.5,
       When::BeforeRead, FileReading::Mapped, 2},
      {"large wtmp halved mid-read, mapped, 3 threads", Kind::LargeWtmp, 0.5, When::MidRead,
       FileReading::Mapped, 3},
      {"large wtmp emptied mid-read, 2 threads", Kind::LargeWtmp, 0, When::MidRead,
       FileReading::Copied, 2},
  };
  const std::string path =
      (std::filesystem::path(ORVANTA_BINARY_DIR) / "shrinking-file-test.log").string();
  for (const ShrinkCase& c : cases) {
    const std::vector<std::uint8_t>& bytes = c.File == Kind::Evt    ? evt
                                             : c.File == Kind::Wtmp ? wtmp
                                                                    : largeWtmp;
    ASSERT_TRUE(testsupport::WriteFileBytes(path, bytes));
    const Records whole = ReadCut(c, path, std::nullopt, 0);
    ASSERT_TRUE(testsupport::WriteFileBytes(path, bytes));
    const auto keep = static_cast<std::size_t>(bytes.size() * c.Kept);
    const Records cut = ReadCut(c, path, keep, whole.size());
    // Threads may have read the rest ahead before the cut.
    if (c.Threads == 1 || c.Cut == When::BeforeRead) {
      EXPECT_LT(cut.size(), whole.size()) << c.Name;
    }
    EXPECT_TRUE(IsSubsequence(cut, whole)) << c.Name;
    if (c.Cut == When::MidRead) {
      EXPECT_GE(cut.size(), whole.size() / 3) << c.Name << ": lost what was read before the cut";
    }
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace orvanta::platform
