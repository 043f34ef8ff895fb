#include "sources/history_source.h"

#include <array>
#include <utility>

namespace orvanta::sources {
namespace {

constexpr std::array<std::pair<std::string_view, HistorySource>, 3> kNames{{
    {"wtmpdb", HistorySource::Wtmpdb},
    {"wtmp", HistorySource::Wtmp},
    {"journal", HistorySource::Journal},
}};

}  // namespace

std::optional<HistorySource> HistorySourceNamed(std::string_view name) {
  for (const auto& [known, source] : kNames) {
    if (known == name) {
      return source;
    }
  }
  return std::nullopt;
}

std::string_view HistorySourceName(HistorySource source) {
  for (const auto& [name, known] : kNames) {
    if (known == source) {
      return name;
    }
  }
  return {};
}

HistorySource ChooseHistorySource(std::span<const SourceReach> reaches) {
  const SourceReach* best = nullptr;
  for (const SourceReach& reach : reaches) {
    if (reach.Earliest && (best == nullptr || *reach.Earliest < *best->Earliest)) {
      best = &reach;
    }
  }
  return best != nullptr ? best->Source : HistorySource::Wtmp;
}

}  // namespace orvanta::sources
