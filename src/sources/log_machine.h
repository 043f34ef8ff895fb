#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "sources/block_reader.h"

namespace orvanta::sources {

// The computer name of an EVENTLOGRECORD, in UTF-8: the second NUL-terminated UTF-16LE string
// after the fixed part (the source name is the first). Empty when the record does not hold it
// whole; an unpaired surrogate becomes U+FFFD.
std::string RecordComputerName(std::span<const std::uint8_t> record);

// The machine a log file names: for an event log file (.evtx or .evt), the computer name of its
// newest record. Empty for logs that name none (wtmp) and for files that cannot be read.
std::string MachineOfLogFile(BlockReader bytes);

}  // namespace orvanta::sources
