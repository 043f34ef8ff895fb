#pragma once

#include <memory>
#include <string>

#include "history/event_log_api.h"
#include "platform/posix/byte_buffer.h"
#include "platform/posix/user_directory.h"

namespace orvanta::platform {

// A log file opened as the System log, or why it could not be (Error empty on success).
struct OpenedLog {
  std::unique_ptr<history::EventLogApi> Log;
  std::string Error;
};

// Recognises the bytes: a legacy event log file by its header signature, a wtmp file by its
// record size and content.
OpenedLog LogFromBytes(ByteBuffer bytes, UserDirectory& users);

// Reads and recognises a file.
OpenedLog OpenLogFile(const std::string& path, UserDirectory& users);

}  // namespace orvanta::platform
