#include "chart/axis_labels.h"

#include <algorithm>
#include <cmath>

#include "chart/number_format.h"

namespace orvanta::chart {
namespace {

constexpr double kMinStep = 1e-12;
constexpr double kMaxLabelSteps = 10000;
constexpr double kHugeLabelCount = 2147483647.0;

int LabelSize(const AxisScale& scale, const AxisLabelSettings& settings, LabelMeasurer& measurer,
              double value) {
  std::string text = FormatFloat(settings.ValuesFormat, value);
  if (scale.Horizontal) {
    return measurer.TextWidth(text);
  }
  int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return measurer.FontHeight() * lines;
}

// The middle value measured for the label size: halved until it has a fraction, so that a
// label with decimals is measured when the range has any.
double MeasuredMiddle(double lo, double hi) {
  double mid = (lo + hi) / 2;
  for (int i = 0; i < 2100 && std::isfinite(mid) && mid != 0 && mid == std::trunc(mid); ++i) {
    mid /= 2;
  }
  return mid;
}

double CalcStep(const AxisScale& scale, const AxisLabelSettings& settings, LabelMeasurer& measurer,
                std::optional<int> fewestCategoryPoints, double increment) {
  double lo = scale.RangeMin;
  double hi = scale.RangeMax;
  if (settings.RoundFirstLabel && increment != 0) {
    lo = RoundHalfEven(scale.RangeMin / increment) * increment;
    hi = std::trunc(scale.RangeMax / increment) * increment;
  }
  int size = std::max({LabelSize(scale, settings, measurer, lo),
                       LabelSize(scale, settings, measurer, MeasuredMiddle(lo, hi)),
                       LabelSize(scale, settings, measurer, hi)});
  if (increment != 0) {
    size = std::max({size, LabelSize(scale, settings, measurer, hi - increment),
                     LabelSize(scale, settings, measurer, lo + increment)});
  }
  int maxCount = MaxLabelCount(scale.AxisSize, size, settings.LabelsSeparation);
  if (maxCount < 1) {
    return kMinStep;
  }

  double step;
  if (increment > 0) {
    step = increment;
  } else if (scale.RangeIsZero) {
    step = 1.0;
  } else {
    step = std::fabs(scale.Range) / (maxCount + 1);
    if (scale.Range >= 1 && fewestCategoryPoints && *fewestCategoryPoints <= maxCount) {
      step = std::max(step, 1.0);
    }
  }

  if (settings.LabelsSeparation >= 1) {
    double count = maxCount + 1.0;
    do {
      double c = scale.Range / step;
      if (std::fabs(c) < kHugeLabelCount) {
        count = RoundHalfEven(c);
        if (count > maxCount) {
          step = NextStep(step);
        }
      } else {
        step = NextStep(step);
      }
    } while (count > maxCount && step <= scale.Range && std::isfinite(step));
  }
  if (!std::isfinite(step)) {
    step = scale.Range;
  } else {
    step = std::max(step, kMinStep);
  }
  // An infinite or empty range leaves no usable step: one label per unit keeps the callers'
  // divisions finite.
  return std::isfinite(step) && step > 0 ? step : 1.0;
}

}  // namespace

double NextStep(double step) {
  if (std::isinf(step) || !(step > 0)) {
    return 1;
  }
  // Scale into [1, 10), pick the next ladder step, then scale back in the same number of
  // exact multiplications or divisions by ten.
  int tens = 0;
  while (step >= 10) {
    step /= 10;
    ++tens;
  }
  while (step < 1) {
    step *= 10;
    --tens;
  }
  double result = step < 2 ? 2 : step < 5 ? 5 : 10;
  for (; tens > 0; --tens) {
    result *= 10;
  }
  for (; tens < 0; ++tens) {
    result /= 10;
  }
  return result;
}

int MaxLabelCount(int axisSize, int labelSize, int labelsSeparation) {
  if (labelSize <= 0) {
    return 1;
  }
  double spacing = labelSize;
  if (labelsSeparation > 0) {
    spacing += RoundHalfEven(labelsSeparation * 0.01 * labelSize);
  }
  return RoundToInt(axisSize / spacing);
}

double LabelIncrement(const AxisScale& scale, const AxisLabelSettings& settings,
                      LabelMeasurer& measurer, std::optional<int> fewestCategoryPoints) {
  double step = CalcStep(scale, settings, measurer, fewestCategoryPoints, settings.Increment);
  if (settings.Increment == 0 && !settings.LabelsAlternate && step >= 2) {
    // A second pass from a step of 1 lands on the 1-2-5 ladder of whole numbers.
    step = CalcStep(scale, settings, measurer, fewestCategoryPoints, 1.0);
  }
  return step;
}

std::vector<AxisLabel> ValueLabels(const AxisScale& scale, const AxisLabelSettings& settings,
                                   double step) {
  std::vector<AxisLabel> labels;
  double steps = std::fabs(scale.Range / step);
  if (!(step > 0) || !std::isfinite(steps) || steps >= kMaxLabelSteps) {
    return labels;
  }
  auto text = [&](double v) { return FormatFloat(settings.ValuesFormat, v); };
  auto add = [&](double v) {
    int pos = scale.ValueToPos(v);
    if (settings.LabelsOnAxis || (scale.StartPos < pos && pos < scale.EndPos)) {
      labels.push_back({v, pos, text(v)});
    }
  };

  double t = scale.RangeMax;
  if (settings.RoundFirstLabel && text(scale.RangeMin) != text(scale.RangeMax)) {
    t = std::trunc(scale.RangeMax / step) * step;
  }
  while (t > scale.RangeMax) {
    t -= step;
  }
  if (scale.RangeIsZero || std::fabs(scale.RangeMax - scale.RangeMin) < 1e-10 ||
      text(t) == text(t - step)) {
    add(t);
    return labels;
  }
  double limit = scale.RangeMin >= 0 ? (scale.RangeMin - 1e-12) / (1 + 1e-12) : scale.RangeMin;
  for (double v = t; v >= limit && labels.size() <= kMaxLabelSteps; v -= step) {
    add(v);
  }
  return labels;
}

int WidestValueLabel(const AxisScale& scale, const AxisLabelSettings& settings,
                     LabelMeasurer& measurer, double step) {
  auto width = [&](double v) {
    return measurer.TextWidth(FormatFloat(settings.ValuesFormat, std::trunc(v / step) * step));
  };
  return std::max(width(scale.RangeMin), width(scale.RangeMax)) + measurer.TextWidth(" ");
}

bool TextLabelSpacing::Accept(int pos, int width) {
  if (!m_any) {
    m_any = true;
    m_prevPos = pos;
    m_prevHalf = width / 2;
    return true;
  }
  if (m_separation == 0) {
    return true;  // no separation asked for: every label is drawn, crowded or not
  }
  int size = width;
  size += static_cast<int>(std::trunc(size * 0.02 * m_separation));
  size /= 2;
  bool clear = pos >= m_prevPos ? pos - size >= m_prevPos + m_prevHalf
                                : pos + size <= m_prevPos - m_prevHalf;
  if (clear) {
    m_prevPos = pos;
    m_prevHalf = size;
  }
  return clear;
}

std::vector<int> MinorTickPositions(std::span<const int> ticks, int minorCount, int startPos,
                                    int endPos) {
  std::vector<int> out;
  if (ticks.size() < 2 || minorCount < 1) {
    return out;
  }
  auto add = [&](double pos) {
    if (pos > startPos && pos < endPos) {
      out.push_back(static_cast<int>(pos));
    }
  };
  auto offset = [&](int j, int gap) {
    return RoundHalfEven(static_cast<double>(j) * gap / (minorCount + 1));
  };
  int firstGap = ticks[1] - ticks[0];
  for (int j = 1; j <= minorCount; ++j) {
    add(ticks[0] - offset(j, firstGap));
  }
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    int gap = ticks[i] - ticks[i - 1];
    for (int j = 1; j <= minorCount; ++j) {
      add(ticks[i] - offset(j, gap));
    }
  }
  for (int j = 1; j <= minorCount; ++j) {
    add(ticks.back() + offset(j, firstGap));
  }
  return out;
}

}  // namespace orvanta::chart
