#pragma once

#include <string>

namespace orvanta::testsupport {

// The path of a shared sample log, empty when it is not there. The samples lie beside the
// clone; a worktree keeps its clone one level deeper.
std::string SamplePath(const std::string& name);

}  // namespace orvanta::testsupport
