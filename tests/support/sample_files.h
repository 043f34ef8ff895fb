#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orvanta::testsupport {

// The path of a shared sample log, empty when it is not there. The samples lie beside the
// clone; a worktree keeps its clone one level deeper. Needs the test's ORVANTA_SOURCE_DIR.
inline std::string SamplePath(const std::string& name) {
  for (const char* dir :
       {ORVANTA_SOURCE_DIR "/../shared/samples/", ORVANTA_SOURCE_DIR "/../../shared/samples/"}) {
    if (std::filesystem::exists(dir + name)) {
      return dir + name;
    }
  }
  return {};
}

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace orvanta::testsupport
