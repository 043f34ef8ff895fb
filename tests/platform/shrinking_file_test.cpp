// A log file cut shorter after it was opened, before or while it is read, reads as a truncated
// one: no fault, and what is served is the newest part of what the whole file serves.
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

enum class Kind { Evt, Wtmp };
enum class When { BeforeRead, MidRead };

struct ShrinkCase {
  const char* Name;
  Kind File;
  double Kept;  // share of the bytes left
  When Cut;
};

// Reads the file, cutting it to keep bytes before the read or after a third of the records.
Records ReadCut(const std::string& path, std::optional<std::size_t> keep, When when,
                std::size_t expected) {
  sources::OpenedLog opened = OpenLogFile(path);
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
  const ShrinkCase cases[] = {
      {"evt emptied before the read", Kind::Evt, 0, When::BeforeRead},
      {"evt halved before the read", Kind::Evt, 0.5, When::BeforeRead},
      {"evt header only, mid-read", Kind::Evt, 0.0001, When::MidRead},
      {"evt halved mid-read", Kind::Evt, 0.5, When::MidRead},
      {"wtmp emptied before the read", Kind::Wtmp, 0, When::BeforeRead},
      {"wtmp cut inside a record", Kind::Wtmp, 0.3337, When::BeforeRead},
      {"wtmp halved mid-read", Kind::Wtmp, 0.5, When::MidRead},
      {"wtmp emptied mid-read", Kind::Wtmp, 0, When::MidRead},
  };
  const std::string path =
      (std::filesystem::path(ORVANTA_BINARY_DIR) / "shrinking-file-test.log").string();
  for (const ShrinkCase& c : cases) {
    const std::vector<std::uint8_t>& bytes = c.File == Kind::Evt ? evt : wtmp;
    ASSERT_TRUE(testsupport::WriteFileBytes(path, bytes));
    const Records whole = ReadCut(path, std::nullopt, c.Cut, 0);
    ASSERT_TRUE(testsupport::WriteFileBytes(path, bytes));
    const auto keep = static_cast<std::size_t>(bytes.size() * c.Kept);
    const Records cut = ReadCut(path, keep, c.Cut, whole.size());
    EXPECT_LT(cut.size(), whole.size()) << c.Name;
    EXPECT_TRUE(IsSubsequence(cut, whole)) << c.Name;
    if (c.Cut == When::MidRead) {
      EXPECT_GE(cut.size(), whole.size() / 3) << c.Name << ": lost what was read before the cut";
    }
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace orvanta::platform
