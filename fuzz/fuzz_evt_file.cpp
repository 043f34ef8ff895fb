// Legacy event log files: any bytes through EvtFileLog, as a file is opened (its boots and
// shutdowns checked for their source), and the whole refresh.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "history/event_source_filter.h"
#include "pipeline_check.h"
#include "sources/evt_file_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  std::span<const std::uint8_t> bytes(data, size);
  if (sources::EvtFileLog::Check(bytes)) {
    return 0;
  }
  history::EventSourceFilter log(
      std::make_unique<sources::EvtFileLog>(sources::ByteBuffer::CopyOf(bytes)));
  fuzz::RefreshAndCheck(log);
  return 0;
}
