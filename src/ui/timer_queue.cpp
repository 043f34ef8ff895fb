#include "ui/timer_queue.h"

#include <algorithm>

namespace orvanta::ui {

TimerId TimerQueue::Start(int intervalMs, std::int64_t now, std::function<void()> tick) {
  const int interval = std::max(intervalMs, 1);
  const TimerId id = m_nextId++;
  if (m_nextId == kNoTimer) {
    m_nextId = 1;
  }
  m_entries.push_back(Entry{id, interval, now + interval, std::move(tick), false});
  return id;
}

void TimerQueue::Stop(TimerId id) {
  std::erase_if(m_entries, [id](const Entry& e) { return e.Id == id; });
}

bool TimerQueue::IsActive(TimerId id) const {
  return std::any_of(m_entries.begin(), m_entries.end(),
                     [id](const Entry& e) { return e.Id == id; });
}

TimerQueue::Entry* TimerQueue::Find(TimerId id) {
  auto it =
      std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry& e) { return e.Id == id; });
  return it != m_entries.end() ? &*it : nullptr;
}

bool TimerQueue::FireDue(std::int64_t now) {
  const Entry* earliest = nullptr;
  for (const Entry& e : m_entries) {
    if (!e.Running && e.Due <= now && (earliest == nullptr || e.Due < earliest->Due)) {
      earliest = &e;
    }
  }
  if (earliest == nullptr) {
    return false;
  }
  const TimerId id = earliest->Id;
  Entry* entry = Find(id);
  entry->Due = now + entry->Interval;
  entry->Running = true;
  // The handler may start and stop timers, this one included: keep no reference across it.
  const std::function<void()> tick = entry->Tick;
  if (tick) {
    tick();
  }
  if (Entry* after = Find(id)) {
    after->Running = false;
  }
  return true;
}

std::int64_t TimerQueue::TimeToNext(std::int64_t now) const {
  std::int64_t best = -1;
  for (const Entry& e : m_entries) {
    if (e.Running) {
      continue;
    }
    const std::int64_t wait = std::max<std::int64_t>(e.Due - now, 0);
    if (best < 0 || wait < best) {
      best = wait;
    }
  }
  return best;
}

}  // namespace orvanta::ui
