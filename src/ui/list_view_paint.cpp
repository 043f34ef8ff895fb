#include <algorithm>

#include "ui/access_key.h"
#include "ui/frame3d.h"
#include "ui/list_view.h"
#include "ui/rect_ops.h"

namespace orvanta::ui {

namespace {

constexpr std::size_t kMaxCaptionChars = 255;
constexpr int kHeaderInset = 2;       // the face inside the header item's edge
constexpr int kHeaderTextMargin = 4;  // left and right of the caption
constexpr int kStateImageLeft = 1;    // from the left of column 0
constexpr int kFirstColumnTextGap = 2;

unsigned AlignmentFlag(ColumnAlignment alignment) {
  switch (alignment) {
    case ColumnAlignment::Left:
      return gfx::kDtLeft;
    case ColumnAlignment::Right:
      return gfx::kDtRight;
    case ColumnAlignment::Center:
      return gfx::kDtCenter;
  }
  return gfx::kDtLeft;
}

// The first 255 characters (code points) of a caption.
std::string_view Truncated(std::string_view text) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < kMaxCaptionChars && pos < text.size(); ++n) {
    DecodeUtf8(text, pos);
  }
  return text.substr(0, pos);
}

}  // namespace

void ListView::Paint(gfx::Canvas& canvas) {
  EnsureLayout();
  gfx::Rect r = ClientRect();
  DrawControlBorder(canvas, r, m_border);
  if (m_layout.VerticalBar && m_layout.HorizontalBar) {
    const gfx::Rect& inner = m_layout.Inner;
    canvas.FillRect({inner.Right - ScrollBar::kSize, inner.Bottom - ScrollBar::kSize, inner.Right,
                     inner.Bottom},
                    gfx::clBtnFace);
  }
  if (m_showHeaders) {
    PaintHeader(canvas);
  }
  PaintRows(canvas);
}

void ListView::PrepareHeaderItem(gfx::Canvas& canvas, const gfx::Rect& item) const {
  canvas.IntersectClipRect(item);
  gfx::Font font = Font();
  font.TextColor = gfx::clBtnText;
  canvas.SetFont(font);
  canvas.SetBkColor(gfx::clBtnFace);
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  canvas.FillRect(item, gfx::clBtnFace);
}

void ListView::DrawHeaderItem(gfx::Canvas& canvas, int column, const gfx::Rect& item) {
  gfx::CanvasStateSaver saver(canvas);
  PrepareHeaderItem(canvas, item);
  const gfx::Rect face = item.Inflate(-kHeaderInset, -kHeaderInset);
  DrawHeaderCaption(
      canvas, column,
      {face.Left + kHeaderTextMargin, face.Top, face.Right - kHeaderTextMargin, face.Bottom});
}

void ListView::DrawHeaderCaption(gfx::Canvas& canvas, int column, gfx::Rect text) {
  const ListColumn& c = m_model.Column(column);
  canvas.DrawText(Truncated(c.Caption), text,
                  gfx::kDtSingleLine | gfx::kDtTop | gfx::kDtEndEllipsis | gfx::kDtNoPrefix |
                      AlignmentFlag(c.Alignment));
}

void ListView::PaintHeader(gfx::Canvas& canvas) {
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(m_layout.HeaderRect);
  int right = m_layout.HeaderRect.Left - m_scrollX;
  for (int c = 0; c < m_model.ColumnCount(); ++c) {
    const gfx::Rect item = m_layout.HeaderItemRect(c, m_scrollX);
    right = item.Right;
    if (item.IsEmpty() || !Intersects(item, canvas.ClipBox())) {
      continue;
    }
    DrawHeaderItem(canvas, c, item);
    gfx::Rect edge = item;
    DrawEdge(canvas, edge, EdgeStyle::Button);
  }
  // The empty part of the strip right of the last column looks like one more button.
  gfx::Rect filler{right, m_layout.HeaderRect.Top, m_layout.HeaderRect.Right,
                   m_layout.HeaderRect.Bottom};
  if (!filler.IsEmpty()) {
    canvas.FillRect(filler, gfx::clBtnFace);
    filler.Right += kHeaderInset;  // its right edge stays out of sight
    DrawEdge(canvas, filler, EdgeStyle::Button);
  }
}

void ListView::PaintRows(gfx::Canvas& canvas) {
  gfx::CanvasStateSaver saver(canvas);
  const gfx::Rect& view = m_layout.ViewRect;
  canvas.IntersectClipRect(view);
  const gfx::Rect clip = canvas.ClipBox();
  m_paintedFirst = 0;
  m_paintedLast = -1;
  if (clip.IsEmpty()) {
    return;
  }
  canvas.FillRect(clip, Color());
  const int rowHeight = m_layout.RowHeight;
  // Only rows inside the clip: the first and last from the clip's own edges.
  const int first =
      std::max(m_layout.FirstVisibleRow(m_scrollY), (clip.Top - view.Top + m_scrollY) / rowHeight);
  const int last = std::min(m_layout.LastVisibleRow(m_scrollY, m_model.ItemCount()),
                            (clip.Bottom - 1 - view.Top + m_scrollY) / rowHeight);
  const bool focused = Focused();
  const RowHighlight selection = focused           ? RowHighlight::Focused
                                 : m_hideSelection ? RowHighlight::None
                                                   : RowHighlight::Unfocused;
  for (int row = first; row <= last; ++row) {
    PaintRow(canvas, row, row == m_selected ? selection : RowHighlight::None);
  }
  m_paintedFirst = first;
  m_paintedLast = last;
  if (m_gridLines) {
    // Grid lines run through the whole view, below the last row too.
    const gfx::Color grid = gfx::clBtnFace;
    for (int c = 0; c < m_model.ColumnCount(); ++c) {
      const auto i = static_cast<std::size_t>(c);
      if (m_layout.ColumnWidth[i] == 0) {
        continue;
      }
      const int x = view.Left - m_scrollX + m_layout.ColumnLeft[i] + m_layout.ColumnWidth[i] - 1;
      canvas.FillRect({x, clip.Top, x + 1, clip.Bottom}, grid);
    }
    const int lineRight = std::min(view.Right, view.Left - m_scrollX + m_layout.ContentWidth);
    const int firstSlot = (clip.Top - view.Top + m_scrollY) / rowHeight;
    const int lastSlot = (clip.Bottom - 1 - view.Top + m_scrollY) / rowHeight;
    for (int slot = firstSlot; slot <= lastSlot; ++slot) {
      const int y = view.Top + (slot + 1) * rowHeight - 1 - m_scrollY;
      canvas.FillRect({view.Left, y, lineRight, y + 1}, grid);
    }
  }
}

void ListView::PaintRow(gfx::Canvas& canvas, int row, RowHighlight highlight) {
  const ListItem& item = m_model.Item(row);
  gfx::Rect rowRect = m_layout.RowRect(row, m_scrollX, m_scrollY);
  if (m_gridLines) {
    rowRect.Bottom -= 1;
  }
  gfx::Color textColor = Font().TextColor;
  if (highlight != RowHighlight::None) {
    const bool focused = highlight == RowHighlight::Focused;
    canvas.FillRect(rowRect, focused ? gfx::clHighlight : gfx::clBtnFace);
    textColor = focused ? gfx::clHighlightText : gfx::clBtnText;
  }
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  canvas.SetBkColor(Color());
  canvas.SetTextColor(textColor);
  constexpr unsigned kCellFlags =
      gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtEndEllipsis | gfx::kDtNoPrefix;
  for (int c = 0; c < m_model.ColumnCount(); ++c) {
    const auto i = static_cast<std::size_t>(c);
    if (m_layout.ColumnWidth[i] == 0) {
      continue;
    }
    gfx::Rect cell = m_layout.CellRect(row, c, m_scrollX, m_scrollY);
    cell.Bottom = rowRect.Bottom;
    if (m_gridLines) {
      cell.Right -= 1;
    }
    gfx::CanvasStateSaver saver(canvas);
    canvas.IntersectClipRect(cell);
    gfx::Rect text = cell;
    if (c == 0) {
      text.Left += kFirstColumnTextGap;
      if (m_stateImages != nullptr && item.StateIndex >= 0) {
        const int y = cell.Top + (cell.Height() - m_stateImages->Height()) / 2;
        m_stateImages->Draw(canvas, cell.Left + kStateImageLeft, y, item.StateIndex);
        text.Left = cell.Left + kStateImageLeft + m_stateImages->Width() + kFirstColumnTextGap;
      }
      text.Right -= kFirstColumnTextGap;
    } else {
      text = text.Inflate(-kTextMargin, 0);
    }
    const std::string_view value = c == 0 ? item.Caption() : item.SubItem(c - 1);
    if (!value.empty() && !text.IsEmpty()) {
      canvas.DrawText(value, text, kCellFlags | AlignmentFlag(m_model.Column(c).Alignment));
    }
  }
}

}  // namespace orvanta::ui
