#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sources/event_list_history.h"

namespace orvanta::platform {

// Which journal: this machine's system journal, a directory of journal files, or one file.
enum class JournalScope { System, Directory, File };

struct JournalPlace {
  JournalScope Scope = JournalScope::System;
  std::string Path;  // unused for the system journal
};

// Per boot: the kernel's start (the boot's first entry's realtime less its monotonic time),
// a clean shutdown at the boot's last entry when logind announced a power-off or reboot or
// the shutdown target started; every logind session start with its user; and every sleep
// entered or left and every change of the clock.
// The files of a directory are read one at a time, so none is left out for want of file
// descriptors and each costs the same however many there are; those that cannot be read whole
// are named in Notes. A file that shrinks while it is read ends there ("the file shrank").
// afterEachBoot, when set, runs after each boot of a file is read.
sources::GatheredEvents ReadJournal(const JournalPlace& place,
                                    const std::function<void()>& afterEachBoot = {});

// The oldest entry's time, nothing when the journal cannot be opened or holds nothing.
std::optional<std::int64_t> JournalReach(const JournalPlace& place);

// False when this user reads only part of the system journal: not root and in neither of the
// groups that may read it whole.
bool MayReadWholeSystemJournal();

}  // namespace orvanta::platform
