#include "present/uptime_text.h"

#include "present/duration_text.h"

namespace orvanta::present {

std::string UptimeText(std::uint64_t millisecondsSinceBoot, const MainWindowTexts& texts) {
  return FormatDuration(static_cast<std::int64_t>(millisecondsSinceBoot / 1000), texts);
}

}  // namespace orvanta::present
