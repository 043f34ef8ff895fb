#include "support/recording_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "ui/access_key.h"

namespace orvanta::test {

std::vector<DrawLog::Op> DrawLog::OfKind(OpKind kind) const {
  std::vector<Op> out;
  for (const Op& op : Ops) {
    if (op.Kind == kind) {
      out.push_back(op);
    }
  }
  return out;
}

const DrawLog::Op* DrawLog::FindText(std::string_view chars) const {
  for (const Op& op : Ops) {
    if (op.Kind == OpKind::Text && op.Text == chars) {
      return &op;
    }
  }
  return nullptr;
}

RecordingCanvas::RecordingCanvas(gfx::Bitmap& bitmap, const gfx::SystemPalette& palette,
                                 std::shared_ptr<DrawLog> log)
    : gfx::Canvas(palette), m_bitmap(&bitmap), m_log(std::move(log)) {
  if (!m_log) {
    m_log = std::make_shared<DrawLog>();
  }
  m_state.Clip = {0, 0, bitmap.Width(), bitmap.Height()};
}

namespace {

const gfx::SystemPalette& ClassicPalette() {
  static const gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  return palette;
}

}  // namespace

RecordingCanvas::RecordingCanvas(gfx::Size size)
    : gfx::Canvas(ClassicPalette()),
      m_ownBitmap(std::make_unique<gfx::Bitmap>(size.Width, size.Height)),
      m_bitmap(m_ownBitmap.get()),
      m_log(std::make_shared<DrawLog>()),
      m_fixedCell(TextCell{kCharWidth, kLineHeight, 11}) {
  m_state.Clip = {0, 0, size.Width, size.Height};
}

int RecordingCanvas::Chars(std::string_view text) {
  int n = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    ui::DecodeUtf8(text, pos);
    ++n;
  }
  return n;
}

TextCell RecordingCanvas::Cell() const {
  if (m_fixedCell) {
    return *m_fixedCell;
  }
  const int h = m_state.CurrentFont.Height;
  return {CharWidth(h), LineHeight(h), h};
}

DrawLog::Op& RecordingCanvas::Record(DrawLog::OpKind kind, const gfx::Rect& deviceArea) {
  DrawLog::Op op;
  op.Kind = kind;
  op.Area = deviceArea;
  op.OpPen = m_state.CurrentPen;
  op.OpBrush = m_state.CurrentBrush;
  op.OpFont = m_state.CurrentFont;
  op.Clip = m_state.Clip;
  m_log->Ops.push_back(op);
  return m_log->Ops.back();
}

void RecordingCanvas::Restore() {
  if (!m_stack.empty()) {
    m_state = m_stack.back();
    m_stack.pop_back();
  }
}

void RecordingCanvas::IntersectClipRect(const gfx::Rect& r) {
  m_state.Clip = m_state.Clip.Intersect(ToDevice(r));
}

void RecordingCanvas::IntersectClipRegion(const gfx::Region& region) {
  IntersectClipRect(region.Bounds());
}

gfx::Rect RecordingCanvas::ClipBox() const {
  return m_state.Clip.Offset(-m_state.Origin.X, -m_state.Origin.Y);
}

bool RecordingCanvas::PtVisible(gfx::Point p) const {
  return m_state.Clip.Contains({p.X + m_state.Origin.X, p.Y + m_state.Origin.Y});
}

void RecordingCanvas::SetFont(const gfx::Font& font) {
  m_state.CurrentFont = font;
  m_state.TextColor = font.TextColor;
}

void RecordingCanvas::Plot(int x, int y, gfx::Color c) {
  if (m_state.Clip.Contains({x, y}) && m_bitmap->Contains(x, y)) {
    m_bitmap->At(x, y) = Palette().ToPixel(c);
  }
}

void RecordingCanvas::Fill(const gfx::Rect& r, gfx::Color c) {
  if (c == gfx::clNone) {
    return;
  }
  const gfx::Rect d = ToDevice(r).Intersect(m_state.Clip);
  for (int y = d.Top; y < d.Bottom; ++y) {
    for (int x = d.Left; x < d.Right; ++x) {
      Plot(x, y, c);
    }
  }
}

void RecordingCanvas::FillRect(const gfx::Rect& r, gfx::Color c) {
  Record(DrawLog::OpKind::FillRect, ToDevice(r)).Color = c;
  Fill(r, c);
}

void RecordingCanvas::Rectangle(const gfx::Rect& r) {
  Record(DrawLog::OpKind::Rectangle, ToDevice(r));
  if (m_state.CurrentBrush.Style == gfx::BrushStyle::Solid) {
    Fill(r, m_state.CurrentBrush.BrushColor);
  }
  if (m_state.CurrentPen.Style != gfx::PenStyle::Clear) {
    const gfx::Point saved = m_state.Pos;
    m_state.Pos = {r.Left, r.Top};
    Trace(r.Right - 1, r.Top);
    Trace(r.Right - 1, r.Bottom - 1);
    Trace(r.Left, r.Bottom - 1);
    Trace(r.Left, r.Top);
    m_state.Pos = saved;
  }
}

void RecordingCanvas::Trace(int x, int y) {
  int x0 = m_state.Pos.X;
  int y0 = m_state.Pos.Y;
  const int dx = std::abs(x - x0);
  const int dy = -std::abs(y - y0);
  const int sx = x0 < x ? 1 : -1;
  const int sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  while (x0 != x || y0 != y) {
    Plot(x0 + m_state.Origin.X, y0 + m_state.Origin.Y, m_state.CurrentPen.PenColor);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
  m_state.Pos = {x, y};
}

void RecordingCanvas::LineTo(int x, int y) {
  Record(DrawLog::OpKind::Line, ToDevice({m_state.Pos.X, m_state.Pos.Y, x, y}));
  Trace(x, y);
}

void RecordingCanvas::Polyline(std::span<const gfx::Point> points) {
  if (points.empty()) {
    return;
  }
  MoveTo(points[0].X, points[0].Y);
  for (std::size_t i = 1; i < points.size(); ++i) {
    LineTo(points[i].X, points[i].Y);
  }
}

void RecordingCanvas::Polygon(std::span<const gfx::Point> points) {
  Polyline(points);
  if (!points.empty()) {
    LineTo(points[0].X, points[0].Y);
  }
}

void RecordingCanvas::SetPixel(int x, int y, gfx::Color c) {
  Plot(x + m_state.Origin.X, y + m_state.Origin.Y, c);
}

gfx::Color RecordingCanvas::GetPixel(int x, int y) const {
  const int dx = x + m_state.Origin.X;
  const int dy = y + m_state.Origin.Y;
  return m_bitmap->Contains(dx, dy) ? gfx::RgbColorFromPixel(m_bitmap->At(dx, dy)) : gfx::clNone;
}

void RecordingCanvas::InvertRect(const gfx::Rect& r) {
  Record(DrawLog::OpKind::Invert, ToDevice(r));
}

gfx::TextMetrics RecordingCanvas::GetTextMetrics() {
  const TextCell cell = Cell();
  gfx::TextMetrics m;
  m.Height = cell.LineHeight;
  m.Ascent = cell.Ascent;
  m.Descent = cell.LineHeight - cell.Ascent;
  m.AveCharWidth = cell.CharWidth;
  m.MaxCharWidth = cell.CharWidth;
  return m;
}

gfx::Size RecordingCanvas::TextExtent(std::string_view text) {
  return {Width(text), Cell().LineHeight};
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  DrawLog::Op& op = Record(DrawLog::OpKind::Text, ToDevice({x, y, x + Width(text), y + 1}));
  op.Text = std::string(text);
  op.Color = m_state.TextColor;
}

int RecordingCanvas::DrawText(std::string_view text, gfx::Rect& rect, unsigned flags) {
  const std::string shown =
      (flags & gfx::kDtNoPrefix) != 0 ? std::string(text) : ui::StripAccessMarkers(text);
  const int lineHeight = Cell().LineHeight;
  // Lines: hard breaks, then (with word wrap) breaks at spaces to fit the width.
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= shown.size()) {
    std::size_t end = shown.find('\n', start);
    std::string line =
        shown.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if ((flags & gfx::kDtWordBreak) != 0 && (flags & gfx::kDtSingleLine) == 0) {
      while (Width(line) > rect.Width()) {
        std::size_t cut = line.rfind(' ');
        while (cut != std::string::npos && cut > 0 && Width(line.substr(0, cut)) > rect.Width()) {
          cut = line.rfind(' ', cut - 1);
        }
        if (cut == std::string::npos || cut == 0) {
          break;
        }
        lines.push_back(line.substr(0, cut));
        line = line.substr(cut + 1);
      }
    }
    lines.push_back(line);
    if (end == std::string::npos || (flags & gfx::kDtSingleLine) != 0) {
      break;
    }
    start = end + 1;
  }
  int width = 0;
  for (const std::string& line : lines) {
    width = std::max(width, Width(line));
  }
  const int height = lineHeight * static_cast<int>(lines.size());
  if ((flags & gfx::kDtCalcRect) != 0) {
    rect.Right = rect.Left + width;
    rect.Bottom = rect.Top + height;
    return height;
  }
  DrawLog::Op& op = Record(DrawLog::OpKind::Text, ToDevice(rect));
  op.Text = shown;
  op.Flags = flags;
  op.Color = m_state.TextColor;
  return height;
}

void RecordingCanvas::DrawBitmap(int x, int y, const gfx::Bitmap& source,
                                 const gfx::Rect& sourceRect) {
  for (int sy = sourceRect.Top; sy < sourceRect.Bottom; ++sy) {
    for (int sx = sourceRect.Left; sx < sourceRect.Right; ++sx) {
      if (source.Contains(sx, sy)) {
        Plot(x + sx - sourceRect.Left + m_state.Origin.X,
             y + sy - sourceRect.Top + m_state.Origin.Y, gfx::RgbColorFromPixel(source.At(sx, sy)));
      }
    }
  }
}

void RecordingCanvas::DrawImage(int x, int y, const gfx::Image& image, gfx::ImageDrawStyle style) {
  Record(DrawLog::OpKind::Image, ToDevice(gfx::Rect::FromSize(x, y, image.Width, image.Height)))
      .Style = style;
}

}  // namespace orvanta::test
