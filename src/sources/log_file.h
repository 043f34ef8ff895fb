#pragma once

#include <memory>

#include "history/event_history.h"
#include "sources/block_reader.h"
#include "sources/byte_buffer.h"
#include "sources/opened.h"

namespace orvanta::sources {

// A log file opened as a history. Its note says what of it was skipped as damaged, or which
// layout a wtmp file was read in when another fitted it too.
using OpenedLog = Opened<std::unique_ptr<history::EventHistory>>;

// What a file is expected to hold. This machine's own login records may be an empty wtmp file
// (no one has booted or logged in since it was rotated): that is an empty history, while an
// empty file named by the user cannot be told apart from anything else.
enum class ExpectedLog { Any, Wtmp };

// Recognises the bytes: a legacy or an XML event log file by its header signature, a wtmp file by
// its record size and content.
OpenedLog LogFromBytes(ByteBuffer bytes, ExpectedLog expected = ExpectedLog::Any);

// The same for a file read in blocks; a log whose format allows it is read on up to `threads`
// threads.
OpenedLog LogFromReader(BlockReader bytes, ExpectedLog expected = ExpectedLog::Any,
                        unsigned threads = 1);

// Recognises a loaded file, or passes on why it could not be loaded.
OpenedLog LogFromFile(Opened<BlockReader> load, ExpectedLog expected = ExpectedLog::Any,
                      unsigned threads = 1);

}  // namespace orvanta::sources
