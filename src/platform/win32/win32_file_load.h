#pragma once

#include <string>

#include "sources/byte_buffer.h"
#include "sources/log_file.h"
#include "sources/user_directory.h"

namespace orvanta::platform {

// Reads a file whole (path in UTF-8): maps it read-only or, where it cannot be mapped, reads
// it into memory. A file that cannot be opened or read, a directory, a pipe or device, or one
// too large for memory gives the reason instead.
sources::FileLoad LoadFile(const std::string& path);

// Loads and recognises a saved log file.
inline sources::OpenedLog OpenLogFile(const std::string& path, sources::UserDirectory& users) {
  return sources::LogFromFile(LoadFile(path), users);
}

}  // namespace orvanta::platform
