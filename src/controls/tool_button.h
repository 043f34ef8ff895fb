#pragma once

#include <cstdint>

#include "controls/tool_button_layout.h"
#include "controls/visual_style.h"
#include "ui/control.h"
#include "ui/image_list.h"
#include "ui/text_alignment.h"

namespace orvanta::controls {

// What buttons may take from their toolbar.
struct ToolbarButtonLook {
  bool ShowCaptions = false;
  TButtonLayout Layout = blGlyphLeft;
  int ButtonWidth = 25;
  int ButtonHeight = 25;
  TUiVisualStyle VisualStyle = vsWinXP;
  TUiGradientColorStyle GradientColorStyle = gcsSystem;
};

enum class ToolbarProperty { ShowCaptions, Layout, Size, VisualStyle };

// What a tool button asks of the toolbar it stands on.
class ToolButtonOwner {
 public:
  // The glyphs of the buttons that have no image list of their own.
  virtual const ui::ImageList* ButtonImages() const = 0;
  virtual const ToolbarButtonLook& ButtonLook() const = 0;

 protected:
  ~ToolButtonOwner() = default;
};

// The states a tool button is drawn in: exclusive is a grouped button that stays down.
enum class ToolButtonState : std::uint8_t { Up, Disabled, Down, Exclusive };

// A captioned toolbar button: a glyph from an image list and a caption with an "&" access
// key. Flat: the face shows only while the mouse is over it or it is pressed; otherwise the
// toolbar shows through. Clicks come from the left button released inside, from the access
// key, and from Enter or Space while it holds the keyboard focus (it takes the focus only when
// asked to, never by a click or Tab). Buttons of one group (the same GroupIndex, not 0, on one
// parent) stay down one at a time; AllowAllUp lets the down one be raised again.
class TUiToolButton : public ui::Control {
 public:
  TUiToolButton();

  // The glyph list; null takes the toolbar's (not owned).
  void SetImages(const ui::ImageList* images);
  void SetImageIndex(int index);
  // Glyphs for the hot, down and disabled looks; -1 uses ImageIndex.
  void SetHotIndex(int index);
  void SetDownIndex(int index);
  void SetDisabledIndex(int index);
  TButtonLayout Layout() const { return m_layout; }
  void SetLayout(TButtonLayout layout);
  bool ShowCaption() const { return m_showCaption; }
  void SetShowCaption(bool show);
  TUiVisualStyle VisualStyle() const { return m_visualStyle; }
  void SetVisualStyle(TUiVisualStyle style);
  void SetGradientColorStyle(TUiGradientColorStyle style);
  // The selection colours of the gradient look with gcsCustom.
  void SetSelectionColors(gfx::Color start, gfx::Color stop, gfx::Color frame);
  void SetFlat(bool flat);
  void SetTransparent(bool transparent);
  // Glyph and caption together, shifted toward a side or centred.
  void SetAlignment(ui::Alignment alignment);

  // Which of the toolbar's settings the button follows.
  void SetUseToolbarShowCaption(bool use);
  void SetUseToolbarButtonLayout(bool use);
  void SetUseToolbarButtonSize(bool use);
  void SetUseToolbarVisualStyle(bool use);
  // A setting of the toolbar changed: the button copies it if it follows it.
  void ToolbarChanged(ToolbarProperty property);

  // Groups.
  int GroupIndex() const { return m_groupIndex; }
  void SetGroupIndex(int index);
  bool Down() const { return m_downValue; }
  void SetDown(bool down);  // in a group, raises the other down button
  void SetAllowAllUp(bool allow);

  ToolButtonState State() const { return m_state; }
  bool MouseOver() const { return m_mouseOver; }
  bool Pressed() const { return m_state == ToolButtonState::Down; }

  // The image list in use: the button's own, else its toolbar's.
  const ui::ImageList* GlyphList() const;
  // The glyph drawn now, -1 for none.
  int GlyphIndex() const;
  // Set by the toolbar while the button stands on it; null otherwise.
  void SetOwner(ToolButtonOwner* owner);
  // Where the glyph and the caption go, client pixels, measured with the button's font.
  ToolButtonPlacement Placement(gfx::Canvas& canvas) const;

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseUp(const ui::MouseEvent& e) override;
  void MouseEnter() override { SetMouseOver(true); }
  void MouseLeave() override { SetMouseOver(false); }
  void CaptureLost() override;
  void KeyDown(ui::KeyEvent& e) override;
  bool DialogChar(const ui::CharEvent& e) override;
  void EnabledChanged() override;
  void Loaded() override;

 private:
  void SetMouseOver(bool over);
  void SetState(ToolButtonState state);
  // The state of a button that is neither pressed nor disabled: exclusive while down.
  ToolButtonState RestingState() const;
  // A press released inside, an access key, Enter or Space: toggles a grouped button, then
  // clicks unless the group refused the change.
  void Activate();
  void RaiseGroupSiblings();
  // With UseToolbarButtonSize: the toolbar's button size, widened to fit glyph and caption.
  void FitToToolbar();
  void PaintFace(gfx::Canvas& canvas) const;
  void PaintGradientFace(gfx::Canvas& canvas) const;
  void PaintCheckerFill(gfx::Canvas& canvas, const gfx::Rect& r) const;

  ToolButtonOwner* m_owner = nullptr;
  const ui::ImageList* m_images = nullptr;
  int m_imageIndex = -1;
  int m_hotIndex = -1;
  int m_downIndex = -1;
  int m_disabledIndex = -1;
  TButtonLayout m_layout = blGlyphLeft;
  bool m_showCaption = false;
  TUiVisualStyle m_visualStyle = vsWinXP;
  TUiGradientColorStyle m_gradientColorStyle = gcsSystem;
  gfx::Color m_selectionStart = gfx::clBtnFace;
  gfx::Color m_selectionStop = gfx::clBtnShadow;
  gfx::Color m_selectionFrame = gfx::cl3DDkShadow;
  bool m_flat = true;
  bool m_transparent = true;
  ui::Alignment m_alignment = ui::Alignment::Center;
  bool m_useToolbarShowCaption = true;
  bool m_useToolbarButtonLayout = true;
  bool m_useToolbarButtonSize = true;
  bool m_useToolbarVisualStyle = true;
  int m_groupIndex = 0;
  bool m_downValue = false;
  bool m_allowAllUp = false;
  ToolButtonState m_state = ToolButtonState::Up;
  bool m_mouseOver = false;
  bool m_dragging = false;
};

}  // namespace orvanta::controls
