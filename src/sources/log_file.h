#pragma once

#include <memory>
#include <string>

#include "history/event_log_api.h"
#include "sources/block_reader.h"
#include "sources/byte_buffer.h"
#include "sources/user_directory.h"

namespace orvanta::sources {

// A log file opened as the System log, or why it could not be (Error empty on success).
// Warning says what of an opened log was skipped as damaged, or which layout a wtmp file was
// read in when another fitted it too (empty when there is nothing to say).
struct OpenedLog {
  std::unique_ptr<history::EventLogApi> Log;
  std::string Error;
  std::string Warning;
};

// What a file is expected to hold. This machine's own login records may be an empty wtmp file
// (no one has booted or logged in since it was rotated): that is an empty history, while an
// empty file named by the user cannot be told apart from anything else.
enum class ExpectedLog { Any, Wtmp };

// Recognises the bytes: a legacy or an XML event log file by its header signature, a wtmp file by
// its record size and content.
OpenedLog LogFromBytes(ByteBuffer bytes, UserDirectory& users,
                       ExpectedLog expected = ExpectedLog::Any);

// The same for a file read in blocks.
OpenedLog LogFromReader(BlockReader bytes, UserDirectory& users,
                        ExpectedLog expected = ExpectedLog::Any);

// Recognises a loaded file, or passes on why it could not be loaded.
OpenedLog LogFromFile(FileLoad load, UserDirectory& users, ExpectedLog expected = ExpectedLog::Any);

}  // namespace orvanta::sources
