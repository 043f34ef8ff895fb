#pragma once

#include <vector>

#include "gfx/geometry.h"
#include "ui/frame3d.h"
#include "ui/list_view_model.h"

namespace orvanta::ui {

// What the geometry of a report list depends on besides its size and columns.
struct ListViewMetrics {
  int LineHeight = 13;  // one line of the list font, pixels
  int ImageHeight = 0;  // tallest row image (state or small), 0 without images
  bool GridLines = false;
  bool ShowHeader = true;
  ControlBorder Border = ControlBorder::Sunken;
  int ScrollBarSize = 16;
};

// The geometry of a report list, all in the list's client pixels. Content coordinates start
// at the top-left of the first row, before scrolling.
struct ListViewLayout {
  gfx::Rect Inner;       // inside the border
  gfx::Rect HeaderRect;  // the column header strip
  gfx::Rect ViewRect;    // where rows show
  int HeaderHeight = 0;
  int RowHeight = 1;
  std::vector<int> ColumnLeft;   // content x of each column
  std::vector<int> ColumnWidth;  // shown width of each column, 0 when hidden
  int ContentWidth = 0;
  int ContentHeight = 0;
  bool VerticalBar = false;
  bool HorizontalBar = false;

  int MaxScrollX() const;
  int MaxScrollY() const;
  int RowsPerPage() const;  // rows that fit whole, at least 1
  // Rows that intersect the view at a vertical scroll offset: [first, last], empty when
  // last < first.
  int FirstVisibleRow(int scrollY) const;
  int LastVisibleRow(int scrollY, int rowCount) const;
  gfx::Rect RowRect(int row, int scrollX, int scrollY) const;  // across all columns
  gfx::Rect CellRect(int row, int column, int scrollX, int scrollY) const;
  gfx::Rect HeaderItemRect(int column, int scrollX) const;
  int RowAt(gfx::Point p, int scrollX, int scrollY, int rowCount) const;  // -1 outside rows
  // The column whose right edge (a header divider) lies within reach of x, or -1. Hidden
  // columns are never picked.
  int DividerAt(gfx::Point p, int scrollX) const;
};

ListViewLayout ComputeListViewLayout(gfx::Size client, const ListViewModel& model,
                                     const ListViewMetrics& metrics);

}  // namespace orvanta::ui
