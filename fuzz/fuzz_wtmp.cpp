// wtmp files: any bytes through WtmpLog and the whole refresh.
#include <cstddef>
#include <cstdint>

#include "pipeline_check.h"
#include "platform/posix/wtmp_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  fuzz::FixedUsers users;
  platform::WtmpLog log(platform::ByteBuffer::CopyOf({data, size}), users);
  fuzz::RefreshAndCheck(log);
  return 0;
}
