#pragma once

#include <string>

namespace orvanta::sources {

// A line for standard error about one file or directory: "orvanta: NAME: TEXT".
struct FileNote {
  std::string Name;
  std::string Text;

  friend bool operator==(const FileNote&, const FileNote&) = default;
};

}  // namespace orvanta::sources
