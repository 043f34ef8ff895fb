#pragma once

#include <string>

#include "sources/block_reader.h"
#include "sources/log_file.h"
#include "sources/opened.h"

namespace orvanta::platform {

// Opens a regular file to be read in blocks where the readers ask (memory does not grow with the
// file, and a file that shrinks meanwhile reads as a truncated one). A directory, a pipe, socket or
// device (refused at once, without waiting for a writer), a file that cannot be opened or read,
// or one too large for memory gives the reason instead.
sources::Opened<sources::BlockReader> LoadFile(const std::string& path);

// Loads and recognises a log file.
inline sources::OpenedLog OpenLogFile(const std::string& path,
                                      sources::ExpectedLog expected = sources::ExpectedLog::Any) {
  return sources::LogFromFile(LoadFile(path), expected);
}

}  // namespace orvanta::platform
