#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "support/evt_writer.h"
#include "support/wtmp_writer.h"

namespace orvanta::testsupport {

// A long, plausible history for benchmarks and fuzz seeds, oldest first with rising times:
// about 15 % boots, 15 % clean shutdowns, 30 % service-control events (Unix users by
// S-1-22-1-<uid> with uids 0 and 1, the service accounts, and a domain user no machine knows)
// and the rest other event codes. The same seed gives the same events.
std::vector<EventSpec> MakeEventMix(std::size_t count, std::uint32_t seed);

// The same mix as wtmp entries: boots, shutdowns, logins of root and daemon and of a name
// without an account, and the rest other entry types.
std::vector<WtmpEntry> MakeWtmpMix(std::size_t count, std::uint32_t seed);

}  // namespace orvanta::testsupport
