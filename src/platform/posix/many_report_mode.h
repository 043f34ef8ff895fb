#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "present/run_report.h"

namespace orvanta::platform {

// Prints one report of several log files to out: each read on one of `threads` threads, side
// by side, and reported in the order given (see present::ManyReportWriter for the forms). A
// log that cannot be read is named on err with the reason and leaves the others be; the lines
// about each log come in the same order. Returns 1 when no log could be read or the report not
// written, else 0.
int RunManyReports(std::span<const std::string> files, present::ReportFormat format,
                   unsigned threads, std::FILE* out, std::FILE* err);

}  // namespace orvanta::platform
