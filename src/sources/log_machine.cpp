#include "sources/log_machine.h"

#include <array>
#include <optional>
#include <vector>

#include "history/byte_reader.h"
#include "history/event_log_api.h"
#include "history/event_record.h"
#include "history/utf16_text.h"
#include "sources/evt_file_log.h"
#include "sources/evtx_file.h"
#include "sources/evtx_log.h"

namespace orvanta::sources {
namespace {

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
  const auto source = history::ReadUtf16String(bytes, history::kEventRecordFixedSize);
  if (!source) {
    return {};
  }
  auto computer = history::ReadUtf16String(bytes, source->second);
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
