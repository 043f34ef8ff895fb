#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/win32/win32_shell.h"

namespace orvanta::platform {
namespace {

using controls::ShellWait;
namespace fs = std::filesystem;

TEST(Win32Shell, BlankOrMissingTargetsFailQuietly) {
  Win32Shell shell;
  const fs::path missing = fs::temp_directory_path() / "orvanta-no-such-file.orvanta-none";
  EXPECT_FALSE(shell.OpenDefault(""));
  EXPECT_FALSE(shell.OpenVerb("", ShellWait::WaitForDde));
  EXPECT_FALSE(shell.OpenVerb(missing.string(), ShellWait::WaitForDde));
  EXPECT_FALSE(shell.OpenDefault(missing.string()));
}

// A batch file's "open" action runs it: the file it writes proves the shell started it.
TEST(Win32Shell, OpenRunsTheTargetsDefaultAction) {
  const fs::path dir = fs::temp_directory_path() / "orvanta-shell-test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path marker = dir / "opened.txt";
  const fs::path script = dir / "open me.bat";
  std::ofstream(script) << "@echo opened> \"" << marker.string() << "\"\r\n";

  Win32Shell shell;
  ASSERT_TRUE(shell.OpenVerb(script.string(), ShellWait::WaitForDde));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!fs::exists(marker) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(fs::exists(marker));
}

}  // namespace
}  // namespace orvanta::platform
