#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gfx/canvas.h"

namespace orvanta::ui::testing {

// What a RecordingCanvas was asked to draw, in device pixels of its bitmap.
struct DrawLog {
  struct Text {
    std::string Chars;
    gfx::Rect Rect;  // DrawText's rectangle, or TextOut's cell
    unsigned Flags = 0;
    gfx::Color Color = 0;
    gfx::Rect Clip;
  };
  struct Fill {
    gfx::Rect Rect;
    gfx::Color Color = 0;
  };
  struct Picture {
    gfx::Point At;
    gfx::Size Size;
    gfx::ImageDrawStyle Style = gfx::ImageDrawStyle::Normal;
  };
  std::vector<Text> Texts;
  std::vector<Fill> Fills;
  std::vector<Picture> Pictures;
  void Clear() {
    Texts.clear();
    Fills.clear();
    Pictures.clear();
  }
  const Text* FindText(std::string_view chars) const;
};

// A canvas with simple, predictable text metrics for layout tests: every code point is
// Height / 2 pixels wide (at least 1), a line is Height + 2 high. Fills, lines and pixels go
// into the bitmap; text is only recorded.
class RecordingCanvas : public gfx::Canvas {
 public:
  RecordingCanvas(gfx::Bitmap& bitmap, const gfx::SystemPalette& palette,
                  std::shared_ptr<DrawLog> log);

  static int CharWidth(int fontHeight) { return fontHeight / 2 > 0 ? fontHeight / 2 : 1; }
  static int LineHeight(int fontHeight) { return fontHeight + 2; }

  gfx::Size SurfaceSize() const override { return m_bitmap.GetSize(); }
  void Save() override { m_stack.push_back(m_state); }
  void Restore() override;
  gfx::Point Origin() const override { return m_state.Origin; }
  void SetOrigin(gfx::Point origin) override { m_state.Origin = origin; }
  void IntersectClipRect(const gfx::Rect& r) override;
  void IntersectClipRegion(const gfx::Region& region) override;
  gfx::Rect ClipBox() const override;
  bool PtVisible(gfx::Point p) const override;
  void SetPen(const gfx::Pen& pen) override { m_state.CurrentPen = pen; }
  const gfx::Pen& GetPen() const override { return m_state.CurrentPen; }
  void SetBrush(const gfx::Brush& brush) override { m_state.CurrentBrush = brush; }
  const gfx::Brush& GetBrush() const override { return m_state.CurrentBrush; }
  void SetFont(const gfx::Font& font) override;
  const gfx::Font& GetFont() const override { return m_state.CurrentFont; }
  void SetTextColor(gfx::Color c) override { m_state.TextColor = c; }
  void SetBkColor(gfx::Color c) override { m_state.BkColor = c; }
  void SetBkMode(gfx::BackgroundMode mode) override { m_state.BkMode = mode; }
  void FillRect(const gfx::Rect& r, gfx::Color c) override;
  void Rectangle(const gfx::Rect& r) override;
  void MoveTo(int x, int y) override { m_state.Pos = {x, y}; }
  void LineTo(int x, int y) override;
  void Polyline(std::span<const gfx::Point> points) override;
  void Polygon(std::span<const gfx::Point> points) override;
  void SetPixel(int x, int y, gfx::Color c) override;
  gfx::Color GetPixel(int x, int y) const override;
  void InvertRect(const gfx::Rect&) override {}
  void DrawFocusRect(const gfx::Rect&) override {}
  gfx::TextMetrics GetTextMetrics() override;
  gfx::Size TextExtent(std::string_view text) override;
  void TextOut(int x, int y, std::string_view text) override;
  int DrawText(std::string_view text, gfx::Rect& rect, unsigned flags) override;
  void DrawBitmap(int x, int y, const gfx::Bitmap& source, const gfx::Rect& sourceRect) override;
  void DrawImage(int x, int y, const gfx::Image& image, gfx::ImageDrawStyle style) override;

 private:
  struct State {
    gfx::Point Origin;
    gfx::Rect Clip;  // device pixels
    gfx::Pen CurrentPen;
    gfx::Brush CurrentBrush;
    gfx::Font CurrentFont;
    gfx::Color TextColor = gfx::clBlack;
    gfx::Color BkColor = gfx::clWhite;
    gfx::BackgroundMode BkMode = gfx::BackgroundMode::Opaque;
    gfx::Point Pos;
  };
  gfx::Rect ToDevice(const gfx::Rect& r) const {
    return r.Offset(m_state.Origin.X, m_state.Origin.Y);
  }
  void Plot(int deviceX, int deviceY, gfx::Color c);
  int Width(std::string_view line) const;

  gfx::Bitmap& m_bitmap;
  std::shared_ptr<DrawLog> m_log;
  State m_state;
  std::vector<State> m_stack;
};

}  // namespace orvanta::ui::testing
