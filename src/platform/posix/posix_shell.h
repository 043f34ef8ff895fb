#pragma once

#include <string>

#include "controls/shell.h"

namespace orvanta::platform {

// The desktop's default programs through xdg-open, started in the background so the window
// never waits for a browser. There is no open-with dialog on this platform.
class PosixShell final : public controls::Shell {
 public:
  bool OpenDefault(const std::string& target) override;
  bool OpenVerb(const std::string& target, controls::ShellWait wait) override;
  void OpenWith(const std::string&) override {}
};

}  // namespace orvanta::platform
