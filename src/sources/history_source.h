#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace orvanta::sources {

// Where a Linux machine keeps its own history.
enum class HistorySource { Wtmpdb, Wtmp, Journal };

// How far back a source of this machine reaches: nothing when it is absent or holds nothing.
struct SourceReach {
  HistorySource Source = HistorySource::Wtmp;
  std::optional<std::int64_t> Earliest;  // seconds since 1970
};

// The source whose history reaches furthest back; of equal reaches the one listed first. With
// no source holding anything, the wtmp file, whose absence or emptiness is an empty history.
HistorySource ChooseHistorySource(std::span<const SourceReach> reaches);

}  // namespace orvanta::sources
