#pragma once

#include <cstdint>
#include <functional>

#include "gfx/geometry.h"
#include "ui/image_list.h"
#include "ui/list_view.h"

namespace orvanta::controls {

// Where a header item shows the sort arrow; any mode but hsdmNone draws the header items
// here instead of the framework's way.
enum THeaderSortDisplayMode : std::uint8_t {
  hsdmNone,
  hsdmLeftAlign,
  hsdmRightOfText,
  hsdmRightAlign,
};

enum class SortDirection { Ascending, Descending };

// The parts of one header item, client pixels; empty rectangles for what it does not show.
struct HeaderItemParts {
  gfx::Rect Text;
  gfx::Rect Image;
  gfx::Rect Arrow;
};

inline constexpr int kSortArrowWidth = 7;
inline constexpr int kSortArrowHeight = 4;

// Lays out a header item: the face 2 pixels inside the item, the text 4 more in from its left
// and right; the arrow of a sorted column at the right end (5 pixels after the text), after the
// caption or before it; the column's image at the text's top-left, pushing the text right by
// its width + 4.
HeaderItemParts LayoutHeaderItem(const gfx::Rect& item, THeaderSortDisplayMode mode, bool sorted,
                                 int captionWidth, gfx::Size image);

// The report list with a header it draws itself: a sort arrow on the sort column, column
// images from the small images, captions at the top of the item. With FillLastColumn the last
// column takes the width the others leave; with AlphaSortAll a header click sorts the rows by
// that column's text.
class TUiListView : public ui::ListView {
 public:
  TUiListView() = default;

  void SetHeaderSortDisplayMode(THeaderSortDisplayMode mode);
  void SetHeaderDefaultDrawing(bool on);  // off: only the items' background
  void SetFillLastColumn(bool on);
  void SetAlphaSortAll(bool on) { m_alphaSortAll = on; }
  // The column marked sorted, -1 for none.
  int SortColumn() const { return m_sortColumn; }
  SortDirection Direction() const { return m_direction; }
  void SetSortColumn(int column, SortDirection direction);
  void SetSmallImages(const ui::ImageList* images);  // not owned; here for the header

  void DrawHeaderItem(gfx::Canvas& canvas, int column, const gfx::Rect& item) override;

  // Milliseconds and pixels within which a second press on the same row is a double click.
  static constexpr std::int64_t kDoubleClickMs = 500;
  static constexpr int kDoubleClickSlop = 4;
  // A double click with the left button on a row, with its index.
  std::function<void(int row)> OnRowDoubleClick;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  void Resized() override;
  void ColumnClicked(int column) override;

 private:
  void FillLastColumn();
  void DrawSortArrow(gfx::Canvas& canvas, const gfx::Rect& arrow) const;

  THeaderSortDisplayMode m_sortDisplay = hsdmRightOfText;
  bool m_headerDefaultDrawing = true;
  bool m_fillLastColumn = true;
  bool m_alphaSortAll = false;
  int m_sortColumn = -1;
  SortDirection m_direction = SortDirection::Ascending;
  const ui::ImageList* m_smallImages = nullptr;
  // The last left press on a row: when (the host's milliseconds), where and which row.
  std::int64_t m_pressMs = 0;
  gfx::Point m_pressAt;
  int m_pressRow = -1;
};

}  // namespace orvanta::controls
