#pragma once

namespace orvanta::platform {

// Raises this process's soft limit of open files to its hard limit (at most half a million), so
// that a journal of many files is opened whole; false when the limit could not be raised.
bool RaiseOpenFileLimit();

}  // namespace orvanta::platform
