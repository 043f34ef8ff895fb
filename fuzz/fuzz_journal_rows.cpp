// The journal rules: rows of boots and sessions as many files give them (ids from a small set,
// so rows merge; any times), through the merge, the events list and the whole refresh; and the
// names and header lengths by which journal files are found and filled out.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "pipeline_check.h"
#include "sources/event_list_log.h"
#include "sources/journal_rows.h"
#include "sources/logged_user_directory.h"

namespace {

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  using sources::HistoryEventKind;
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
  while (input.remaining_bytes() > 0 && rows.Boots.size() + rows.Logins.size() < 2048) {
    switch (input.ConsumeIntegralInRange<int>(0, 2)) {
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
      default:
        unread.push_back(
            {input.ConsumeRandomLengthString(16), input.ConsumeRandomLengthString(16)});
        break;
    }
  }
  const std::vector<sources::HistoryEvent> events = sources::JournalEvents(rows);
  std::set<std::string> ids;
  for (const auto& row : rows.Boots) {
    ids.insert(row.BootId);
  }
  const auto count = [&](HistoryEventKind kind) {
    return static_cast<std::size_t>(
        std::count_if(events.begin(), events.end(), [&](const auto& e) { return e.Kind == kind; }));
  };
  Require(count(HistoryEventKind::Boot) == ids.size());
  Require(count(HistoryEventKind::CleanShutdown) <= ids.size());
  Require(count(HistoryEventKind::Login) <= rows.Logins.size());
  Require(std::is_sorted(events.begin(), events.end(),
                         [](const auto& a, const auto& b) { return a.Seconds < b.Seconds; }));
  const std::vector<sources::FileNote> notes = sources::UnreadFileNotes("dir", unread);
  Require(notes.size() <= sources::kUnreadFilesNamedEach);
  Require(unread.empty() == notes.empty());

  sources::LoggedUserDirectory users;
  sources::EventListLog log(events, users);
  fuzz::RefreshAndCheck(log);
  return 0;
}
