#pragma once

#include <string>
#include <vector>

#include "support/evt_writer.h"

namespace orvanta::testsupport {

// The nine events of the run reconstruction example, oldest first, times in UTC (read them
// with a local offset of 0): boots, shutdowns and service-control events sent by userSidA,
// userSidB and the SYSTEM account.
std::vector<EventSpec> WorkedExampleEvents(const std::vector<std::uint8_t>& userSidA,
                                           const std::vector<std::uint8_t>& userSidB);

}  // namespace orvanta::testsupport
