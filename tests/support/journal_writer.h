#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvanta::testsupport {

// One journal entry: its times in microseconds, its boot (32 hex digits) and its other fields.
struct JournalEntry {
  std::uint64_t Realtime = 0;   // since 1970-01-01 UTC
  std::uint64_t Monotonic = 0;  // since the boot
  std::string BootId;
  std::vector<std::pair<std::string, std::string>> Fields;
};

// A journal file holding the entries in the order given: uncompressed objects with their hash
// tables and entry arrays, the header of a file closed cleanly, and slack after the last object
// as the journal's own writer leaves it.
std::vector<std::uint8_t> WriteJournalFile(const std::vector<JournalEntry>& entries);

// Boots ten thousand seconds apart from firstBoot (seconds since 1970), each with ids drawn from
// seed: entries at 10 s and 110 s of the boot, a session of "root" at 20 s and logind's
// power-off message at 100 s. Each gives a boot, a login and a clean shutdown at 110 s.
std::vector<JournalEntry> JournalBoots(std::size_t count, std::uint64_t firstBoot,
                                       std::uint32_t seed);

// The 64-bit hash of a field or "FIELD=value" in journals without keyed hashes.
std::uint64_t JournalHash(std::string_view bytes);

}  // namespace orvanta::testsupport
