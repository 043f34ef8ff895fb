#pragma once

#include <string>

#include "sources/event_list_history.h"

namespace orvanta::testsupport {

// Why the reading of a history stopped: why nothing was read, or what ended it early (empty
// when it read to the end).
inline std::string GatheredProblem(const sources::GatheredEvents& history) {
  if (!history.Ok()) {
    return history.Error;
  }
  const std::size_t at = history.Note.find(sources::kReadInPart);
  return at == std::string::npos ? "" : history.Note.substr(at + sources::kReadInPart.size());
}

}  // namespace orvanta::testsupport
