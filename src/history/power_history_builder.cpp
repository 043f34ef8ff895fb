#include "history/power_history_builder.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace orvanta::history {
namespace {

// A boot type report this soon after a run's boot tells how that run booted.
constexpr std::int64_t kBootReportSeconds = 300;

bool EndsHibernation(const HistoryEvent& event) {
  return event.Kind == EventKind::BootTypeReport &&
         (event.Boot == BootType::Hybrid || event.Boot == BootType::ResumeFromHibernation);
}

// A start that says more of the sleep's kind than the one already pending replaces its kind.
void NoteSleepStart(std::optional<HistoryEvent>& pending, const HistoryEvent& start) {
  if (pending && start.Seconds - pending->Seconds <= kSameWakeSeconds) {
    if (pending->Sleep == SleepKind::Unknown || pending->Sleep == SleepKind::Sleep) {
      if (start.Sleep != SleepKind::Unknown) {
        pending->Sleep = start.Sleep;
      }
    }
    return;
  }
  pending = start;
}

enum class BothEnds : std::uint8_t { No, Yes };

// Adds what a second record of the same sleep knows: its wake source, kind and attendance.
void MergeDetails(SleepPeriod& into, const SleepPeriod& other) {
  if (into.WakeSource.empty()) {
    into.WakeSource = other.WakeSource;
  }
  if (into.Kind == SleepKind::Unknown) {
    into.Kind = other.Kind;
  }
  into.Attended = into.Attended ? into.Attended : other.Attended;
}

// A sleep that begins before the last one ended is that sleep told again by another record:
// one that carries both ends gives the times, otherwise the later end is kept.
void AddSleep(std::vector<SleepPeriod>& sleeps, SleepPeriod sleep, BothEnds both) {
  const bool bothEnds = both == BothEnds::Yes;
  if (!sleeps.empty() && sleep.From < sleeps.back().To) {
    SleepPeriod& last = sleeps.back();
    if (bothEnds) {
      last.From = sleep.From;
      last.To = sleep.To;
    } else {
      last.To = std::max(last.To, sleep.To);
    }
    MergeDetails(last, sleep);
    return;
  }
  sleeps.push_back(std::move(sleep));
}

// Sleeps from events sorted oldest first: a start and the wake after it, a wake that carries its
// own start, or a resume from hibernation. A second report of the same wake adds what the first
// lacked; a failed attempt to sleep, and a wake whose start is unknown, make none.
std::vector<SleepPeriod> PairSleeps(const std::vector<HistoryEvent>& events) {
  std::vector<SleepPeriod> sleeps;
  std::optional<HistoryEvent> pending;
  for (const HistoryEvent& event : events) {
    if (event.Kind == EventKind::SleepStart) {
      NoteSleepStart(pending, event);
      continue;
    }
    const bool hibernation = EndsHibernation(event);
    if (event.Kind != EventKind::SleepEnd && !hibernation) {
      continue;
    }
    if (event.Failed) {
      pending.reset();
      continue;
    }
    SleepKind kind = hibernation ? SleepKind::Hibernate : event.Sleep;
    if (kind == SleepKind::Unknown && pending) {
      kind = pending->Sleep;
    }
    SleepPeriod sleep{0, event.Seconds, kind, event.WakeSource, event.Attended};
    const std::optional<std::int64_t> from =
        pending ? std::optional(pending->Seconds) : event.OtherSeconds;
    const bool bothEnds = event.OtherSeconds.has_value() && !hibernation;
    pending.reset();
    if (bothEnds || from) {
      sleep.From = bothEnds ? *event.OtherSeconds : *from;
      if (sleep.From <= sleep.To) {
        AddSleep(sleeps, std::move(sleep), bothEnds ? BothEnds::Yes : BothEnds::No);
      }
    } else if (!sleeps.empty() && std::abs(sleeps.back().To - event.Seconds) <= kSameWakeSeconds) {
      MergeDetails(sleeps.back(), sleep);
    }
  }
  return sleeps;
}

// How each run ended: cleanly, as the next boot reported, at its last record, or not yet.
void FindEnds(const PowerEvents& input, const std::vector<HistoryEvent>& reports,
              std::vector<RunPower>& runs) {
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const RunBounds& bounds = input.Runs[i];
    RunPower& run = runs[i];
    run.Start = bounds.Boot;
    if (bounds.Shutdown) {
      run.End = bounds.Shutdown;
      run.EndFoundBy = RunEnd::Clean;
      run.ClockMovedBack = bounds.Boot && *bounds.Shutdown < *bounds.Boot;
      continue;
    }
    if (i == 0) {
      continue;
    }
    // The report is written at the next boot, in the run after this one.
    const std::optional<std::int64_t> nextBoot = input.Runs[i - 1].Boot;
    const std::int64_t afterNext =
        i >= 2 && input.Runs[i - 2].Boot ? *input.Runs[i - 2].Boot : INT64_MAX;
    if (nextBoot) {
      const auto report =
          std::find_if(reports.begin(), reports.end(), [&](const HistoryEvent& event) {
            return event.Seconds >= *nextBoot && event.Seconds < afterNext && event.OtherSeconds &&
                   *event.OtherSeconds <= event.Seconds &&
                   (!bounds.Boot || *event.OtherSeconds >= *bounds.Boot);
          });
      if (report != reports.end()) {
        run.End = report->OtherSeconds;
        run.EndFoundBy = RunEnd::Reported;
        continue;
      }
    }
    if (bounds.LastSign || bounds.Boot) {
      const std::int64_t last = bounds.LastSign ? *bounds.LastSign : *bounds.Boot;
      run.End = bounds.Boot ? std::max(last, *bounds.Boot) : last;
      run.EndFoundBy = RunEnd::LastSign;
    }
  }
}

// The end of a run's time: its end as found, the history's end while it runs.
std::optional<std::int64_t> RunUntil(const RunPower& run, std::optional<std::int64_t> historyTo) {
  if (run.End) {
    return run.End;
  }
  return run.Start ? std::optional(std::max(*run.Start, historyTo.value_or(*run.Start)))
                   : std::nullopt;
}

// The run whose time holds the instant, among runs ordered by their boots.
std::optional<std::size_t> RunAt(const std::vector<std::pair<std::int64_t, std::size_t>>& byStart,
                                 const std::vector<RunPower>& runs,
                                 std::optional<std::int64_t> historyTo, std::int64_t at) {
  auto after = std::upper_bound(byStart.begin(), byStart.end(), at,
                                [](std::int64_t t, const auto& entry) { return t < entry.first; });
  if (after == byStart.begin()) {
    return std::nullopt;
  }
  const std::size_t index = std::prev(after)->second;
  const std::optional<std::int64_t> until = RunUntil(runs[index], historyTo);
  if (until && at > *until) {
    return std::nullopt;
  }
  return index;
}

constexpr std::array<std::pair<RunEnd, PeriodEnd>, 4> kPeriodEnds{{
    {RunEnd::Clean, PeriodEnd::CleanShutdown},
    {RunEnd::Reported, PeriodEnd::Unexpected},
    {RunEnd::LastSign, PeriodEnd::Unexpected},
    {RunEnd::Running, PeriodEnd::Running},
}};

PeriodEnd PeriodEndOf(RunEnd end) {
  for (const auto& [runEnd, periodEnd] : kPeriodEnds) {
    if (runEnd == end) {
      return periodEnd;
    }
  }
  return PeriodEnd::Running;
}

// Sleeps, awake time, attendance and powered periods of one run.
void CompleteRun(RunPower& run, std::size_t index, const PowerHistory& history,
                 std::vector<PoweredPeriod>& periods) {
  const std::optional<std::int64_t> until = RunUntil(run, history.HistoryTo);
  if (!run.Start || !until) {
    run.AsleepSeconds = history.SleepKnown ? std::optional<std::int64_t>(0) : std::nullopt;
    return;
  }
  std::sort(run.Sleeps.begin(), run.Sleeps.end(),
            [](const SleepPeriod& a, const SleepPeriod& b) { return a.From < b.From; });
  const std::int64_t start = *run.Start;
  const std::int64_t end = std::max(start, *until);
  std::int64_t asleep = 0;
  std::int64_t cursor = start;
  for (std::size_t k = 0; k < run.Sleeps.size(); ++k) {
    SleepPeriod& sleep = run.Sleeps[k];
    const std::int64_t from = std::clamp(sleep.From, cursor, end);
    const std::int64_t to = std::clamp(sleep.To, from, end);
    asleep += to - from;
    periods.push_back(
        {cursor, from,
         sleep.Kind == SleepKind::Hibernate ? PeriodEnd::Hibernation : PeriodEnd::Sleep, index});
    cursor = to;
    const std::int64_t nextSleep = k + 1 < run.Sleeps.size() ? run.Sleeps[k + 1].From : end;
    if (!sleep.Attended) {
      sleep.Attended = nextSleep - sleep.To > kAutomaticResleepSeconds;
    }
  }
  periods.push_back({cursor, end, PeriodEndOf(run.EndFoundBy), index});
  run.AwakeSeconds = end - start - asleep;
  run.AsleepSeconds = history.SleepKnown ? std::optional(asleep) : std::nullopt;
}

}  // namespace

PowerHistory BuildPowerHistory(PowerEvents input) {
  PowerHistory history;
  history.SleepKnown = input.SleepKnown;
  history.HistoryFrom = input.HistoryFrom;
  history.HistoryTo = input.HistoryTo;
  history.Runs.resize(input.Runs.size());

  std::stable_sort(
      input.Events.begin(), input.Events.end(),
      [](const HistoryEvent& a, const HistoryEvent& b) { return a.Seconds < b.Seconds; });
  std::vector<HistoryEvent> reports;
  for (const HistoryEvent& event : input.Events) {
    if (event.Kind == EventKind::UnexpectedShutdownReport) {
      reports.push_back(event);
    }
  }
  FindEnds(input, reports, history.Runs);

  std::vector<std::pair<std::int64_t, std::size_t>> byStart;
  for (std::size_t i = 0; i < history.Runs.size(); ++i) {
    if (history.Runs[i].Start) {
      byStart.emplace_back(*history.Runs[i].Start, i);
    }
  }
  std::sort(byStart.begin(), byStart.end());
  const auto runAt = [&](std::int64_t at) {
    return RunAt(byStart, history.Runs, history.HistoryTo, at);
  };

  for (SleepPeriod& sleep : PairSleeps(input.Events)) {
    if (const std::optional<std::size_t> run = runAt(sleep.From)) {
      history.Runs[*run].Sleeps.push_back(std::move(sleep));
    }
  }
  for (const HistoryEvent& event : input.Events) {
    if (event.Kind == EventKind::BootTypeReport) {
      // Written early in the boot, before the boot event that starts the run.
      const auto near =
          std::lower_bound(byStart.begin(), byStart.end(), std::pair(event.Seconds, size_t{0}));
      if (near != byStart.end() && near->first - event.Seconds <= kBootReportSeconds &&
          history.Runs[near->second].Boot == BootType::Unknown) {
        history.Runs[near->second].Boot = event.Boot;
      }
      continue;
    }
    const std::optional<std::size_t> index = runAt(event.Seconds);
    if (index && event.Kind == EventKind::ShutdownRequest &&
        history.Runs[*index].EndFoundBy == RunEnd::Clean) {
      // The last request before the shutdown is the one obeyed.
      history.Runs[*index].Shutdown = std::make_shared<const ShutdownDetails>(event.Shutdown);
    }
  }
  for (std::size_t i = 0; i < history.Runs.size(); ++i) {
    if (history.Runs[i].Boot == BootType::Unknown) {
      history.Runs[i].Boot = input.Runs[i].Type;
    }
  }
  // Periods oldest first: runs are listed newest first.
  for (std::size_t i = history.Runs.size(); i-- > 0;) {
    CompleteRun(history.Runs[i], i, history, history.Periods);
  }
  return history;
}

}  // namespace orvanta::history
