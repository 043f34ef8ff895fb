#include "history/event_record.h"

#include <gtest/gtest.h>

#include "history/event_record_history.h"
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

std::vector<std::uint8_t> SystemTime(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                                     std::uint16_t hour) {
  testsupport::ByteWriter w;
  for (const std::uint16_t field : {year, month, std::uint16_t{0}, day, hour, std::uint16_t{12},
                                    std::uint16_t{15}, std::uint16_t{15}}) {
    w.U16(field);
  }
  return w.Bytes();
}

std::vector<std::uint8_t> Joined(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The event log's report of an unexpected end carries the end as local and UTC SYSTEMTIMEs;
// only the UTC one, when valid, is the reported end. Other sources' 6008 say nothing.
TEST(EventFromRecord, AnUnexpectedShutdownReportGivesItsUtcEnd) {
  struct Case {
    const char* Name;
    testsupport::EventSpec Spec;
    EventKind Kind;
    std::optional<std::int64_t> Reported;
  };
  const std::vector<std::uint8_t> local = SystemTime(2026, 1, 11, 14);
  const std::vector<Case> cases = {
      {"local and UTC",
       {6008, 1'768'169'661, {}, 0, "EventLog", {}, Joined(local, SystemTime(2026, 1, 11, 22))},
       EventKind::UnexpectedShutdownReport,
       1'768'169'535},
      {"local only",
       {6008, 1'768'169'661, {}, 0, "EventLog", {}, local},
       EventKind::UnexpectedShutdownReport,
       std::nullopt},
      {"no such day",
       {6008, 1'768'169'661, {}, 0, "EventLog", {}, Joined(local, SystemTime(2026, 2, 29, 22))},
       EventKind::UnexpectedShutdownReport,
       std::nullopt},
      {"another source",
       {6008, 1'768'169'661, {}, 0, "MyApp", {}, Joined(local, SystemTime(2026, 1, 11, 22))},
       EventKind::LastSignOfLife,
       std::nullopt},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> bytes = BuildEventRecord(c.Spec, 1);
    const HistoryEvent event = EventFromRecord(*EventRecordView::Parse(bytes));
    EXPECT_EQ(event.Kind, c.Kind) << c.Name;
    EXPECT_EQ(event.OtherSeconds, c.Reported) << c.Name;
  }
}

// A shutdown request names process, reason, code, kind and user from its strings, and keeps
// its SID; strings that do not end inside the record end the list.
TEST(EventFromRecord, AShutdownRequestCarriesItsDetails) {
  const std::vector<std::uint8_t> sid = EncodeSid(MakeSid(5, {21, 1, 2, 3, 500}));
  const std::vector<std::string> strings = {"winlogon.exe", "PC", "No title",         "0x0",
                                            "power off",    "",   "PC\\Administrator"};
  std::vector<std::uint8_t> bytes = BuildEventRecord({1074, 7, sid, 0, "USER32", strings}, 1);
  HistoryEvent event = EventFromRecord(*EventRecordView::Parse(bytes));
  EXPECT_EQ(event.Kind, EventKind::ShutdownRequest);
  EXPECT_EQ(event.Shutdown,
            (ShutdownDetails{"winlogon.exe", "PC\\Administrator", "No title", "0x0", "power off"}));
  EXPECT_EQ(event.Sid, sid);

  // The strings cut off before the user's ends: the user is not named, nothing is read beyond.
  const std::size_t userEnd = bytes.size() - 16;
  testsupport::ByteWriter w;
  w.Append(std::vector<std::uint8_t>(bytes.begin(),
                                     bytes.begin() + static_cast<std::ptrdiff_t>(userEnd)));
  w.PatchU32(0, static_cast<std::uint32_t>(userEnd));
  event = EventFromRecord(*EventRecordView::Parse(w.Bytes()));
  EXPECT_EQ(event.Kind, EventKind::ShutdownRequest);
  EXPECT_EQ(event.Shutdown.Kind, "power off");
  EXPECT_EQ(event.Shutdown.User, "");
}

}  // namespace
}  // namespace orvanta::history
