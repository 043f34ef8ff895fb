#include "support/fakes.h"

#include <chrono>

#include "history/sid.h"

namespace orvanta::testsupport {

std::optional<std::string> FakeAccounts::LookupAccountSid(std::span<const std::uint8_t> bytes) {
  ++Calls;
  std::optional<history::Sid> sid = history::ParseSid(bytes);
  if (!sid) {
    return std::nullopt;
  }
  auto name = Names.find(history::FormatSid(*sid));
  if (name == Names.end()) {
    return std::nullopt;
  }
  return name->second;
}

std::uint32_t UnixTime(int year, int month, int day, int hour, int minute, int second) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  const auto seconds =
      date.time_since_epoch() + hours{hour} + minutes{minute} + std::chrono::seconds{second};
  return static_cast<std::uint32_t>(duration_cast<std::chrono::seconds>(seconds).count());
}

}  // namespace orvanta::testsupport
