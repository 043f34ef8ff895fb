#pragma once

#include <string>
#include <string_view>

namespace orvanta::chart {

// Formats a number with a picture such as "#,##0.###" or "##0.## %":
// '0' is a digit always shown, '#' a digit shown only when significant, ',' anywhere in the
// integer part turns on grouping by three, '.' starts the decimals; any other character is
// copied as it stands before or after the number. Separators are ',' and '.'.
//
// The value is first taken to 15 significant decimal digits (what a double reliably holds)
// and then rounded half away from zero at the last decimal the picture allows, so 2.0005
// with three decimals gives "2.001" although its binary value lies just below the half.
// A value that rounds to zero is shown without a sign. Infinities and NaN give "INF",
// "-INF" and "NAN".
std::string FormatFloat(std::string_view picture, double value);

}  // namespace orvanta::chart
