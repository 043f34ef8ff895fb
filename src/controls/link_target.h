#pragma once

#include <string>
#include <string_view>

namespace orvanta::controls {

// What a link label opens: its URL as stored unless that is blank, else its caption; empty
// when both are blank. Blanks are spaces and control characters.
std::string LinkTarget(std::string_view url, std::string_view caption);

// Whether a target that failed to open gets the open-with dialog for web pages: its extension
// (from the last "."), in any case, is ".htm".
bool OffersOpenWithForHtm(std::string_view target);

// The file pattern the open-with dialog is asked for.
inline constexpr std::string_view kHtmOpenWithPattern = "*.htm";

}  // namespace orvanta::controls
