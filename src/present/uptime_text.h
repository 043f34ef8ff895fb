#pragma once

#include <cstdint>
#include <string>

#include "history/clock.h"
#include "present/main_window_texts.h"

namespace orvanta::present {

// The uptime label's text: the whole seconds of a 64-bit millisecond count since boot, as a
// duration. The count does not wrap, so the label keeps counting past 49.7 days.
std::string UptimeText(std::uint64_t millisecondsSinceBoot,
                       const MainWindowTexts& texts = kMainWindowTexts);

// What the main window's one-second timer writes into its uptime label.
inline std::string UptimeText(history::Clock& clock,
                              const MainWindowTexts& texts = kMainWindowTexts) {
  return UptimeText(clock.MillisecondsSinceBoot(), texts);
}

}  // namespace orvanta::present
