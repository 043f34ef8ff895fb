#include "gfx/color.h"

namespace orvanta::gfx {

SystemPalette SystemPalette::Classic() {
  SystemPalette p;
  auto& c = p.Colors;
  c[kSysScrollBar] = RGB(212, 208, 200);
  c[kSysBackground] = RGB(58, 110, 165);
  c[kSysActiveCaption] = RGB(10, 36, 106);
  c[kSysInactiveCaption] = RGB(128, 128, 128);
  c[kSysMenu] = RGB(212, 208, 200);
  c[kSysWindow] = RGB(255, 255, 255);
  c[kSysWindowFrame] = RGB(0, 0, 0);
  c[kSysMenuText] = RGB(0, 0, 0);
  c[kSysWindowText] = RGB(0, 0, 0);
  c[kSysCaptionText] = RGB(255, 255, 255);
  c[kSysActiveBorder] = RGB(212, 208, 200);
  c[kSysInactiveBorder] = RGB(212, 208, 200);
  c[kSysAppWorkspace] = RGB(128, 128, 128);
  c[kSysHighlight] = RGB(10, 36, 106);
  c[kSysHighlightText] = RGB(255, 255, 255);
  c[kSysBtnFace] = RGB(212, 208, 200);
  c[kSysBtnShadow] = RGB(128, 128, 128);
  c[kSysGrayText] = RGB(128, 128, 128);
  c[kSysBtnText] = RGB(0, 0, 0);
  c[kSysInactiveCaptionText] = RGB(212, 208, 200);
  c[kSysBtnHighlight] = RGB(255, 255, 255);
  c[kSys3DDkShadow] = RGB(64, 64, 64);
  c[kSys3DLight] = RGB(212, 208, 200);
  c[kSysInfoText] = RGB(0, 0, 0);
  c[kSysInfoBk] = RGB(255, 255, 225);
  c[25] = RGB(181, 181, 181);
  c[kSysHotLight] = RGB(0, 0, 128);
  c[kSysGradientActiveCaption] = RGB(166, 202, 240);
  c[kSysGradientInactiveCaption] = RGB(192, 192, 192);
  c[kSysMenuHilight] = RGB(10, 36, 106);
  c[kSysMenuBar] = RGB(212, 208, 200);
  return p;
}

}  // namespace orvanta::gfx
