#pragma once

#include <functional>

#include "gfx/bitmap.h"
#include "ui/control.h"
#include "ui/focus_order.h"
#include "ui/mouse_router.h"
#include "ui/window_host.h"

namespace orvanta::ui {

class Application;

enum class BorderStyle { Sizeable, Single, None };
// Where a form's window goes when it is first shown.
enum class FormPlacement { Designed, DesktopCenter, OwnerFormCenter };
enum class CloseAction { None, Hide };
// Why a form forgets a control: it is being destroyed, or it became unreachable (hidden,
// disabled or removed from the tree).
enum class ControlGone { Destroyed, Unreachable };

enum ModalResult : int { kMrNone = 0, kMrOk = 1, kMrCancel = 2 };

struct BorderIcons {
  bool SystemMenu = true;
  bool Minimize = true;
  bool Maximize = true;
};

// A top-level window: the root of a control tree, with one host window. Its bounds are its
// client area (left and top 0); SetScreenPosition places the client area on the screen. The whole
// client area is painted into an off-screen frame and handed to the host; only the invalid
// part is repainted and presented.
class Form : public Control {
 public:
  explicit Form(Application& app);
  ~Form() override;

  Application& OwnerApp() const { return m_app; }
  WindowId Window() const { return m_window; }

  // Window properties; set them before the first Show.
  void SetOwner(Form* owner) { m_owner = owner; }
  BorderStyle GetBorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(BorderStyle style) { m_borderStyle = style; }
  void SetBorderIcons(const BorderIcons& icons) { m_icons = icons; }
  void SetPlacement(FormPlacement placement) { m_placement = placement; }
  void SetScreenPosition(gfx::Point p);  // the client area's top-left, screen pixels
  void SetClientSize(int width, int height);
  gfx::Point FormClientToScreen(gfx::Point p) const;

  // Creates the window on the first show; showing a shown form activates its window.
  void Show() override;
  // Asks to close: OnClose may refuse. A modal form ends its modal loop; the main form ends the
  // application; any other form hides.
  void Close();
  // Shows the form over its owner (or the main form) and runs a nested message loop until the
  // form closes or sets a modal result; the other forms take no input meanwhile.
  int ShowModal();
  int GetModalResult() const { return m_modalResult; }
  void SetModalResult(int result) { m_modalResult = result; }

  std::function<void(CloseAction&)> OnClose;
  std::function<void()> OnShow;

  // Focus.
  Control* ActiveControl() const { return m_activeControl; }
  void SetActiveControl(Control* control) { FocusControl(control); }
  bool FocusControl(Control* control);
  bool SelectNext(TabDirection direction);
  bool WindowActive() const { return m_windowActive; }
  bool InputEnabled() const { return m_inputEnabled; }

  // The size operation from the bottom-right corner (a size grip asks for it), and whether
  // the window is maximised (the grip is not offered then).
  void BeginSizeFromBottomRight();
  bool IsMaximized() const;

  // Painting.
  void InvalidateFormRect(const gfx::Rect& r);
  bool NeedsPaint() const;
  void PaintAndPresent();  // paints the invalid part and presents it
  // Paints the part area (form client pixels) of the tree onto any canvas.
  void PaintTree(gfx::Canvas& canvas, const gfx::Rect& area);
  const gfx::Bitmap& Frame() const { return m_frame; }
  void Paint(gfx::Canvas& canvas) override;

  // Called by the application and the controls.
  void HandleHostEvent(const HostEvent& e);
  MouseRouter& Mouse() { return m_mouse; }
  // Drops every reference to the control's subtree: mouse, hint and focus.
  void ForgetControl(const Control& control, ControlGone how);
  void SetInputEnabled(bool enabled);

 protected:
  void CaptionChanged() override;
  void VisibleChanged() override;
  void Resized() override;

 private:
  void EnsureWindow();
  WindowSpec WindowRequest() const;  // all but the client bounds
  gfx::Point PlacedPosition(const WindowSpec& request) const;
  void HandleKeyDown(const HostEvent& e);
  void HandleKeyUp(const HostEvent& e);
  void HandleChar(const HostEvent& e);
  void SetWindowActive(bool active);
  void PaintControl(gfx::Canvas& canvas, gfx::Point base, Control& control, const gfx::Rect& area);

  Application& m_app;
  WindowId m_window = kNoWindow;
  Form* m_owner = nullptr;
  BorderStyle m_borderStyle = BorderStyle::Sizeable;
  BorderIcons m_icons;
  FormPlacement m_placement = FormPlacement::Designed;
  gfx::Point m_screenPos{0, 0};
  bool m_placed = false;
  bool m_modal = false;
  int m_modalResult = kMrNone;
  bool m_windowActive = false;
  bool m_inputEnabled = true;
  bool m_hostResizing = false;
  Control* m_activeControl = nullptr;
  MouseRouter m_mouse;
  gfx::Bitmap m_frame;
  bool m_framePainted = false;
  gfx::Rect m_dirty;    // to paint, form pixels
  gfx::Rect m_present;  // painted but not yet shown again (exposed)
};

}  // namespace orvanta::ui
