#include "support/sample_path.h"

#include <filesystem>

namespace orvanta::testsupport {

std::string SamplePath(const std::string& name) {
  for (const char* dir :
       {ORVANTA_SOURCE_DIR "/../shared/samples/", ORVANTA_SOURCE_DIR "/../../shared/samples/"}) {
    if (std::filesystem::exists(dir + name)) {
      return dir + name;
    }
  }
  return {};
}

}  // namespace orvanta::testsupport
