// The journal rules: rows of boots, sessions, sleeps and clock changes as many files give them (ids
// from a small set, so rows merge; any times), through the merge, the events list and the whole
// refresh; and the names and header lengths by which journal files are found and filled out.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "pipeline_check.h"
#include "sources/event_list_history.h"
#include "sources/journal_rows.h"

namespace {

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  using history::EventKind;
  const std::span<const std::uint8_t> bytes(data, size);
  if (const auto length = sources::JournalLengthInHeader(bytes)) {
    Require(*length <= sources::kLongestJournalFile);
  }
  FuzzedDataProvider input(data, size);
  const std::string name = input.ConsumeRandomLengthString(48);
  sources::IsJournalFileName(name);
  sources::IsMachineDirectoryName(name);

  sources::JournalRows rows;
  std::vector<sources::FileNote> unread;
  constexpr std::array<std::string_view, 4> kMessages{
      sources::kSleepEnteredMessage, sources::kSleepLeftMessage, sources::kClockChangedMessage,
      "98268866d1d54a499c4e98921d93bc40"};
  while (input.remaining_bytes() > 0 &&
         rows.Boots.size() + rows.Logins.size() + rows.Power.size() < 2048) {
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
      case 0:
        rows.Boots.push_back(
            {std::string(1, static_cast<char>('a' + input.ConsumeIntegralInRange<int>(0, 7))),
             input.ConsumeIntegral<std::uint64_t>(), input.ConsumeIntegral<std::uint64_t>(),
             input.ConsumeIntegral<std::uint64_t>(), input.ConsumeBool()});
        break;
      case 1:
        rows.Logins.push_back({input.ConsumeIntegral<std::uint64_t>(),
                               input.ConsumeBool() ? "" : input.ConsumeRandomLengthString(12)});
        break;
      case 2:
        rows.Power.push_back(
            {input.ConsumeIntegral<std::uint64_t>(),
             std::string(kMessages[input.ConsumeIntegralInRange<std::size_t>(0, 3)]),
             input.ConsumeRandomLengthString(24), input.ConsumeRandomLengthString(3)});
        break;
      default:
        unread.push_back(
            {input.ConsumeRandomLengthString(16), input.ConsumeRandomLengthString(16)});
        break;
    }
  }
  const std::vector<history::HistoryEvent> events = sources::JournalEvents(rows);
  std::set<std::string> ids;
  for (const auto& row : rows.Boots) {
    ids.insert(row.BootId);
  }
  const auto count = [&](EventKind kind) {
    return static_cast<std::size_t>(
        std::count_if(events.begin(), events.end(), [&](const auto& e) { return e.Kind == kind; }));
  };
  Require(count(EventKind::Boot) == ids.size());
  Require(count(EventKind::CleanShutdown) <= ids.size());
  Require(count(EventKind::Logon) <= rows.Logins.size());
  Require(count(EventKind::SleepStart) + count(EventKind::SleepEnd) +
              count(EventKind::ClockChange) <=
          rows.Power.size());
  Require(std::is_sorted(events.begin(), events.end(),
                         [](const auto& a, const auto& b) { return a.Seconds < b.Seconds; }));
  const std::vector<sources::FileNote> notes = sources::UnreadFileNotes("dir", unread);
  Require(notes.size() <= sources::kUnreadFilesNamedEach);
  Require(unread.empty() == notes.empty());

  sources::EventListHistory log(events, sources::SleepRecords::Known);
  fuzz::RefreshAndCheck(log);
  return 0;
}
