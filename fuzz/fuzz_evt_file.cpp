// Legacy event log files: any bytes through EvtFileLog and the whole refresh.
#include <cstddef>
#include <cstdint>

#include "pipeline_check.h"
#include "platform/posix/evt_file_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  std::span<const std::uint8_t> bytes(data, size);
  if (platform::EvtFileLog::Check(bytes)) {
    return 0;
  }
  platform::EvtFileLog log(platform::ByteBuffer::CopyOf(bytes));
  fuzz::RefreshAndCheck(log);
  return 0;
}
