#pragma once

#include <string>
#include <vector>

namespace orvanta::chart {

enum class ValueListOrder { loNone, loAscending, loDescending };

// One coordinate of a series' points, with statistics computed lazily after each change.
class TChartValueList {
 public:
  TChartValueList(std::string name, ValueListOrder order) : Name(std::move(name)), Order(order) {}

  std::string Name;
  ValueListOrder Order;

  int Count() const { return static_cast<int>(m_values.size()); }
  double Value(int index) const { return m_values.at(static_cast<std::size_t>(index)); }
  const std::vector<double>& Values() const { return m_values; }

  // The index at which a new value goes under Order: at the end for loNone; for an ordered list
  // after the last value that does not come after it, so equal values keep their arrival order.
  int InsertPosition(double value) const;
  void Insert(int index, double value);
  void Clear();

  double MinValue() const { return Stats().Min; }
  double MaxValue() const { return Stats().Max; }
  double Total() const { return Stats().Total; }
  double TotalAbs() const { return Stats().TotalAbs; }

 private:
  struct Statistics {
    double Min = 0;
    double Max = 0;
    double Total = 0;
    double TotalAbs = 0;
  };
  const Statistics& Stats() const;

  std::vector<double> m_values;
  mutable Statistics m_stats;
  mutable bool m_statsValid = true;
};

}  // namespace orvanta::chart
