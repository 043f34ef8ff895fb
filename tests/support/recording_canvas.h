#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"

namespace orvanta::test {

// What a RecordingCanvas was asked to draw, in device pixels of its bitmap, with the pen,
// brush, font and clip in force at the time.
struct DrawLog {
  enum class OpKind { FillRect, Rectangle, Line, Text, Invert, Image };
  struct Op {
    OpKind Kind = OpKind::FillRect;
    // FillRect, Rectangle, Invert: the rectangle; Line: (x1, y1, x2, y2); Text: DrawText's
    // rectangle, or TextOut's cell one pixel high; Image: where the image went.
    gfx::Rect Area;
    std::string Text;  // as drawn: DrawText without its access-key markers
    unsigned Flags = 0;
    gfx::Color Color = 0;  // FillRect: the fill; Text: the text colour
    gfx::Pen OpPen;
    gfx::Brush OpBrush;
    gfx::Font OpFont;
    gfx::Rect Clip;
    gfx::ImageDrawStyle Style = gfx::ImageDrawStyle::Normal;

    gfx::Point TopLeft() const { return {Area.Left, Area.Top}; }
  };

  std::vector<Op> Ops;

  std::vector<Op> OfKind(OpKind kind) const;
  std::vector<Op> Texts() const { return OfKind(OpKind::Text); }
  std::vector<Op> Lines() const { return OfKind(OpKind::Line); }
  std::vector<Op> Fills() const { return OfKind(OpKind::FillRect); }
  std::vector<Op> Pictures() const { return OfKind(OpKind::Image); }
  // The first text drawn with exactly these characters; null when there is none.
  const Op* FindText(std::string_view chars) const;
  void Clear() { Ops.clear(); }
};

// The size of text on a recording canvas: every code point is CharWidth wide, a line
// LineHeight high with Ascent pixels above the baseline.
struct TextCell {
  int CharWidth = 0;
  int LineHeight = 0;
  int Ascent = 0;
};

// A canvas with simple, predictable text metrics for layout tests. Fills, rectangles, lines,
// pixels and bitmaps go into its bitmap; text and images are only recorded. It records every
// fill, rectangle, line, text, inversion and image.
class RecordingCanvas : public gfx::Canvas {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kLineHeight = 14;

  // Draws into `bitmap` and records into `log`. Text cells follow the font: Height / 2
  // pixels a code point (at least 1), lines Height + 2 high.
  RecordingCanvas(gfx::Bitmap& bitmap, const gfx::SystemPalette& palette,
                  std::shared_ptr<DrawLog> log);
  // A canvas of `size` over a bitmap and a log of its own, in the classic palette, whose
  // text cells are kCharWidth x kLineHeight in every font.
  explicit RecordingCanvas(gfx::Size size);

  const DrawLog& Log() const { return *m_log; }
  static int Chars(std::string_view text);  // code points
  static int CharWidth(int fontHeight) { return fontHeight / 2 > 0 ? fontHeight / 2 : 1; }
  static int LineHeight(int fontHeight) { return fontHeight + 2; }

  gfx::Size SurfaceSize() const override { return m_bitmap->GetSize(); }
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
  void InvertRect(const gfx::Rect& r) override;
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
  TextCell Cell() const;
  int Width(std::string_view line) const { return Chars(line) * Cell().CharWidth; }
  DrawLog::Op& Record(DrawLog::OpKind kind, const gfx::Rect& deviceArea);
  void Plot(int deviceX, int deviceY, gfx::Color c);
  void Fill(const gfx::Rect& r, gfx::Color c);  // draws without recording
  void Trace(int x, int y);                     // a line from the pen position, unrecorded

  std::unique_ptr<gfx::Bitmap> m_ownBitmap;
  gfx::Bitmap* m_bitmap;
  std::shared_ptr<DrawLog> m_log;
  std::optional<TextCell> m_fixedCell;
  State m_state;
  std::vector<State> m_stack;
};

}  // namespace orvanta::test
