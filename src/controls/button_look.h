#pragma once

#include <cstdint>
#include <optional>

#include "controls/color_sets.h"
#include "controls/frame_style.h"
#include "controls/hot_track.h"
#include "gfx/color.h"

namespace orvanta::controls {

// The colour properties of a hot-tracking push button.
struct ButtonColors {
  gfx::Color Face = gfx::clBtnFace;
  gfx::Color Frame = gfx::cl3DDkShadow;
  gfx::Color HotTrack = gfx::RGB(240, 155, 20);
  THotTrackColorType HotTrackType = htctActual;
  gfx::Color Highlight = gfx::clHighlight;
};

// What the look of a push button depends on besides its colours. Active: the button has the
// focus, or it is the default button while the focus is on a control that is not a button.
struct ButtonState {
  bool Enabled = true;
  bool Pressed = false;
  bool MouseOver = false;
  bool Active = false;
};

// The two rows at the bottom of an unpressed face: the second-to-last, then the last.
struct FaceBottomRows {
  gfx::Color SecondToLast;
  gfx::Color Last;
};

// The hot-tracking look in colours, all RGB: an outer ring with rounded corners, the frame
// ring inside it, the face (a ramp above the bottom rows, or one colour when Face's start and
// stop agree) and a two-pixel ring just inside the face's edge.
struct HotTrackLook {
  std::optional<FrameColors> OuterRing;  // left and top, right and bottom
  gfx::Color Frame;
  RampColors Face;
  std::optional<FaceBottomRows> BottomRows;
  std::optional<RampColors> Ring;
};

HotTrackLook ButtonHotTrackLook(const ButtonColors& colors, const ButtonState& state,
                                const gfx::SystemPalette& palette);

// The ring under the pointer: from white mixed into the hot-track colour at the top to the
// hot-track colour at the bottom; the complement variant turns the hue half way round.
RampColors HotTrackRingColors(gfx::Color hotTrack, THotTrackColorType type,
                              const gfx::SystemPalette& palette);

// The ring of the active button: the highlight colour mixed into the face tinted by 30,
// 60/255 of it at the top and 160/255 at the bottom.
RampColors ActiveRingColors(gfx::Color face, gfx::Color highlight,
                            const gfx::SystemPalette& palette);

// Whether a highlight colour would hardly show against the button face: hues less than 20
// and lightness less than 60 apart (0-240 scale). Such a highlight is shaded by 30.
bool IsCloseToButtonFace(gfx::Color highlight, const gfx::SystemPalette& palette);

}  // namespace orvanta::controls
