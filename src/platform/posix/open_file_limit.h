#pragma once

namespace orvanta::platform {

// Raises this process's soft limit of open files to its hard limit, so that a journal of many
// files is opened whole; false when the limit could not be read or raised.
bool RaiseOpenFileLimit();

}  // namespace orvanta::platform
