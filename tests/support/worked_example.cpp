#include "support/worked_example.h"

#include "history/sid.h"
#include "support/fakes.h"

namespace orvanta::testsupport {

std::vector<EventSpec> WorkedExampleEvents(const std::vector<std::uint8_t>& userSidA,
                                           const std::vector<std::uint8_t>& userSidB) {
  const std::vector<std::uint8_t> system = history::EncodeSid(history::MakeSid(5, {18}));
  constexpr std::uint32_t kBoot = 0x80000000u | 6005;
  constexpr std::uint32_t kShutdown = 0x80000000u | 6006;
  constexpr std::uint32_t kService = 0x40000000u | 7035;
  return {
      {kShutdown, UnixTime(2024, 3, 7, 22, 0), {}, 0},
      {kBoot, UnixTime(2024, 3, 8, 18, 0), {}, 0},
      {kService, UnixTime(2024, 3, 8, 18, 5), userSidA, 0},
      {kBoot, UnixTime(2024, 3, 9, 20, 0), {}, 0},
      {kService, UnixTime(2024, 3, 9, 20, 10), userSidB, 0},
      {kShutdown, UnixTime(2024, 3, 9, 23, 30), {}, 0},
      {kBoot, UnixTime(2024, 3, 10, 9, 0), {}, 0},
      {kService, UnixTime(2024, 3, 10, 9, 1), system, 0},
      {kService, UnixTime(2024, 3, 10, 9, 15), userSidA, 0},
  };
}

}  // namespace orvanta::testsupport
