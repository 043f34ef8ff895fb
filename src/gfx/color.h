#pragma once

#include <array>
#include <cstdint>

namespace orvanta::gfx {

// A colour value as the controls store it: red in the lowest byte, then green, then blue.
// A top byte of 0xFF marks a system colour whose low byte is the system colour index;
// clNone draws nothing; AutoColor asks for the automatic colour of whoever draws.
using Color = std::uint32_t;

// A resolved colour in the layout of 32-bit pixels on both platforms: 0x00RRGGBB
// (bytes B, G, R, unused in memory), as Windows DIBs and X11 TrueColor images store them.
using Pixel = std::uint32_t;

constexpr Color RGB(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned GetRValue(Color c) { return c & 0xFFu; }
constexpr unsigned GetGValue(Color c) { return (c >> 8) & 0xFFu; }
constexpr unsigned GetBValue(Color c) { return (c >> 16) & 0xFFu; }

constexpr Pixel MakePixel(unsigned r, unsigned g, unsigned b) {
  return ((r & 0xFFu) << 16) | ((g & 0xFFu) << 8) | (b & 0xFFu);
}
constexpr unsigned PixelR(Pixel p) { return (p >> 16) & 0xFFu; }
constexpr unsigned PixelG(Pixel p) { return (p >> 8) & 0xFFu; }
constexpr unsigned PixelB(Pixel p) { return p & 0xFFu; }
constexpr Pixel PixelFromRgbColor(Color c) { return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c)); }
constexpr Color RgbColorFromPixel(Pixel p) { return RGB(PixelR(p), PixelG(p), PixelB(p)); }

constexpr Color clNone = 0x1FFFFFFF;
constexpr Color AutoColor = 0x20000000;

constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == 0xFF000000u; }
constexpr Color SystemColor(unsigned index) { return 0xFF000000u | index; }
constexpr unsigned SystemColorIndex(Color c) { return c & 0xFFu; }

// System colour indices, numbered as the Windows GetSysColor indices.
enum SysColorIndex : unsigned {
  kSysScrollBar = 0,
  kSysBackground = 1,
  kSysActiveCaption = 2,
  kSysInactiveCaption = 3,
  kSysMenu = 4,
  kSysWindow = 5,
  kSysWindowFrame = 6,
  kSysMenuText = 7,
  kSysWindowText = 8,
  kSysCaptionText = 9,
  kSysActiveBorder = 10,
  kSysInactiveBorder = 11,
  kSysAppWorkspace = 12,
  kSysHighlight = 13,
  kSysHighlightText = 14,
  kSysBtnFace = 15,
  kSysBtnShadow = 16,
  kSysGrayText = 17,
  kSysBtnText = 18,
  kSysInactiveCaptionText = 19,
  kSysBtnHighlight = 20,
  kSys3DDkShadow = 21,
  kSys3DLight = 22,
  kSysInfoText = 23,
  kSysInfoBk = 24,
  kSysHotLight = 26,
  kSysGradientActiveCaption = 27,
  kSysGradientInactiveCaption = 28,
  kSysMenuHilight = 29,
  kSysMenuBar = 30,
  kSysColorCount = 31,
};

constexpr Color clScrollBar = SystemColor(kSysScrollBar);
constexpr Color clWindow = SystemColor(kSysWindow);
constexpr Color clWindowFrame = SystemColor(kSysWindowFrame);
constexpr Color clWindowText = SystemColor(kSysWindowText);
constexpr Color clHighlight = SystemColor(kSysHighlight);
constexpr Color clHighlightText = SystemColor(kSysHighlightText);
constexpr Color clBtnFace = SystemColor(kSysBtnFace);
constexpr Color clBtnShadow = SystemColor(kSysBtnShadow);
constexpr Color clGrayText = SystemColor(kSysGrayText);
constexpr Color clBtnText = SystemColor(kSysBtnText);
constexpr Color clBtnHighlight = SystemColor(kSysBtnHighlight);
constexpr Color cl3DDkShadow = SystemColor(kSys3DDkShadow);
constexpr Color cl3DLight = SystemColor(kSys3DLight);
constexpr Color clInfoText = SystemColor(kSysInfoText);
constexpr Color clInfoBk = SystemColor(kSysInfoBk);

constexpr Color clBlack = 0x000000;
constexpr Color clMaroon = 0x000080;
constexpr Color clGreen = 0x008000;
constexpr Color clOlive = 0x008080;
constexpr Color clNavy = 0x800000;
constexpr Color clPurple = 0x800080;
constexpr Color clTeal = 0x808000;
constexpr Color clGray = 0x808080;
constexpr Color clSilver = 0xC0C0C0;
constexpr Color clRed = 0x0000FF;
constexpr Color clLime = 0x00FF00;
constexpr Color clYellow = 0x00FFFF;
constexpr Color clBlue = 0xFF0000;
constexpr Color clFuchsia = 0xFF00FF;
constexpr Color clAqua = 0xFFFF00;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clMoneyGreen = 0xC0DCC0;
constexpr Color clSkyBlue = 0xF0CAA6;
constexpr Color clCream = 0xF0FBFF;
constexpr Color clMedGray = 0xA4A0A0;

// The RGB values behind the system colours. The platform fills it at start (GetSysColor on
// Windows); Classic() is the Windows classic scheme, used on Linux and in tests.
struct SystemPalette {
  std::array<Color, kSysColorCount> Colors{};
  bool FullColor = true;  // more than 256 colours on the display

  static SystemPalette Classic();
  // Plain RGB colours pass through; system colours are looked up. clNone and AutoColor
  // have no RGB value: callers test for them before resolving.
  Color ToRgb(Color c) const {
    if (!IsSystemColor(c)) {
      return c & 0x00FFFFFFu;
    }
    unsigned index = SystemColorIndex(c);
    return index < Colors.size() ? Colors[index] : 0;
  }
  Pixel ToPixel(Color c) const { return PixelFromRgbColor(ToRgb(c)); }
};

}  // namespace orvanta::gfx
