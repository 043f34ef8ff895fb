#include "controls/tool_button_layout.h"

namespace orvanta::controls {

namespace {

constexpr int kGap = 4;  // between glyph and caption

bool IsEmpty(gfx::Size s) {
  return s.Width <= 0 || s.Height <= 0;
}

gfx::Rect Centred(const gfx::Rect& inner, gfx::Size s) {
  return gfx::Rect::FromSize(inner.Left + (inner.Width() - s.Width) / 2,
                             inner.Top + (inner.Height() - s.Height) / 2, s.Width, s.Height);
}

}  // namespace

ToolButtonPlacement PlaceGlyphAndCaption(const gfx::Rect& inner, gfx::Size glyph, gfx::Size caption,
                                         TButtonLayout layout) {
  ToolButtonPlacement p;
  const bool hasGlyph = !IsEmpty(glyph);
  const bool hasCaption = !IsEmpty(caption);
  if (!hasGlyph || !hasCaption) {
    if (hasGlyph) {
      p.Glyph = Centred(inner, glyph);
    }
    if (hasCaption) {
      p.Caption = Centred(inner, caption);
    }
    return p;
  }
  const int w = inner.Width();
  const int h = inner.Height();
  switch (layout) {
    case blGlyphTop:
    case blGlyphBottom: {
      const int free = h - glyph.Height - caption.Height - kGap;
      const int glyphLeft = inner.Left + (w - glyph.Width) / 2;
      const int captionLeft = inner.Left + (w - caption.Width) / 2;
      if (layout == blGlyphTop) {
        const int glyphTop = inner.Top + free / 2;
        p.Glyph = gfx::Rect::FromSize(glyphLeft, glyphTop, glyph.Width, glyph.Height);
        p.Caption = gfx::Rect::FromSize(captionLeft, glyphTop + glyph.Height + kGap, caption.Width,
                                        caption.Height);
      } else {
        const int captionTop = inner.Top + free / 2;
        p.Caption = gfx::Rect::FromSize(captionLeft, captionTop, caption.Width, caption.Height);
        p.Glyph = gfx::Rect::FromSize(glyphLeft, captionTop + caption.Height + kGap, glyph.Width,
                                      glyph.Height);
      }
      break;
    }
    case blGlyphLeft:
    case blGlyphRight: {
      const int group = glyph.Width + kGap + caption.Width;
      const int left = inner.Left + (w - group) / 2;
      const int glyphTop = inner.Top + (h - glyph.Height) / 2;
      const int captionTop = inner.Top + (h - caption.Height) / 2;
      const int glyphLeft = layout == blGlyphLeft ? left : left + caption.Width + kGap;
      const int captionLeft = layout == blGlyphLeft ? left + glyph.Width + kGap : left;
      p.Glyph = gfx::Rect::FromSize(glyphLeft, glyphTop, glyph.Width, glyph.Height);
      p.Caption = gfx::Rect::FromSize(captionLeft, captionTop, caption.Width, caption.Height);
      break;
    }
  }
  return p;
}

}  // namespace orvanta::controls
