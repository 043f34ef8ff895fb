#pragma once

#include <cstdint>
#include <string>

#include "present/main_window_texts.h"

namespace orvanta::present {

// Whole seconds as days, hours, minutes and seconds, largest first, each only when above zero
// ("1 天1 时1 分1 秒"). A unit counts only when the whole input exceeds its size, so exactly one
// unit reads in the next smaller one (86400 is "24 时", 1 is empty). Zero and negative inputs
// give the empty text. 64-bit, so an uptime of any length has its text.
std::string FormatDuration(std::int64_t seconds, const MainWindowTexts& texts = kMainWindowTexts);
// The same text appended to out.
void AppendDuration(std::string& out, std::int64_t seconds,
                    const MainWindowTexts& texts = kMainWindowTexts);

}  // namespace orvanta::present
