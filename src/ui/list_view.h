#pragma once

#include <functional>

#include "ui/control.h"
#include "ui/frame3d.h"
#include "ui/image_list.h"
#include "ui/list_view_layout.h"
#include "ui/list_view_model.h"
#include "ui/scroll_bar.h"

namespace orvanta::ui {

// A report-style list: a column header, one row per item with an optional state image in
// column 0 and the sub-items in the other columns, grid lines, whole-row single selection, and
// pixel scrolling (the wheel moves by the host's wheel lines x 16 pixels). Only the rows in
// view are painted, so the row count does not slow painting down.
class ListView : public Control {
 public:
  static constexpr int kWheelPixelsPerLine = 16;
  static constexpr int kTextMargin = 6;  // between a sub-item's edges and its text, pixels

  ListView();
  ~ListView() override;

  ListViewModel& Model() { return m_model; }
  const ListViewModel& Model() const { return m_model; }
  void SetStateImages(const ImageList* images);  // not owned
  void SetGridLines(bool on);
  void SetHideSelection(bool on);
  void SetShowColumnHeaders(bool on);
  void SetBorder(ControlBorder border);

  int Selected() const { return m_selected; }
  void SetSelected(int row);  // -1 for none; out-of-range rows select nothing
  std::function<void()> OnSelectItem;

  int ScrollY() const { return m_scrollY; }
  void ScrollTo(int x, int y);  // clamped to the content
  void ScrollBy(int dx, int dy) { ScrollTo(m_scrollX + dx, m_scrollY + dy); }
  void MakeVisible(int row);

  const ListViewLayout& Layout();  // brought up to date first
  ListViewMetrics Metrics() const;
  // The rows drawn by the last paint, [first, last]; last < first when none.
  int LastPaintedFirst() const { return m_paintedFirst; }
  int LastPaintedLast() const { return m_paintedLast; }

  // Draws one header item inside item (client pixels): the face, then the caption at the top
  // of the text rectangle. The raised button edge goes around it afterwards.
  virtual void DrawHeaderItem(gfx::Canvas& canvas, int column, const gfx::Rect& item);
  // The header item under a client point, -1 for none.
  int HeaderItemAt(gfx::Point p);

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const MouseEvent& e) override;
  void MouseMove(const MouseEvent& e) override;
  void MouseUp(const MouseEvent& e) override;
  void CaptureLost() override;
  void MouseWheel(WheelEvent& e) override;
  void KeyDown(KeyEvent& e) override;
  CursorKind CursorAt(gfx::Point p) const override;
  void FocusChanged(bool) override { InvalidateRow(m_selected); }
  void Resized() override { UpdateLayout(); }
  void FontChanged() override { Relayout(); }
  void FormChanged() override { Relayout(); }
  void PrepareToPaint() override;
  // A left click on a header item (not on a divider); sorts nothing by itself.
  virtual void ColumnClicked(int /*column*/) {}
  // The column's caption on one line at the top of text, cut with an ellipsis, aligned as the
  // column is, on a canvas prepared with the header font.
  void DrawHeaderCaption(gfx::Canvas& canvas, int column, gfx::Rect text);
  // Clips to a header item, fills it with the button face and sets the caption's font and
  // background; the caller saves the canvas state around it.
  void PrepareHeaderItem(gfx::Canvas& canvas, const gfx::Rect& item) const;

 private:
  void ModelChanged();
  void Relayout();
  void EnsureLayout();
  void UpdateLayout();
  void InvalidateRow(int row);
  void PaintHeader(gfx::Canvas& canvas);
  void PaintRows(gfx::Canvas& canvas);
  // How a row shows the selection: not at all, in the highlight colours while the list has the
  // focus, in the button face while it has not.
  enum class RowHighlight { None, Focused, Unfocused };
  void PaintRow(gfx::Canvas& canvas, int row, RowHighlight highlight);

  ListViewModel m_model;
  ScrollBar* m_vbar;  // children, owned by the tree
  ScrollBar* m_hbar;
  const ImageList* m_stateImages = nullptr;
  bool m_gridLines = false;
  bool m_hideSelection = true;
  bool m_showHeaders = true;
  ControlBorder m_border = ControlBorder::Sunken;
  ListViewLayout m_layout;
  bool m_layoutDirty = true;
  int m_lineHeight = 13;
  int m_selected = -1;
  int m_scrollX = 0;
  int m_scrollY = 0;
  int m_sizingColumn = -1;  // a header divider being dragged
  std::uint64_t m_seenClearings = 0;
  int m_sizingStartX = 0;
  int m_sizingStartWidth = 0;
  int m_paintedFirst = 0;
  int m_paintedLast = -1;
};

}  // namespace orvanta::ui
