#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_api.h"

namespace orvanta::platform {
namespace {

history::SystemTime FromNative(const SYSTEMTIME& time) {
  return {time.wYear,   time.wMonth,  time.wDay,         time.wHour,
          time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace

// SYSTEMTIME holds WORDs; a field outside that range cannot be handed to the OS at all.
std::optional<SYSTEMTIME> ToNativeSystemTime(const history::SystemTime& time) {
  const int fields[] = {time.Year,   time.Month,  time.Day,         time.Hour,
                        time.Minute, time.Second, time.Milliseconds};
  for (int field : fields) {
    if (field < 0 || field > 0xFFFF) {
      return std::nullopt;
    }
  }
  SYSTEMTIME native{};
  native.wYear = static_cast<WORD>(time.Year);
  native.wMonth = static_cast<WORD>(time.Month);
  native.wDay = static_cast<WORD>(time.Day);
  native.wHour = static_cast<WORD>(time.Hour);
  native.wMinute = static_cast<WORD>(time.Minute);
  native.wSecond = static_cast<WORD>(time.Second);
  native.wMilliseconds = static_cast<WORD>(time.Milliseconds);
  return native;
}

Win32Clock::Win32Clock() {
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    // Through a generic function pointer: FARPROC's own signature is unrelated.
    const auto generic = reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetTickCount64"));
    m_tickCount64 = reinterpret_cast<TickCount64Fn>(generic);
  }
}

history::SystemTime Win32Clock::LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return FromNative(now);
}

std::optional<history::SystemTime> Win32Clock::UtcToLocal(const history::SystemTime& utc) {
  const std::optional<SYSTEMTIME> fields = ToNativeSystemTime(utc);
  if (!fields) {
    return std::nullopt;
  }
  FILETIME utcInstant{};
  FILETIME localInstant{};
  SYSTEMTIME local{};
  if (!SystemTimeToFileTime(&*fields, &utcInstant) ||
      !FileTimeToLocalFileTime(&utcInstant, &localInstant) ||
      !FileTimeToSystemTime(&localInstant, &local)) {
    return std::nullopt;
  }
  return FromNative(local);
}

std::uint64_t Win32Clock::MillisecondsSinceBoot() {
  if (m_tickCount64 != nullptr) {
    return m_tickCount64();
  }
  return GetTickCount();
}

}  // namespace orvanta::platform
