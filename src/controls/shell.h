#pragma once

#include <string>

namespace orvanta::controls {

enum class ShellWait { NoWait, WaitForDde };

// The platform shell: opens a web address, a mailto: link or a file in the user's default
// program. Returns false when the target could not be handed over.
class Shell {
 public:
  virtual ~Shell() = default;
  // The default action, as the toolbar's web-page buttons use it; the result is advisory.
  virtual bool OpenDefault(const std::string& target) = 0;
  // The verb "open" without error messages, as the link labels use it.
  virtual bool OpenVerb(const std::string& target, ShellWait wait) = 0;
  // The open-with dialog for a file type, the fallback of a link to a ".htm" page.
  virtual void OpenWith(const std::string& extensionPattern) = 0;
};

}  // namespace orvanta::controls
