#include "sources/log_file.h"

#include "history/event_source_filter.h"
#include "sources/evt_file_log.h"
#include "sources/evtx_file.h"
#include "sources/evtx_log.h"
#include "sources/evtx_record_log.h"
#include "sources/wtmp_log.h"

namespace orvanta::sources {

OpenedLog LogFromBytes(ByteBuffer bytes, UserDirectory& users, ExpectedLog expected) {
  return LogFromReader(BlockReader(std::move(bytes)), users, expected);
}

OpenedLog LogFromReader(BlockReader bytes, UserDirectory& users, ExpectedLog expected) {
  if (bytes.Size() == 0) {
    if (expected == ExpectedLog::Wtmp) {
      return {std::make_unique<WtmpLog>(std::move(bytes), users), {}, {}};
    }
    return {nullptr, "empty file", {}};
  }
  if (EvtFileLog::HasSignature(bytes.Head(8))) {
    if (std::optional<std::string> reason = EvtFileLog::Check(bytes)) {
      return {nullptr, std::move(*reason), {}};
    }
    return {std::make_unique<history::EventSourceFilter>(
                std::make_unique<EvtFileLog>(std::move(bytes))),
            {},
            {}};
  }
  if (HasEvtxSignature(bytes.Head(8))) {
    EvtxLog log = EvtxLog::Open(std::move(bytes));
    if (!log.Readable()) {
      return {nullptr, "damaged event log", {}};
    }
    const std::size_t damaged = log.DamagedChunks();
    std::string warning;
    if (damaged > 0) {
      warning = std::to_string(damaged) + (damaged == 1 ? " damaged chunk" : " damaged chunks") +
                " skipped";
    }
    return {std::make_unique<EvtxRecordLog>(std::move(log)), {}, std::move(warning)};
  }
  if (std::optional<WtmpLayoutChoice> choice = ChooseWtmpLayout(bytes)) {
    // A close call is said, so that a misread file can be recognised as one.
    std::string warning;
    if (choice->Rival) {
      warning = "read as " + std::string(choice->Layout.Name) + " records (" +
                std::string(choice->Rival->Name) + " records fit a smaller part)";
    }
    return {
        std::make_unique<WtmpLog>(std::move(bytes), users, choice->Layout), {}, std::move(warning)};
  }
  return {nullptr, "not an event log or wtmp file", {}};
}

OpenedLog LogFromFile(FileLoad load, UserDirectory& users, ExpectedLog expected) {
  if (!load.Error.empty()) {
    return {nullptr, std::move(load.Error), {}};
  }
  if (load.Source) {
    return LogFromReader(BlockReader(std::move(load.Source)), users, expected);
  }
  return LogFromBytes(std::move(load.Bytes), users, expected);
}

}  // namespace orvanta::sources
