#pragma once

#include <string>

#include "sources/block_reader.h"
#include "sources/log_file.h"

namespace orvanta::platform {

// Reads a file whole (path in UTF-8): maps it read-only or, where it cannot be mapped, reads
// it into memory. A file that cannot be opened or read, a directory, a pipe or device, or one
// too large for memory gives the reason instead.
sources::Opened<sources::BlockReader> LoadFile(const std::string& path);

// Loads and recognises a saved log file.
inline sources::OpenedLog OpenLogFile(const std::string& path) {
  return sources::LogFromFile(LoadFile(path));
}

}  // namespace orvanta::platform
