// wtmp files: any bytes through the layout detection, WtmpLog and the whole refresh, and then
// read in every layout whether they fit it or not.
#include <cstddef>
#include <cstdint>

#include "pipeline_check.h"
#include "sources/wtmp_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  const std::span<const std::uint8_t> bytes(data, size);
  {
    sources::WtmpLog log(sources::ByteBuffer::CopyOf(bytes));
    fuzz::RefreshAndCheck(log);
  }
  for (const sources::WtmpLayout& layout : sources::kWtmpLayouts) {
    sources::WtmpLog log(sources::ByteBuffer::CopyOf(bytes), layout);
    fuzz::RefreshAndCheck(log);
  }
  return 0;
}
