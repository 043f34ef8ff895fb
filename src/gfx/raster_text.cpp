// Text through the glyph source: metrics, measurement, TextOut and DrawText, with glyph
// coverage blended in the text colour and turned by quarter turns for escapements.
#include <algorithm>

#include "gfx/raster_canvas.h"
#include "gfx/utf8.h"

namespace orvanta::gfx {

namespace {

constexpr int kTabStopChars = 8;  // DrawText tab stops, in average character widths
constexpr std::size_t kMaxCachedFaces = 16;

Pixel BlendInk(Pixel dst, Pixel ink, unsigned coverage) {
  const unsigned inv = 255 - coverage;
  const unsigned r = (PixelR(ink) * coverage + PixelR(dst) * inv + 127) / 255;
  const unsigned g = (PixelG(ink) * coverage + PixelG(dst) * inv + 127) / 255;
  const unsigned b = (PixelB(ink) * coverage + PixelB(dst) * inv + 127) / 255;
  return MakePixel(r, g, b);
}

bool HasCoverage(const GlyphBitmap& glyph) {
  return glyph.Width > 0 && glyph.Height > 0 &&
         glyph.Coverage.size() >=
             static_cast<std::size_t>(glyph.Width) * static_cast<std::size_t>(glyph.Height);
}

}  // namespace

FontFace* RasterCanvas::CurrentFace() {
  if (!m_faceValid) {
    const Font& font = m_state.CurrentFont;
    m_face = m_glyphs.Face({font.Name, font.Height, font.Bold, font.Italic});
    m_faceValid = true;
  }
  return m_face.get();
}

int RasterCanvas::QuarterTurns() const {
  // Escapement in tenths of a degree, counter-clockwise, to the nearest quarter turn.
  const int e = m_state.CurrentFont.Escapement;
  const int q = (e >= -450 ? (e + 450) / 900 : -((-e - 450 + 899) / 900));
  return ((q % 4) + 4) % 4;
}

int RasterCanvas::Advance(FontFace& face, char32_t c) {
  return face.Glyph(c).Advance;
}

TextMetrics RasterCanvas::GetTextMetrics() {
  FontFace* face = CurrentFace();
  return face ? face->Metrics() : TextMetrics{};
}

Size RasterCanvas::TextExtent(std::string_view text) {
  FontFace* face = CurrentFace();
  if (!face || text.empty()) {
    return {};
  }
  int width = 0;
  for (char32_t c : DecodeUtf8(text)) {
    width += Advance(*face, c);
  }
  return {width, face->Metrics().Height};
}

void RasterCanvas::TextOut(int x, int y, std::string_view text) {
  FontFace* face = CurrentFace();
  if (!face) {
    return;
  }
  TextLine line;
  for (char32_t c : DecodeUtf8(text)) {
    const int advance = Advance(*face, c);
    line.Chars.push_back({c, line.Width, advance, false});
    line.Width += advance;
  }
  DrawTextLine(ToDevice({x, y}), line);
}

int RasterCanvas::DrawText(std::string_view text, Rect& rect, unsigned flags) {
  if (text.empty()) {
    if ((flags & kDtCalcRect) != 0) {
      rect.Right = rect.Left;
      rect.Bottom = rect.Top;
    }
    return 0;
  }
  FontFace* face = CurrentFace();
  const TextMetrics tm = face ? face->Metrics() : TextMetrics{};
  TextLayoutOptions options;
  options.Flags = (flags & kDtCalcRect) != 0 ? (flags & ~unsigned{kDtEndEllipsis}) : flags;
  options.MaxWidth = rect.Width();
  options.TabWidth = kTabStopChars * tm.AveCharWidth;
  const std::vector<TextLine> lines = LayoutText(
      DecodeUtf8(text), options, [&](char32_t c) { return face ? Advance(*face, c) : 0; });
  const int lineHeight = tm.Height;
  const int total = static_cast<int>(lines.size()) * lineHeight;
  if ((flags & kDtCalcRect) != 0) {
    int width = 0;
    for (const TextLine& line : lines) {
      width = std::max(width, line.Width);
    }
    rect.Right = rect.Left + width;
    rect.Bottom = rect.Top + total;
    return total;
  }
  int y = rect.Top;
  if ((flags & kDtSingleLine) != 0) {
    if ((flags & kDtVCenter) != 0) {
      y = rect.Top + (rect.Height() - lineHeight) / 2;
    } else if ((flags & kDtBottom) != 0) {
      y = rect.Bottom - lineHeight;
    }
  }
  const std::shared_ptr<const ClipMask> savedClip = m_state.Clip;
  if ((flags & kDtNoClip) == 0) {
    IntersectClipRect(rect);
  }
  for (const TextLine& line : lines) {
    int x = rect.Left;
    if ((flags & kDtCenter) != 0) {
      x = rect.Left + (rect.Width() - line.Width) / 2;
    } else if ((flags & kDtRight) != 0) {
      x = rect.Right - line.Width;
    }
    DrawTextLine(ToDevice({x, y}), line);
    y += lineHeight;
  }
  m_state.Clip = savedClip;
  return y - rect.Top;
}

Rect RasterCanvas::TextFrameToDevice(Point o, const Rect& r, int quarterTurns) const {
  // The text frame runs along the baseline (u) and down the cell (v) from the cell's top-left
  // at device point o; a quarter turn is counter-clockwise on the screen.
  switch (quarterTurns) {
    case 1:
      return {o.X + r.Top, o.Y - r.Right, o.X + r.Bottom, o.Y - r.Left};
    case 2:
      return {o.X - r.Right, o.Y - r.Bottom, o.X - r.Left, o.Y - r.Top};
    case 3:
      return {o.X - r.Bottom, o.Y + r.Left, o.X - r.Top, o.Y + r.Right};
    default:
      return r.Offset(o.X, o.Y);
  }
}

void RasterCanvas::DrawTextLine(Point origin, const TextLine& line) {
  FontFace* face = CurrentFace();
  if (!face) {
    return;
  }
  const TextMetrics& tm = face->Metrics();
  const int turns = QuarterTurns();
  Pixel bk = 0;
  if (m_state.BkMode == BackgroundMode::Opaque && Resolve(m_state.BkColor, bk)) {
    FillDeviceRect(TextFrameToDevice(origin, {0, 0, line.Width, tm.Height}, turns), bk);
  }
  Pixel ink = 0;
  if (!Resolve(m_state.TextColor, ink)) {
    return;
  }
  for (const PlacedChar& ch : line.Chars) {
    const GlyphBitmap& glyph = face->Glyph(ch.Code);
    if (!HasCoverage(glyph)) {
      continue;
    }
    const int u0 = ch.X + glyph.Left;
    const int v0 = tm.Ascent - glyph.Top;
    const Rect device =
        TextFrameToDevice(origin, {u0, v0, u0 + glyph.Width, v0 + glyph.Height}, turns);
    if (turns == 0) {
      BlendCoverage(device.Left, device.Top, glyph.Width, glyph.Height, glyph.Coverage.data(), ink);
    } else {
      const RotatedGlyph& rotated = Rotated(*face, ch.Code, glyph, turns);
      BlendCoverage(device.Left, device.Top, rotated.Width, rotated.Height, rotated.Coverage.data(),
                    ink);
    }
  }
  // Underlines: the whole line for an underlined font, else the access key only. The top row
  // of the underline lies UnderlinePosition rows below the baseline row.
  const int top = tm.Ascent + face->UnderlinePosition();
  const int bottom = top + std::max(face->UnderlineThickness(), 1);
  for (const PlacedChar& ch : line.Chars) {
    if (ch.Underlined && !m_state.CurrentFont.Underline) {
      FillDeviceRect(TextFrameToDevice(origin, {ch.X, top, ch.X + ch.Advance, bottom}, turns), ink);
    }
  }
  if (m_state.CurrentFont.Underline) {
    FillDeviceRect(TextFrameToDevice(origin, {0, top, line.Width, bottom}, turns), ink);
  }
}

void RasterCanvas::BlendCoverage(int x, int y, int width, int height, const std::uint8_t* coverage,
                                 Pixel ink) {
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* src = coverage + static_cast<std::size_t>(row) * width;
    ForEachClippedSpan(y + row, x, x + width, [&](int a, int b) {
      Pixel* dst = m_target.Row(y + row);
      for (int px = a; px < b; ++px) {
        const unsigned c = src[px - x];
        if (c == 255) {
          dst[px] = ink;
        } else if (c != 0) {
          dst[px] = BlendInk(dst[px], ink, c);
        }
      }
    });
  }
}

const RasterCanvas::RotatedGlyph& RasterCanvas::Rotated(FontFace& face, char32_t c,
                                                        const GlyphBitmap& glyph, int turns) {
  auto cache = std::find_if(m_rotated.begin(), m_rotated.end(), [&](const RotatedGlyphCache& e) {
    return e.Face.get() == &face && e.QuarterTurns == turns;
  });
  if (cache == m_rotated.end()) {
    if (m_rotated.size() >= kMaxCachedFaces) {
      m_rotated.erase(m_rotated.begin());
    }
    m_rotated.push_back({m_face, turns, {}});
    cache = m_rotated.end() - 1;
  }
  auto [it, inserted] = cache->Glyphs.try_emplace(c);
  RotatedGlyph& out = it->second;
  if (!inserted) {
    return out;
  }
  const int w = glyph.Width;
  const int h = glyph.Height;
  const bool swap = turns % 2 == 1;
  out.Width = swap ? h : w;
  out.Height = swap ? w : h;
  out.Coverage.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  const auto at = [&](int i, int j) { return glyph.Coverage[static_cast<std::size_t>(j) * w + i]; };
  for (int r = 0; r < out.Height; ++r) {
    for (int col = 0; col < out.Width; ++col) {
      std::uint8_t value = 0;
      switch (turns) {
        case 1:  // the glyph's left column becomes the bottom row
          value = at(w - 1 - r, col);
          break;
        case 2:
          value = at(w - 1 - col, h - 1 - r);
          break;
        default:  // three quarter turns: the left column becomes the top row
          value = at(r, h - 1 - col);
          break;
      }
      out.Coverage[static_cast<std::size_t>(r) * out.Width + col] = value;
    }
  }
  return out;
}

}  // namespace orvanta::gfx
