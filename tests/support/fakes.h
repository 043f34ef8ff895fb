#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "history/account_api.h"
#include "history/event_history.h"
#include "history/event_log_api.h"
#include "history/local_time.h"

namespace orvanta::testsupport {

// An event log serving the given records newest first through the read protocol, counting
// what it was asked. FailAfter makes the read after that many records fail with FailError.
class FakeEventLog : public history::EventLogApi {
 public:
  explicit FakeEventLog(std::vector<std::vector<std::uint8_t>> newestFirst)
      : m_records(std::move(newestFirst)) {}

  bool Opens = true;
  std::optional<std::size_t> FailAfter;
  std::uint32_t FailError = 5;

  int OpenCalls = 0;
  int CloseCalls = 0;
  std::vector<std::uint32_t> RequestSizes;

  bool Open() override {
    ++OpenCalls;
    m_next = 0;
    return Opens;
  }
  bool Read(std::uint32_t flags, std::uint32_t, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) override {
    RequestSizes.push_back(static_cast<std::uint32_t>(buffer.size()));
    if (flags != (history::kEventLogSequentialRead | history::kEventLogBackwardsRead)) {
      m_error = 87;
      return false;
    }
    if (FailAfter && m_next == *FailAfter) {
      m_error = FailError;
      return false;
    }
    if (m_next >= m_records.size()) {
      m_error = history::kErrorHandleEof;
      return false;
    }
    const std::vector<std::uint8_t>& record = m_records[m_next];
    if (buffer.size() < record.size()) {
      bytesNeeded = static_cast<std::uint32_t>(record.size());
      m_error = history::kErrorInsufficientBuffer;
      return false;
    }
    std::copy(record.begin(), record.end(), buffer.begin());
    bytesRead = static_cast<std::uint32_t>(record.size());
    ++m_next;
    return true;
  }
  std::uint32_t LastError() const override { return m_error; }
  void Close() override { ++CloseCalls; }

 private:
  std::vector<std::vector<std::uint8_t>> m_records;
  std::size_t m_next = 0;
  std::uint32_t m_error = 0;
};

// Account names by the "S-1-..." form of the SID; unknown SIDs fail.
class FakeAccounts : public history::AccountApi {
 public:
  std::map<std::string, std::string> Names;
  int Calls = 0;
  std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t> sid) override;
};

// An event of a kind at a time (seconds since 1970 UTC), with the user a log records.
inline history::HistoryEvent EventAt(history::EventKind kind, std::int64_t seconds,
                                     std::string user = {}) {
  history::HistoryEvent event;
  event.Kind = kind;
  event.Seconds = seconds;
  event.User = std::move(user);
  return event;
}

// A history of the given events, served in the order given (newest first, as logs serve them).
class FakeEventHistory : public history::EventHistory {
 public:
  std::vector<history::HistoryEvent> Events;
  bool Sleep = true;
  void Read(const history::EventSink& sink) override {
    for (const history::HistoryEvent& event : Events) {
      sink(event);
    }
  }
  bool SleepKnown() const override { return Sleep; }
};

// Sets LocalBiasMinutes for one test and restores it afterwards.
class ScopedLocalBias {
 public:
  explicit ScopedLocalBias(std::int32_t minutes) : m_saved(history::LocalBiasMinutes()) {
    history::SetLocalBiasMinutes(minutes);
  }
  ~ScopedLocalBias() { history::SetLocalBiasMinutes(m_saved); }
  ScopedLocalBias(const ScopedLocalBias&) = delete;
  ScopedLocalBias& operator=(const ScopedLocalBias&) = delete;

 private:
  std::int32_t m_saved;
};

// Seconds since 1970-01-01 00:00:00 UTC of a calendar time.
std::uint32_t UnixTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

}  // namespace orvanta::testsupport
