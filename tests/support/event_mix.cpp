#include "support/event_mix.h"

#include <array>
#include <random>

#include "history/sid.h"

namespace orvanta::testsupport {
namespace {

constexpr std::uint32_t kStartTime = 1'000'000'000;  // 2001-09-09

std::vector<std::vector<std::uint8_t>> MixSids() {
  using history::EncodeSid;
  using history::MakeSid;
  return {
      EncodeSid(MakeSid(22, {1, 0})),  // root
      EncodeSid(MakeSid(22, {1, 1})),  // daemon
      EncodeSid(MakeSid(5, {18})),     // SYSTEM
      EncodeSid(MakeSid(5, {19})),     // LOCAL SERVICE
      EncodeSid(MakeSid(5, {20})),     // NETWORK SERVICE
      EncodeSid(MakeSid(5, {21, 1004336348, 1177238915, 682003330, 1003})),
  };
}

}  // namespace

std::vector<EventSpec> MakeEventMix(std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<std::uint32_t> gap(1, 600);
  const std::vector<std::vector<std::uint8_t>> sids = MixSids();
  std::uniform_int_distribution<std::size_t> sidIndex(0, sids.size() - 1);
  constexpr std::array<std::uint32_t, 6> kOtherIds = {0x40001B7C, 0x80001777, 0xC0001B58,
                                                      0x0000000A, 0x80000457, 0x00001B8A};
  std::uniform_int_distribution<std::size_t> otherIndex(0, kOtherIds.size() - 1);
  std::uniform_int_distribution<std::size_t> dataLength(0, 24);

  std::vector<EventSpec> events;
  events.reserve(count);
  std::uint32_t time = kStartTime;
  for (std::size_t i = 0; i < count; ++i) {
    time += gap(random);
    const int p = percent(random);
    EventSpec event;
    event.TimeGenerated = time;
    if (p < 15) {
      event.EventId = 0x80000000u | 6005;
    } else if (p < 30) {
      event.EventId = 0x80000000u | 6006;
    } else if (p < 60) {
      event.EventId = 0x40000000u | 7035;
      event.UserSid = sids[sidIndex(random)];
    } else {
      event.EventId = kOtherIds[otherIndex(random)];
      event.DataLength = dataLength(random);
    }
    events.push_back(std::move(event));
  }
  return events;
}

std::vector<WtmpEntry> MakeWtmpMix(std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<std::int32_t> gap(1, 600);
  constexpr std::array<const char*, 3> kUsers = {"root", "daemon", "nosuchuser-orvanta"};
  std::uniform_int_distribution<std::size_t> userIndex(0, kUsers.size() - 1);
  constexpr std::array<UtType, 4> kOtherTypes = {UtType::DeadProcess, UtType::LoginProcess,
                                                 UtType::InitProcess, UtType::RunLevel};
  std::uniform_int_distribution<std::size_t> otherIndex(0, kOtherTypes.size() - 1);

  std::vector<WtmpEntry> entries;
  entries.reserve(count);
  std::int32_t time = static_cast<std::int32_t>(kStartTime);
  for (std::size_t i = 0; i < count; ++i) {
    time += gap(random);
    const int p = percent(random);
    if (p < 15) {
      entries.push_back(BootEntry(time));
    } else if (p < 30) {
      entries.push_back(ShutdownEntry(time));
    } else if (p < 60) {
      entries.push_back(LoginEntry(time, kUsers[userIndex(random)]));
    } else {
      const UtType type = kOtherTypes[otherIndex(random)];
      entries.push_back({type, type == UtType::RunLevel ? "runlevel" : "", time, "pts/1", 77, ""});
    }
  }
  return entries;
}

}  // namespace orvanta::testsupport
