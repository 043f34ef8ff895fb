#pragma once

#include <span>
#include <string_view>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "gfx/region.h"

namespace orvanta::gfx {

enum class PenStyle { Solid, Dot, Clear };

// Width 1 is a cosmetic pen; wider pens are geometric with round end caps.
struct Pen {
  Color PenColor = clBlack;
  int Width = 1;
  PenStyle Style = PenStyle::Solid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Clear };

struct Brush {
  Color BrushColor = clWhite;
  BrushStyle Style = BrushStyle::Solid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

enum class BackgroundMode { Transparent, Opaque };

// The DrawText options the controls use, with the values of the Windows DT_ flags.
enum DrawTextFlag : unsigned {
  kDtLeft = 0x0,
  kDtTop = 0x0,
  kDtCenter = 0x1,
  kDtRight = 0x2,
  kDtVCenter = 0x4,
  kDtBottom = 0x8,
  kDtWordBreak = 0x10,
  kDtSingleLine = 0x20,
  kDtExpandTabs = 0x40,
  kDtNoClip = 0x100,
  kDtCalcRect = 0x400,
  kDtNoPrefix = 0x800,
  kDtEndEllipsis = 0x8000,
  kDtHidePrefix = 0x100000,
};

enum class ImageDrawStyle { Normal, Disabled };

// A drawing surface with Windows drawing semantics: right and bottom edges of rectangles are
// exclusive, a line leaves out its end point, Rectangle outlines with the pen and fills with the
// brush, polygons fill by the alternate rule. Coordinates are logical: the origin moves with
// SetOrigin, and everything is clipped to the clip region (the whole surface at first).
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual Size SurfaceSize() const = 0;
  const SystemPalette& Palette() const { return *m_palette; }

  // State: origin, clip, pen, brush, font, text colour, background colour and mode.
  virtual void Save() = 0;
  virtual void Restore() = 0;
  virtual Point Origin() const = 0;
  virtual void SetOrigin(Point origin) = 0;  // device position of logical (0, 0)
  void OffsetOrigin(int dx, int dy) {
    Point o = Origin();
    SetOrigin({o.X + dx, o.Y + dy});
  }
  virtual void IntersectClipRect(const Rect& r) = 0;
  virtual void IntersectClipRegion(const Region& region) = 0;
  virtual Rect ClipBox() const = 0;  // logical bounds of the current clip
  virtual bool PtVisible(Point p) const = 0;

  virtual void SetPen(const Pen& pen) = 0;
  virtual const Pen& GetPen() const = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual const Brush& GetBrush() const = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual const Font& GetFont() const = 0;
  virtual void SetTextColor(Color c) = 0;  // also set by SetFont from Font::TextColor
  virtual void SetBkColor(Color c) = 0;
  virtual void SetBkMode(BackgroundMode mode) = 0;

  // Shapes.
  virtual void FillRect(const Rect& r, Color c) = 0;  // no outline; pen and brush untouched
  virtual void Rectangle(const Rect& r) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  void Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
  }
  virtual void Polyline(std::span<const Point> points) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  virtual void SetPixel(int x, int y, Color c) = 0;
  virtual Color GetPixel(int x, int y) const = 0;  // RGB colour; clNone outside the clip
  virtual void InvertRect(const Rect& r) = 0;
  virtual void DrawFocusRect(const Rect& r) = 0;  // dotted XOR outline, every second pixel

  // Text, UTF-8. TextOut draws at (x, y) = top-left of the line cell, or, with a non-zero
  // escapement, the rotated cell's top-left in the rotated frame (900: text reads upwards).
  virtual TextMetrics GetTextMetrics() = 0;
  virtual Size TextExtent(std::string_view text) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Returns the height of the text drawn; with kDtCalcRect draws nothing and sets the
  // rectangle's right and bottom to the measured extent.
  virtual int DrawText(std::string_view text, Rect& rect, unsigned flags) = 0;

  // Pictures.
  virtual void DrawBitmap(int x, int y, const Bitmap& source, const Rect& sourceRect) = 0;
  void DrawBitmap(int x, int y, const Bitmap& source) {
    DrawBitmap(x, y, source, Rect{0, 0, source.Width(), source.Height()});
  }
  virtual void DrawImage(int x, int y, const Image& image, ImageDrawStyle style) = 0;

 protected:
  explicit Canvas(const SystemPalette& palette) : m_palette(&palette) {}

 private:
  const SystemPalette* m_palette;
};

// Restores the canvas state it saved when it goes out of scope.
class CanvasStateSaver {
 public:
  explicit CanvasStateSaver(Canvas& canvas) : m_canvas(canvas) { m_canvas.Save(); }
  ~CanvasStateSaver() { m_canvas.Restore(); }
  CanvasStateSaver(const CanvasStateSaver&) = delete;
  CanvasStateSaver& operator=(const CanvasStateSaver&) = delete;

 private:
  Canvas& m_canvas;
};

}  // namespace orvanta::gfx
