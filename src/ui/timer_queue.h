#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orvanta::ui {

using TimerId = std::uint32_t;  // 0 is no timer
constexpr TimerId kNoTimer = 0;

// The application's repeating timers, on the host's monotonic clock (milliseconds). A timer
// that falls behind fires once and then counts its interval from that moment, and a timer never
// fires while its own handler runs.
class TimerQueue {
 public:
  TimerId Start(int intervalMs, std::int64_t now, std::function<void()> tick);
  void Stop(TimerId id);
  bool IsActive(TimerId id) const;
  std::size_t Count() const { return m_entries.size(); }

  // Fires the earliest timer due at now (ties in starting order); false when none is due.
  bool FireDue(std::int64_t now);
  // Milliseconds until the next timer is due (0 when one is due), or -1 when none is waiting.
  std::int64_t TimeToNext(std::int64_t now) const;

 private:
  struct Entry {
    TimerId Id = kNoTimer;
    int Interval = 0;
    std::int64_t Due = 0;
    std::function<void()> Tick;
    bool Running = false;
  };
  Entry* Find(TimerId id);

  std::vector<Entry> m_entries;
  TimerId m_nextId = 1;
};

}  // namespace orvanta::ui
