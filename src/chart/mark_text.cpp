#include <cmath>
#include <string>

#include "chart/bar_series.h"
#include "chart/number_format.h"

// Mark texts of the bar series' points: what the marks tip shows under the mouse.
namespace orvanta::chart {

std::string TBarSeries::MarkText(int index, TSeriesMarksStyle style) const {
  if (index < 0 || index >= Count()) {
    return {};
  }
  // Marks are never multi-line here, so the parts are joined by one space.
  constexpr std::string_view kSeparator = " ";
  std::string valueText = FormatFloat(ValueFormat, YValue(index));
  std::string labelText = Label(index);
  if (labelText.empty()) {
    labelText = valueText;
  }
  auto percentText = [&] {
    double total = YValues.TotalAbs();
    // All values zero: every point is 0 % of the total rather than a division by zero.
    double percent = total != 0 ? std::fabs(YValue(index)) * 100 / total : 0.0;
    return FormatFloat(PercentFormat, percent);
  };
  auto join = [&](const std::string& a, const std::string& b) {
    return a + std::string(kSeparator) + b;
  };

  using enum TSeriesMarksStyle;
  switch (style) {
    case smsValue:
      return valueText;
    case smsPercent:
      return percentText();
    case smsLabel:
      return labelText;
    case smsLabelPercent:
      return join(labelText, percentText());
    case smsLabelValue:
      return join(labelText, valueText);
    case smsXValue:
      return FormatFloat(ValueFormat, XValue(index));
    case smsXY:
      return join(FormatFloat(ValueFormat, XValue(index)), valueText);
    case smsPointIndex:
      return std::to_string(index);
    default:
      // The legend, total and relative styles are not offered; the value stands in.
      return valueText;
  }
}

}  // namespace orvanta::chart
