#include "sources/log_machine.h"

#include <array>
#include <optional>
#include <vector>

#include "history/byte_reader.h"
#include "history/event_log_api.h"
#include "history/event_record.h"
#include "sources/evt_file_log.h"
#include "sources/evtx_file.h"
#include "sources/evtx_log.h"

namespace orvanta::sources {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHighSurrogate(std::uint16_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(std::uint16_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

// The NUL-terminated UTF-16LE string at offset, and the offset after its NUL; nothing when
// the bytes end first.
std::optional<std::pair<std::string, std::size_t>> ReadWideString(const history::ByteReader& bytes,
                                                                  std::size_t offset) {
  std::string text;
  for (;;) {
    const std::optional<std::uint16_t> unit = bytes.U16(offset);
    if (!unit) {
      return std::nullopt;
    }
    offset += 2;
    if (*unit == 0) {
      return std::pair{std::move(text), offset};
    }
    if (IsHighSurrogate(*unit)) {
      const std::optional<std::uint16_t> low = bytes.U16(offset);
      if (low && IsLowSurrogate(*low)) {
        offset += 2;
        AppendUtf8(text, 0x10000 + ((static_cast<char32_t>(*unit) - 0xD800) << 10) +
                             (static_cast<char32_t>(*low) - 0xDC00));
        continue;
      }
    }
    AppendUtf8(text, IsLowSurrogate(*unit) || IsHighSurrogate(*unit) ? kReplacement : *unit);
  }
}

std::string NewestEvtComputerName(BlockReader bytes) {
  EvtFileLog log(std::move(bytes));
  if (!log.Open()) {
    return {};
  }
  std::vector<std::uint8_t> buffer(history::kEventRecordFixedSize);
  std::uint32_t bytesRead = 0;
  std::uint32_t bytesNeeded = 0;
  constexpr std::uint32_t kNewestFirst =
      history::kEventLogSequentialRead | history::kEventLogBackwardsRead;
  bool read = log.Read(kNewestFirst, 0, buffer, bytesRead, bytesNeeded);
  if (!read && log.LastError() == history::kErrorInsufficientBuffer &&
      bytesNeeded <= history::kMaxEventRecordSize) {
    buffer.resize(bytesNeeded);
    read = log.Read(kNewestFirst, 0, buffer, bytesRead, bytesNeeded);
  }
  log.Close();
  if (!read) {
    return {};
  }
  buffer.resize(std::min<std::size_t>(bytesRead, buffer.size()));
  return RecordComputerName(buffer);
}

}  // namespace

std::string RecordComputerName(std::span<const std::uint8_t> record) {
  const std::optional<history::EventRecordView> view = history::EventRecordView::Parse(record);
  if (!view) {
    return {};
  }
  const history::ByteReader bytes(view->Bytes());
  const auto source = ReadWideString(bytes, history::kEventRecordFixedSize);
  if (!source) {
    return {};
  }
  auto computer = ReadWideString(bytes, source->second);
  return computer ? std::move(computer->first) : std::string();
}

std::string MachineOfLogFile(BlockReader bytes) {
  if (EvtFileLog::HasSignature(bytes.Head(8)) && !EvtFileLog::Check(bytes)) {
    return NewestEvtComputerName(std::move(bytes));
  }
  if (HasEvtxSignature(bytes.Head(8))) {
    // The newest event names the machine; the rest of the file is left unread.
    EvtxLog log = EvtxLog::Open(std::move(bytes));
    if (!log.Readable()) {
      return {};
    }
    log.Rewind();
    log.Next();
    return log.Computer();
  }
  return {};
}

}  // namespace orvanta::sources
