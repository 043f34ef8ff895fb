// wtmp files: any bytes through WtmpLog and the whole refresh.
#include <cstddef>
#include <cstdint>

#include "pipeline_check.h"
#include "sources/wtmp_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  fuzz::FixedUsers users;
  sources::WtmpLog log(sources::ByteBuffer::CopyOf({data, size}), users);
  fuzz::RefreshAndCheck(log);
  return 0;
}
