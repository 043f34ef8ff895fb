#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "sources/event_list_history.h"
#include "sources/wtmpdb_rules.h"

namespace orvanta::platform {

// This machine's login database, where the wtmp file is gone.
inline constexpr const char* kDefaultWtmpdbPath = "/var/lib/wtmpdb/wtmp.db";

// How long a reading waits for a writer's lock, and how much work it may do.
struct WtmpdbBounds {
  std::chrono::milliseconds LockWait{2000};
  sources::WtmpdbSteps Steps;
};

// Reads a login database without writing anything, anywhere: a boot row is a boot at its
// login time and, when it has a logout time, a clean shutdown then; a user row is a login of
// its user. Only a plain table named wtmp is read.
sources::GatheredEvents ReadWtmpdb(const std::string& path, const WtmpdbBounds& bounds = {});

// The oldest login time, nothing when the database cannot be read or holds no row.
std::optional<std::int64_t> WtmpdbReach(const std::string& path, const WtmpdbBounds& bounds = {});

}  // namespace orvanta::platform
