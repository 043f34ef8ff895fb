// Run reconstruction: a sequence of records built from the bytes (well-formed events with
// chosen codes, times and SIDs, and raw records with lying lengths and offsets), served newest
// first under a chosen local offset, through the whole refresh.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "history/local_time.h"
#include "history/sid.h"
#include "pipeline_check.h"
#include "support/evt_writer.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  FuzzedDataProvider input(data, size);
  testsupport::ScopedLocalBias bias(input.ConsumeIntegralInRange<std::int32_t>(-1440, 1440));
  const std::vector<std::vector<std::uint8_t>> sids = {
      {},
      history::EncodeSid(history::MakeSid(5, {18})),
      history::EncodeSid(history::MakeSid(5, {20})),
      history::EncodeSid(history::MakeSid(22, {1, 0})),
      history::EncodeSid(history::MakeSid(22, {1, 1})),
      history::EncodeSid(history::MakeSid(22, {1, 7})),
  };
  constexpr std::uint16_t kCodes[] = {6005, 6006, 7035, 6008};
  std::vector<std::vector<std::uint8_t>> newestFirst;
  while (input.remaining_bytes() > 0 && newestFirst.size() < 4096) {
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0) {
      newestFirst.push_back(
          input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 200)));
      continue;
    }
    testsupport::EventSpec event;
    event.EventId = input.ConsumeIntegral<std::uint16_t>() * 0x10000u |
                    kCodes[input.ConsumeIntegralInRange<std::size_t>(0, 3)];
    event.TimeGenerated = input.ConsumeIntegral<std::uint32_t>();
    event.UserSid = sids[input.ConsumeIntegralInRange<std::size_t>(0, sids.size() - 1)];
    newestFirst.push_back(testsupport::BuildEventRecord(event, 1));
  }
  testsupport::FakeEventLog log(newestFirst);
  fuzz::RefreshAndCheck(log);
  return 0;
}
