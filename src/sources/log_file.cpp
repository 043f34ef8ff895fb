#include "sources/log_file.h"

#include "history/event_record_history.h"
#include "history/event_source_filter.h"
#include "sources/evt_file_log.h"
#include "sources/evtx_log.h"
#include "sources/log_format.h"
#include "sources/wtmp_log.h"

namespace orvanta::sources {
namespace {

OpenedLog Log(std::unique_ptr<history::EventHistory> log, std::string note = {}) {
  OpenedLog opened;
  opened.Value = std::move(log);
  opened.Note = std::move(note);
  return opened;
}

OpenedLog EvtLog(BlockReader bytes) {
  if (std::optional<std::string> reason = EvtFileLog::Check(bytes)) {
    return Failed<std::unique_ptr<history::EventHistory>>(std::move(*reason));
  }
  return Log(
      std::make_unique<history::EventRecordHistory>(std::make_unique<history::EventSourceFilter>(
          std::make_unique<EvtFileLog>(std::move(bytes)))));
}

OpenedLog EvtxHistory(BlockReader bytes, unsigned threads) {
  auto log = std::make_unique<EvtxLog>(EvtxLog::Open(std::move(bytes), threads));
  if (!log->Readable()) {
    return Failed<std::unique_ptr<history::EventHistory>>("damaged event log");
  }
  const std::size_t damaged = log->DamagedChunks();
  std::string note;
  if (damaged > 0) {
    note = std::to_string(damaged) + (damaged == 1 ? " damaged chunk" : " damaged chunks") +
           " skipped";
  }
  return Log(std::move(log), std::move(note));
}

}  // namespace

OpenedLog LogFromBytes(ByteBuffer bytes, ExpectedLog expected) {
  return LogFromReader(BlockReader(std::move(bytes)), expected);
}

OpenedLog LogFromReader(BlockReader bytes, ExpectedLog expected, unsigned threads) {
  if (bytes.Size() == 0) {
    if (expected == ExpectedLog::Wtmp) {
      return Log(std::make_unique<WtmpLog>(std::move(bytes)));
    }
    return Failed<std::unique_ptr<history::EventHistory>>("empty file");
  }
  switch (RecognizeLogFormat(bytes.Head(kLogFormatHeadBytes))) {
    case LogFormat::Evt:
      return EvtLog(std::move(bytes));
    case LogFormat::Evtx:
      return EvtxHistory(std::move(bytes), threads);
    case LogFormat::Journal:
    case LogFormat::Sqlite:
    case LogFormat::Other:
      break;
  }
  if (std::optional<WtmpLayoutChoice> choice = ChooseWtmpLayout(bytes)) {
    // A close call is said, so that a misread file can be recognised as one.
    std::string note;
    if (choice->Rival) {
      note = "read as " + std::string(choice->Layout.Name) + " records (" +
             std::string(choice->Rival->Name) + " records fit a smaller part)";
    }
    return Log(std::make_unique<WtmpLog>(std::move(bytes), choice->Layout, threads),
               std::move(note));
  }
  return Failed<std::unique_ptr<history::EventHistory>>("not an event log or wtmp file");
}

OpenedLog LogFromFile(Opened<BlockReader> load, ExpectedLog expected, unsigned threads) {
  if (!load.Ok()) {
    return Failed<std::unique_ptr<history::EventHistory>>(std::move(load.Error));
  }
  return LogFromReader(std::move(load.Value), expected, threads);
}

}  // namespace orvanta::sources
