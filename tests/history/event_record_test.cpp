#include "history/event_record.h"

#include <gtest/gtest.h>

#include "history/sid.h"
#include "support/byte_writer.h"
#include "support/evt_writer.h"

namespace orvanta::history {
namespace {

using testsupport::BuildEventRecord;

std::vector<std::uint8_t> RecordWithSid() {
  return BuildEventRecord({0x40001B7B, 1'700'000'000, EncodeSid(MakeSid(5, {18})), 0}, 42);
}

TEST(EventRecordView, ReadsTheFieldsTheLogicUses) {
  const std::vector<std::uint8_t> bytes = RecordWithSid();
  auto record = EventRecordView::Parse(bytes);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Length(), bytes.size());
  EXPECT_EQ(record->RecordNumber(), 42u);
  EXPECT_EQ(record->TimeGenerated(), 1'700'000'000u);
  EXPECT_EQ(record->EventId(), 0x40001B7Bu);
  EXPECT_EQ(record->EventCode(), 7035);  // the severity bits are not part of the code
  EXPECT_EQ(ParseSid(record->UserSid()), MakeSid(5, {18}));
}

TEST(EventRecordView, RejectsBytesThatCannotHoldTheFixedPart) {
  std::vector<std::uint8_t> bytes = RecordWithSid();
  EXPECT_FALSE(EventRecordView::Parse(std::span(bytes).first(55)));
  EXPECT_FALSE(EventRecordView::Parse({}));
  testsupport::ByteWriter w;
  w.Append(bytes);
  w.PatchU32(0, 55);
  EXPECT_FALSE(EventRecordView::Parse(w.Bytes()));
}

struct SidCase {
  const char* Name;
  std::uint32_t Length;  // 0: keep
  std::uint32_t SidLength;
  std::uint32_t SidOffset;
  bool HasSid;
};

TEST(EventRecordView, ServesTheSidOnlyWhenItLiesWhollyInsideTheRecord) {
  const std::vector<std::uint8_t> base = RecordWithSid();
  const auto sidOffset = static_cast<std::uint32_t>(base[44] | base[45] << 8);
  const auto size = static_cast<std::uint32_t>(base.size());
  const std::array<SidCase, 7> cases = {{
      {"as written", 0, 12, sidOffset, true},
      {"no SID", 0, 0, sidOffset, false},
      {"ends at the record's end", 0, 12, size - 12, true},
      {"runs past the Length", 0, 12, size - 8, false},
      {"offset beyond everything", 0, 12, 0xFFFFFFF0u, false},
      {"length wraps 32 bits", 0, 0xFFFFFFFFu, 8, false},
      {"Length larger than the bytes", size + 100, 12, size - 4, false},
  }};
  for (const SidCase& c : cases) {
    testsupport::ByteWriter w;
    w.Append(base);
    if (c.Length != 0) {
      w.PatchU32(0, c.Length);
    }
    w.PatchU32(40, c.SidLength);
    w.PatchU32(44, c.SidOffset);
    auto record = EventRecordView::Parse(w.Bytes());
    ASSERT_TRUE(record) << c.Name;
    EXPECT_EQ(!record->UserSid().empty(), c.HasSid) << c.Name;
    EXPECT_LE(record->Bytes().size(), w.Bytes().size()) << c.Name;
  }
}

}  // namespace
}  // namespace orvanta::history
