#pragma once

#include <string>

#include "present/run_refresh.h"

namespace orvanta::present {

// What the main window would show, as text: a line with the captions of columns 1 to 5, one
// line per list row with its five texts (the user column even when the window hides it), and
// a line with the four statistics captions. Fields are separated by one tab; every line ends
// with a newline; UTF-8.
std::string FormatRunReport(const RunRefresh& refresh);

}  // namespace orvanta::present
