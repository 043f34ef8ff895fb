#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/posix/gathered_history.h"

namespace orvanta::platform {

// This machine's login database, where the wtmp file is gone.
inline constexpr const char* kDefaultWtmpdbPath = "/var/lib/wtmpdb/wtmp.db";

// Reads a login database (read-only): a boot row is a boot at its login time and, when it
// has a logout time, a clean shutdown then; a user row is a login of its user.
GatheredHistory ReadWtmpdb(const std::string& path);

// The oldest login time, nothing when the database cannot be read or holds no row.
std::optional<std::int64_t> WtmpdbReach(const std::string& path);

}  // namespace orvanta::platform
