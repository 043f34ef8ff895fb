#include "platform/win32/win32_shell.h"

#include <algorithm>
#include <cstdint>

#include "platform/win32/handles.h"
#include "platform/win32/utf.h"

namespace orvanta::platform {
namespace {

// ShellExecute reports success with a value above 32.
constexpr INT_PTR kShellExecuteFirstSuccess = 33;

// A pattern goes onto a command line as one argument: no quotes, no control characters.
bool IsSafePattern(const std::string& pattern) {
  return !pattern.empty() && std::none_of(pattern.begin(), pattern.end(), [](char c) {
    return c == '"' || static_cast<unsigned char>(c) < 0x20;
  });
}

}  // namespace

bool Win32Shell::OpenDefault(const std::string& target) {
  const std::wstring file = Utf8ToWide(target);
  if (file.empty()) {
    return false;
  }
  const HINSTANCE result =
      ShellExecuteW(m_owner, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) >= kShellExecuteFirstSuccess;
}

bool Win32Shell::OpenVerb(const std::string& target, controls::ShellWait wait) {
  const std::wstring file = Utf8ToWide(target);
  if (file.empty()) {
    return false;
  }
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI;
  if (wait == controls::ShellWait::WaitForDde) {
    info.fMask |= SEE_MASK_FLAG_DDEWAIT;
  }
  info.hwnd = nullptr;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != FALSE;
}

void Win32Shell::OpenWith(const std::string& extensionPattern) {
  if (!IsSafePattern(extensionPattern)) {
    return;
  }
  // CreateProcessW may write into the command line, so it gets its own buffer.
  std::wstring commandLine =
      L"RunDLL32.exe Shell32.dll,OpenAs_RunDLL " + Utf8ToWide(extensionPattern);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);
  }
}

}  // namespace orvanta::platform
