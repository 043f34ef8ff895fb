#include "sources/history_source.h"

namespace orvanta::sources {

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
