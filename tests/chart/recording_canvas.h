#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/axis_labels.h"
#include "gfx/canvas.h"

namespace orvanta::chart::test {

// A canvas that draws nothing and records what it was asked to draw, with the pen, brush,
// font and clip in force at the time. Text measures 7 pixels per character, 14 high.
class RecordingCanvas final : public gfx::Canvas {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kLineHeight = 14;

  enum class OpKind { FillRect, Rectangle, Line, Text, Invert };
  struct Op {
    OpKind Kind;
    gfx::Rect Area;  // FillRect, Rectangle, Invert: the rectangle; Line: (x1, y1, x2, y2)
    std::string Text;
    gfx::Color FillColor = 0;
    gfx::Pen OpPen;
    gfx::Brush OpBrush;
    gfx::Font OpFont;
    gfx::Rect Clip;
  };

  explicit RecordingCanvas(gfx::Size size) : Canvas(Palette()), m_size(size) {
    m_state.Clip = {0, 0, size.Width, size.Height};
  }

  std::vector<Op> Ops;

  std::vector<Op> OfKind(OpKind kind) const {
    std::vector<Op> out;
    for (const Op& op : Ops) {
      if (op.Kind == kind) {
        out.push_back(op);
      }
    }
    return out;
  }
  std::vector<Op> Texts() const { return OfKind(OpKind::Text); }
  std::vector<Op> Lines() const { return OfKind(OpKind::Line); }

  static int Chars(std::string_view text) {
    int n = 0;
    for (char c : text) {
      n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
  }

  gfx::Size SurfaceSize() const override { return m_size; }
  void Save() override { m_stack.push_back(m_state); }
  void Restore() override {
    if (!m_stack.empty()) {
      m_state = m_stack.back();
      m_stack.pop_back();
    }
  }
  gfx::Point Origin() const override { return {}; }
  void SetOrigin(gfx::Point) override {}
  void IntersectClipRect(const gfx::Rect& r) override { m_state.Clip = m_state.Clip.Intersect(r); }
  void IntersectClipRegion(const gfx::Region& region) override {
    IntersectClipRect(region.Bounds());
  }
  gfx::Rect ClipBox() const override { return m_state.Clip; }
  bool PtVisible(gfx::Point p) const override { return m_state.Clip.Contains(p); }
  void SetPen(const gfx::Pen& pen) override { m_state.CurrentPen = pen; }
  const gfx::Pen& GetPen() const override { return m_state.CurrentPen; }
  void SetBrush(const gfx::Brush& brush) override { m_state.CurrentBrush = brush; }
  const gfx::Brush& GetBrush() const override { return m_state.CurrentBrush; }
  void SetFont(const gfx::Font& font) override { m_state.CurrentFont = font; }
  const gfx::Font& GetFont() const override { return m_state.CurrentFont; }
  void SetTextColor(gfx::Color) override {}
  void SetBkColor(gfx::Color) override {}
  void SetBkMode(gfx::BackgroundMode) override {}

  void FillRect(const gfx::Rect& r, gfx::Color c) override {
    Record(OpKind::FillRect, r).FillColor = c;
  }
  void Rectangle(const gfx::Rect& r) override { Record(OpKind::Rectangle, r); }
  void MoveTo(int x, int y) override { m_pos = {x, y}; }
  void LineTo(int x, int y) override {
    Record(OpKind::Line, {m_pos.X, m_pos.Y, x, y});
    m_pos = {x, y};
  }
  void Polyline(std::span<const gfx::Point>) override {}
  void Polygon(std::span<const gfx::Point>) override {}
  void SetPixel(int, int, gfx::Color) override {}
  gfx::Color GetPixel(int, int) const override { return gfx::clNone; }
  void InvertRect(const gfx::Rect& r) override { Record(OpKind::Invert, r); }
  void DrawFocusRect(const gfx::Rect&) override {}

  gfx::TextMetrics GetTextMetrics() override {
    return {kLineHeight, 11, 3, 0, 0, kCharWidth, kCharWidth};
  }
  gfx::Size TextExtent(std::string_view text) override {
    return {Chars(text) * kCharWidth, kLineHeight};
  }
  void TextOut(int x, int y, std::string_view text) override {
    Op& op = Record(OpKind::Text, {x, y, x, y});
    op.Text = std::string(text);
  }
  int DrawText(std::string_view, gfx::Rect&, unsigned) override { return kLineHeight; }
  void DrawBitmap(int, int, const gfx::Bitmap&, const gfx::Rect&) override {}
  void DrawImage(int, int, const gfx::Image&, gfx::ImageDrawStyle) override {}

 private:
  static const gfx::SystemPalette& Palette() {
    static const gfx::SystemPalette palette = gfx::SystemPalette::Classic();
    return palette;
  }
  Op& Record(OpKind kind, const gfx::Rect& area) {
    Op op{kind,        area, {}, 0, m_state.CurrentPen, m_state.CurrentBrush, m_state.CurrentFont,
          m_state.Clip};
    Ops.push_back(op);
    return Ops.back();
  }

  struct State {
    gfx::Rect Clip;
    gfx::Pen CurrentPen;
    gfx::Brush CurrentBrush;
    gfx::Font CurrentFont;
  };
  gfx::Size m_size;
  State m_state;
  std::vector<State> m_stack;
  gfx::Point m_pos;
};

// A measurer with the same metrics, for the layout functions that take one.
class FixedMeasurer final : public LabelMeasurer {
 public:
  explicit FixedMeasurer(int fontHeight = RecordingCanvas::kLineHeight) : m_height(fontHeight) {}
  int TextWidth(std::string_view text) override {
    return RecordingCanvas::Chars(text) * RecordingCanvas::kCharWidth;
  }
  int FontHeight() override { return m_height; }

 private:
  int m_height;
};

}  // namespace orvanta::chart::test
