#include "chart/chart_value_list.h"

#include <algorithm>
#include <cmath>

namespace orvanta::chart {

int TChartValueList::InsertPosition(double value) const {
  int count = Count();
  if (Order == ValueListOrder::loNone || count == 0) {
    return count;
  }
  // Appending in order costs one comparison; otherwise walk back over the values that the
  // new one must precede.
  auto comesAfter = [this](double existing, double v) {
    return Order == ValueListOrder::loAscending ? existing > v : existing < v;
  };
  int index = count;
  while (index > 0 && comesAfter(m_values[static_cast<std::size_t>(index - 1)], value)) {
    --index;
  }
  return index;
}

void TChartValueList::Insert(int index, double value) {
  // Capacity grows by at least 1,000 entries and at least doubles, so a long series is not
  // copied over and over while it is filled.
  if (m_values.capacity() == m_values.size()) {
    m_values.reserve(m_values.size() + std::max<std::size_t>(1000, m_values.size()));
  }
  m_values.insert(m_values.begin() + index, value);
  m_statsValid = false;
}

void TChartValueList::Clear() {
  m_values.clear();
  m_stats = {};
  m_statsValid = true;
}

const TChartValueList::Statistics& TChartValueList::Stats() const {
  if (m_statsValid) {
    return m_stats;
  }
  Statistics s;
  if (!m_values.empty()) {
    s.Min = s.Max = m_values.front();
    for (std::size_t i = 0; i < m_values.size(); ++i) {
      double v = m_values[i];
      if (i > 0) {
        if (v < s.Min) {
          s.Min = v;
        } else if (v > s.Max) {
          s.Max = v;
        }
      }
      s.Total += v;
      s.TotalAbs += std::fabs(v);
    }
  }
  m_stats = s;
  m_statsValid = true;
  return m_stats;
}

}  // namespace orvanta::chart
