#include "controls/list_view.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "ui/application.h"

namespace orvanta::controls {

namespace {

constexpr int kFaceInset = 2;
constexpr int kTextMargin = 4;
constexpr int kArrowGap = 5;
constexpr int kImageGap = 4;
constexpr int kMinimumFillWidth = 5;

std::string_view CellText(const ui::ListItem& item, int column) {
  return column == 0 ? item.Caption() : item.SubItem(column - 1);
}

}  // namespace

HeaderItemParts LayoutHeaderItem(const gfx::Rect& item, THeaderSortDisplayMode mode, bool sorted,
                                 int captionWidth, gfx::Size image) {
  const gfx::Rect face = item.Inflate(-kFaceInset, -kFaceInset);
  HeaderItemParts parts;
  parts.Text = {face.Left + kTextMargin, face.Top, face.Right - kTextMargin, face.Bottom};
  gfx::Rect& text = parts.Text;
  const int arrowTop = face.Top + (face.Height() - kSortArrowHeight) / 2;
  const bool arrow = sorted && mode != hsdmNone;
  if (arrow && mode == hsdmRightAlign) {
    parts.Arrow = gfx::Rect::FromSize(text.Right - kSortArrowWidth, arrowTop, kSortArrowWidth,
                                      kSortArrowHeight);
    text.Right = parts.Arrow.Left - kArrowGap;
  } else if (arrow && mode == hsdmLeftAlign) {
    parts.Arrow = gfx::Rect::FromSize(text.Left, arrowTop, kSortArrowWidth, kSortArrowHeight);
    text.Left = parts.Arrow.Right + kArrowGap;
  }
  if (image.Width > 0 && image.Height > 0) {
    parts.Image = gfx::Rect::FromSize(text.Left, text.Top, image.Width, image.Height);
    text.Left += image.Width + kImageGap;
  }
  if (arrow && mode == hsdmRightOfText) {
    const int left = std::min(text.Left + captionWidth + kArrowGap, text.Right - kSortArrowWidth);
    parts.Arrow = gfx::Rect::FromSize(left, arrowTop, kSortArrowWidth, kSortArrowHeight);
    text.Right = std::max(text.Left, left - kArrowGap);
  }
  return parts;
}

void TUiListView::MouseDown(const ui::MouseEvent& e) {
  ui::ListView::MouseDown(e);
  ui::Application* app = App();
  if (e.Button != ui::MouseButton::Left || app == nullptr) {
    return;
  }
  // A press inside the rows selects the row under it, or nothing.
  const int row = Selected();
  const bool onRow = row >= 0 && Layout().ViewRect.Contains(e.Position);
  const std::int64_t now = app->Host().NowMs();
  const bool second = onRow && row == m_pressRow && now - m_pressMs <= kDoubleClickMs &&
                      std::abs(e.Position.X - m_pressAt.X) <= kDoubleClickSlop &&
                      std::abs(e.Position.Y - m_pressAt.Y) <= kDoubleClickSlop;
  m_pressRow = onRow && !second ? row : -1;
  m_pressMs = now;
  m_pressAt = e.Position;
  if (second && OnRowDoubleClick) {
    OnRowDoubleClick(row);
  }
}

void TUiListView::SetHeaderSortDisplayMode(THeaderSortDisplayMode mode) {
  m_sortDisplay = mode;
  Invalidate();
}

void TUiListView::SetHeaderDefaultDrawing(bool on) {
  m_headerDefaultDrawing = on;
  Invalidate();
}

void TUiListView::SetFillLastColumn(bool on) {
  m_fillLastColumn = on;
  FillLastColumn();
}

void TUiListView::SetSortColumn(int column, SortDirection direction) {
  m_sortColumn = column >= 0 && column < Model().ColumnCount() ? column : -1;
  m_direction = direction;
  Invalidate();
}

void TUiListView::SetSmallImages(const ui::ImageList* images) {
  m_smallImages = images;
  Invalidate();
}

void TUiListView::Resized() {
  ListView::Resized();
  FillLastColumn();
}

void TUiListView::FillLastColumn() {
  const int count = Model().ColumnCount();
  if (!m_fillLastColumn || count == 0) {
    return;
  }
  int others = 0;
  for (int c = 0; c + 1 < count; ++c) {
    others += Model().ColumnWidth(c);
  }
  const int rest = Layout().ViewRect.Width() - others;
  if (rest > 0 && Model().ColumnWidth(count - 1) != std::max(rest, kMinimumFillWidth)) {
    Model().SetColumnWidth(count - 1, std::max(rest, kMinimumFillWidth));
  }
}

void TUiListView::ColumnClicked(int column) {
  if (!m_alphaSortAll) {
    return;
  }
  // The same column again turns the order round.
  const SortDirection direction = column == m_sortColumn && m_direction == SortDirection::Ascending
                                      ? SortDirection::Descending
                                      : SortDirection::Ascending;
  Model().SortItems([column, direction](const ui::ListItem& a, const ui::ListItem& b) {
    const std::string_view x = CellText(a, column);
    const std::string_view y = CellText(b, column);
    return direction == SortDirection::Ascending ? x < y : y < x;
  });
  SetSortColumn(column, direction);
}

void TUiListView::DrawHeaderItem(gfx::Canvas& canvas, int column, const gfx::Rect& item) {
  if (m_sortDisplay == hsdmNone) {
    ListView::DrawHeaderItem(canvas, column, item);
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  PrepareHeaderItem(canvas, item);
  if (!m_headerDefaultDrawing) {
    return;
  }
  const ui::ListColumn& c = Model().Column(column);
  gfx::Size image;
  if (m_smallImages != nullptr && c.ImageIndex >= 0 && c.ImageIndex < m_smallImages->Count()) {
    image = {m_smallImages->Width(), m_smallImages->Height()};
  }
  gfx::Rect measure{0, 0, 0, 0};
  if (!c.Caption.empty()) {
    canvas.DrawText(c.Caption, measure, gfx::kDtSingleLine | gfx::kDtNoPrefix | gfx::kDtCalcRect);
  }
  const HeaderItemParts parts =
      LayoutHeaderItem(item, m_sortDisplay, column == m_sortColumn, measure.Width(), image);
  if (!parts.Image.IsEmpty()) {
    m_smallImages->Draw(canvas, parts.Image.Left, parts.Image.Top, c.ImageIndex);
  }
  DrawHeaderCaption(canvas, column, parts.Text);
  if (!parts.Arrow.IsEmpty()) {
    DrawSortArrow(canvas, parts.Arrow);
  }
}

void TUiListView::DrawSortArrow(gfx::Canvas& canvas, const gfx::Rect& r) const {
  // An outlined triangle: the point up for an ascending order, down for a descending one.
  const int apex = r.Left + kSortArrowWidth / 2;
  const bool up = m_direction == SortDirection::Ascending;
  const int tip = up ? r.Top : r.Bottom - 1;
  const int base = up ? r.Bottom - 1 : r.Top;
  const gfx::Point outline[] = {{r.Left, base}, {r.Right - 1, base}, {apex, tip}, {r.Left, base}};
  canvas.SetPen({gfx::clBtnShadow, 1, gfx::PenStyle::Solid});
  canvas.Polyline(outline);
  canvas.SetPixel(r.Left, base, gfx::clBtnShadow);  // the path leaves its last point out
}

}  // namespace orvanta::controls
