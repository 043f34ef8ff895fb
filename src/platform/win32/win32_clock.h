#pragma once

#include <cstdint>
#include <optional>

#include "history/clock.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {

// The system clocks through kernel32. GetTickCount64 is looked up at run time: systems that
// lack it get the 32-bit GetTickCount, which wraps after 49.7 days.
class Win32Clock final : public history::Clock {
 public:
  Win32Clock();
  history::SystemTime LocalNow() override;
  std::optional<history::SystemTime> UtcToLocal(const history::SystemTime& utc) override;
  std::uint64_t MillisecondsSinceBoot() override;

 private:
  using TickCount64Fn = unsigned long long(__stdcall*)();
  TickCount64Fn m_tickCount64 = nullptr;
};

// The fields as a SYSTEMTIME; nothing when one does not fit its WORD.
std::optional<SYSTEMTIME> ToNativeSystemTime(const history::SystemTime& time);

}  // namespace orvanta::platform
