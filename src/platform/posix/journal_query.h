#pragma once

#include <functional>
#include <string>

#include "sources/journal_rows.h"

struct sd_journal;

namespace orvanta::platform {

// The rows of an open journal: per boot its first and last entries and whether a shutdown was
// announced, every logind session start, and every sleep entered or left and clock change. Keeps
// the library's first error in problem and what was read before it. afterEachBoot, when set, runs
// after each boot is read.
sources::JournalRows QueryJournalRows(sd_journal* journal, std::string& problem,
                                      const std::function<void()>& afterEachBoot);

}  // namespace orvanta::platform
