#pragma once

#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/clip_mask.h"
#include "gfx/coordinate_limit.h"
#include "gfx/glyph_source.h"
#include "gfx/text_layout.h"

namespace orvanta::gfx {

// The software canvas of both platforms: draws into a Bitmap with Windows drawing semantics.
// Device coordinates are the bitmap's pixels; logical coordinates are offset by the origin, and
// the clip stays where it was set on the device when the origin moves. As in Windows: cosmetic
// lines leave out their end point; wide pens are round-capped and cover the pixels whose
// centres lie within half the width of the segment, both ends included; styled pens wider than
// one pixel draw solid; Rectangle with a clear pen fills one pixel less on the right and bottom;
// kDtVCenter and kDtBottom act only with kDtSingleLine; GetPixel outside the clip answers
// clNone. Chosen where a detail is open: ties of cosmetic lines round toward the start point,
// the focus rectangle's checkerboard is aligned to device pixels, and DrawText turns each line
// about its own start for an escapement.
class RasterCanvas final : public Canvas {
 public:
  RasterCanvas(Bitmap& target, GlyphSource& glyphs, const SystemPalette& palette);
  // A canvas for pictures without text (ramps, masks, off-screen copies): text draws nothing
  // and measures 0 x 0.
  RasterCanvas(Bitmap& target, const SystemPalette& palette);
  ~RasterCanvas() override;
  RasterCanvas(const RasterCanvas&) = delete;
  RasterCanvas& operator=(const RasterCanvas&) = delete;

  Bitmap& Target() { return m_target; }

  Size SurfaceSize() const override { return m_target.GetSize(); }

  void Save() override;
  void Restore() override;
  Point Origin() const override { return m_state.Origin; }
  void SetOrigin(Point origin) override { m_state.Origin = origin; }
  void IntersectClipRect(const Rect& r) override;
  void IntersectClipRegion(const Region& region) override;
  Rect ClipBox() const override;
  bool PtVisible(Point p) const override;

  void SetPen(const Pen& pen) override { m_state.CurrentPen = pen; }
  const Pen& GetPen() const override { return m_state.CurrentPen; }
  void SetBrush(const Brush& brush) override { m_state.CurrentBrush = brush; }
  const Brush& GetBrush() const override { return m_state.CurrentBrush; }
  void SetFont(const Font& font) override;
  const Font& GetFont() const override { return m_state.CurrentFont; }
  void SetTextColor(Color c) override { m_state.TextColor = c; }
  void SetBkColor(Color c) override { m_state.BkColor = c; }
  void SetBkMode(BackgroundMode mode) override { m_state.BkMode = mode; }

  void FillRect(const Rect& r, Color c) override;
  void Rectangle(const Rect& r) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(std::span<const Point> points) override;
  void Polygon(std::span<const Point> points) override;
  void SetPixel(int x, int y, Color c) override;
  Color GetPixel(int x, int y) const override;
  void InvertRect(const Rect& r) override;
  void DrawFocusRect(const Rect& r) override;

  TextMetrics GetTextMetrics() override;
  Size TextExtent(std::string_view text) override;
  void TextOut(int x, int y, std::string_view text) override;
  int DrawText(std::string_view text, Rect& rect, unsigned flags) override;

  void DrawBitmap(int x, int y, const Bitmap& source, const Rect& sourceRect) override;
  void DrawImage(int x, int y, const Image& image, ImageDrawStyle style) override;

 private:
  struct State {
    Point Origin;
    std::shared_ptr<const ClipMask> Clip;  // null: the whole surface
    Pen CurrentPen;
    Brush CurrentBrush;
    Font CurrentFont;
    Color TextColor = clWindowText;
    Color BkColor = clWhite;
    BackgroundMode BkMode = BackgroundMode::Opaque;
    Point Position;  // current position for LineTo, logical
  };
  struct RotatedGlyph {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Coverage;
  };
  struct RotatedGlyphCache {
    std::shared_ptr<FontFace> Face;
    int QuarterTurns = 0;
    std::unordered_map<char32_t, RotatedGlyph> Glyphs;
  };

  // Device-space pixel access, clipped to the clip and the surface.
  template <typename F>
  void ForEachClippedSpan(int y, int x0, int x1, F&& f) const {
    if (y < 0 || y >= m_target.Height()) {
      return;
    }
    x0 = std::max(x0, 0);
    x1 = std::min(x1, m_target.Width());
    if (x0 >= x1) {
      return;
    }
    if (!m_state.Clip) {
      f(x0, x1);
      return;
    }
    m_state.Clip->ForEachSpan(y, x0, x1, f);
  }
  Rect DeviceClipBounds() const;  // clip bounds within the surface
  bool DeviceVisible(int x, int y) const;
  void FillDeviceSpan(int y, int x0, int x1, Pixel p);
  void FillDeviceRect(const Rect& r, Pixel p);
  void FillDeviceColumn(int x, int y0, int y1, Pixel p);  // rows [y0, y1)
  void XorDeviceSpan(int y, int x0, int x1, Pixel mask);
  void PlotDevice(int x, int y, Pixel p);
  bool Resolve(Color c, Pixel& out) const;  // false for clNone
  Point ToDevice(Point p) const {
    return {ClampCoordinate(std::int64_t{p.X} + m_state.Origin.X),
            ClampCoordinate(std::int64_t{p.Y} + m_state.Origin.Y)};
  }
  Rect ToDeviceRect(const Rect& r) const {
    const Point topLeft = ToDevice({r.Left, r.Top});
    const Point bottomRight = ToDevice({r.Right, r.Bottom});
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
  }
  void SetClip(const ClipMask& clip) { m_state.Clip = std::make_shared<const ClipMask>(clip); }
  ClipMask CurrentClip() const;

  // Lines, in device coordinates (raster_lines.cpp).
  bool PenVisible(Pixel& p) const;
  int PenWidth() const;
  void StrokeSegment(Point a, Point b, Pixel p);
  void CosmeticLine(Point a, Point b, Pixel p, PenStyle style);
  void WideLine(Point a, Point b, int width, Pixel p);
  enum class PathShape { Open, Closed };
  void StrokePath(std::span<const Point> devicePoints, PathShape shape, Pixel p);

  // Text (raster_text.cpp).
  FontFace* CurrentFace();
  int QuarterTurns() const;
  int Advance(FontFace& face, char32_t c);
  void DrawTextLine(Point deviceOrigin, const TextLine& line);
  Rect TextFrameToDevice(Point deviceOrigin, const Rect& textRect, int quarterTurns) const;
  void BlendCoverage(int x, int y, int width, int height, const std::uint8_t* coverage,
                     Pixel color);
  const RotatedGlyph& Rotated(FontFace& face, char32_t c, const GlyphBitmap& glyph, int turns);

  Bitmap& m_target;
  std::unique_ptr<GlyphSource> m_ownGlyphs;  // the empty source of a canvas without text
  GlyphSource& m_glyphs;
  State m_state;
  std::vector<State> m_saved;
  int m_dotPhase = 0;  // position in the dot pattern of a styled line, across LineTo calls
  std::shared_ptr<FontFace> m_face;
  bool m_faceValid = false;
  std::vector<RotatedGlyphCache> m_rotated;
};

}  // namespace orvanta::gfx
