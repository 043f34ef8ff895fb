#include "chart/bar_series.h"

#include <algorithm>

#include "chart/default_palette.h"

namespace orvanta::chart {

TBarSeries::TBarSeries() = default;

int TBarSeries::Add(double value, std::string_view label, gfx::Color color) {
  double x = Count();
  int index = XValues.InsertPosition(x);
  XValues.Insert(index, x);
  YValues.Insert(index, value);

  auto at = [index](auto& list) { return list.begin() + index; };
  if (m_colors) {
    m_colors->insert(at(*m_colors), color);
  } else if (color != gfx::AutoColor) {
    m_colors.emplace(static_cast<std::size_t>(Count() - 1), gfx::AutoColor);
    m_colors->insert(at(*m_colors), color);
  }
  if (!label.empty() || !m_labels.empty()) {
    if (m_labels.size() < static_cast<std::size_t>(index)) {
      m_labels.resize(static_cast<std::size_t>(index));
    }
    m_labels.insert(at(m_labels), std::string(label));
  }
  Changed();
  return index;
}

void TBarSeries::Clear() {
  XValues.Clear();
  YValues.Clear();
  m_colors.reset();
  m_labels.clear();
  Changed();
}

std::string TBarSeries::Label(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_labels.size()) {
    return {};
  }
  return m_labels[static_cast<std::size_t>(index)];
}

bool TBarSeries::HasLabels() const {
  return std::any_of(m_labels.begin(), m_labels.end(),
                     [](const std::string& s) { return !s.empty(); });
}

gfx::Color TBarSeries::ValueColor(int index) const {
  if (m_colors && index >= 0 && static_cast<std::size_t>(index) < m_colors->size()) {
    gfx::Color own = (*m_colors)[static_cast<std::size_t>(index)];
    if (own != gfx::AutoColor) {
      return own;
    }
  }
  if (ColorEachPoint) {
    return DefaultPalette[static_cast<std::size_t>(index) % DefaultPalette.size()];
  }
  return SeriesColor;
}

double TBarSeries::MinYValue() const {
  double v = YValues.MinValue();
  return UseYOrigin ? std::min(v, YOrigin) : v;
}

double TBarSeries::MaxYValue() const {
  double v = YValues.MaxValue();
  return UseYOrigin ? std::max(v, YOrigin) : v;
}

void TBarSeries::Changed() {
  if (OnChanged) {
    OnChanged();
  }
}

}  // namespace orvanta::chart
