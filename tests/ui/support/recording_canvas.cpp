#include "ui/support/recording_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "ui/access_key.h"

namespace orvanta::ui::testing {

const DrawLog::Text* DrawLog::FindText(std::string_view chars) const {
  for (const Text& t : Texts) {
    if (t.Chars == chars) {
      return &t;
    }
  }
  return nullptr;
}

RecordingCanvas::RecordingCanvas(gfx::Bitmap& bitmap, const gfx::SystemPalette& palette,
                                 std::shared_ptr<DrawLog> log)
    : gfx::Canvas(palette), m_bitmap(bitmap), m_log(std::move(log)) {
  m_state.Clip = {0, 0, bitmap.Width(), bitmap.Height()};
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
  if (m_state.Clip.Contains({x, y}) && m_bitmap.Contains(x, y)) {
    m_bitmap.At(x, y) = Palette().ToPixel(c);
  }
}

void RecordingCanvas::FillRect(const gfx::Rect& r, gfx::Color c) {
  const gfx::Rect d = ToDevice(r).Intersect(m_state.Clip);
  if (m_log) {
    m_log->Fills.push_back({ToDevice(r), c});
  }
  if (c == gfx::clNone) {
    return;
  }
  for (int y = d.Top; y < d.Bottom; ++y) {
    for (int x = d.Left; x < d.Right; ++x) {
      Plot(x, y, c);
    }
  }
}

void RecordingCanvas::Rectangle(const gfx::Rect& r) {
  if (m_state.CurrentBrush.Style == gfx::BrushStyle::Solid) {
    FillRect(r, m_state.CurrentBrush.BrushColor);
  }
  if (m_state.CurrentPen.Style != gfx::PenStyle::Clear) {
    const gfx::Point corners[] = {{r.Left, r.Top},
                                  {r.Right - 1, r.Top},
                                  {r.Right - 1, r.Bottom - 1},
                                  {r.Left, r.Bottom - 1},
                                  {r.Left, r.Top}};
    Polyline(corners);
  }
}

void RecordingCanvas::LineTo(int x, int y) {
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
  return m_bitmap.Contains(dx, dy) ? gfx::RgbColorFromPixel(m_bitmap.At(dx, dy)) : gfx::clNone;
}

gfx::TextMetrics RecordingCanvas::GetTextMetrics() {
  const int h = m_state.CurrentFont.Height;
  gfx::TextMetrics m;
  m.Height = LineHeight(h);
  m.Ascent = h;
  m.Descent = 2;
  m.AveCharWidth = CharWidth(h);
  m.MaxCharWidth = CharWidth(h);
  return m;
}

int RecordingCanvas::Width(std::string_view line) const {
  int count = 0;
  for (std::size_t pos = 0; pos < line.size();) {
    DecodeUtf8(line, pos);
    ++count;
  }
  return count * CharWidth(m_state.CurrentFont.Height);
}

gfx::Size RecordingCanvas::TextExtent(std::string_view text) {
  return {Width(text), LineHeight(m_state.CurrentFont.Height)};
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  if (m_log) {
    m_log->Texts.push_back({std::string(text), ToDevice({x, y, x + Width(text), y + 1}), 0,
                            m_state.TextColor, m_state.Clip});
  }
}

int RecordingCanvas::DrawText(std::string_view text, gfx::Rect& rect, unsigned flags) {
  const std::string shown =
      (flags & gfx::kDtNoPrefix) != 0 ? std::string(text) : StripAccessMarkers(text);
  const int lineHeight = LineHeight(m_state.CurrentFont.Height);
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
  if (m_log) {
    m_log->Texts.push_back({shown, ToDevice(rect), flags, m_state.TextColor, m_state.Clip});
  }
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
  if (m_log) {
    m_log->Pictures.push_back(
        {{x + m_state.Origin.X, y + m_state.Origin.Y}, {image.Width, image.Height}, style});
  }
}

}  // namespace orvanta::ui::testing
