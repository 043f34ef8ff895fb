#pragma once

#include <string>

#include "sources/block_reader.h"
#include "sources/log_file.h"
#include "sources/opened.h"

namespace orvanta::platform {

// How a file's blocks come into memory: copied with reads, or mapped (no copy; bytes the file
// loses meanwhile read as zeros rather than as a truncated file).
enum class FileReading { Copied, Mapped };

// Opens a regular file to be read in blocks where the readers ask (memory does not grow with the
// file, and a file that shrinks meanwhile reads as a truncated one). A directory, a pipe, socket or
// device (refused at once, without waiting for a writer), a file that cannot be opened or read,
// or one too large for memory gives the reason instead.
sources::Opened<sources::BlockReader> LoadFile(const std::string& path,
                                               FileReading reading = FileReading::Copied);

// How a log file is opened and read.
struct LogReading {
  sources::ExpectedLog Expected = sources::ExpectedLog::Any;
  FileReading Blocks = FileReading::Copied;
  unsigned Threads = 1;  // where the log's format allows it to be read in parts side by side
};

// Loads and recognises a log file.
inline sources::OpenedLog OpenLogFile(const std::string& path, const LogReading& reading = {}) {
  return sources::LogFromFile(LoadFile(path, reading.Blocks), reading.Expected, reading.Threads);
}

}  // namespace orvanta::platform
