#include "platform/posix/posix_shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace orvanta::platform {

namespace {

// The shell starts xdg-open in the background and ends at once, so waiting for it leaves no
// child behind; the target travels as an argument, never as part of the script.
constexpr const char* kScript =
    "command -v xdg-open >/dev/null 2>&1 || exit 127\n"
    "xdg-open \"$1\" >/dev/null 2>&1 </dev/null &\n";

bool OpenInBackground(const std::string& target) {
  if (target.empty() || target.find('\0') != std::string::npos) {
    return false;
  }
  const char* argv[] = {"sh", "-c", kScript, "orvanta-open", target.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) {
    return false;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      return false;
    }
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool PosixShell::OpenDefault(const std::string& target) {
  return OpenInBackground(target);
}

bool PosixShell::OpenVerb(const std::string& target, controls::ShellWait) {
  return OpenInBackground(target);
}

}  // namespace orvanta::platform
