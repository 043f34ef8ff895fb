#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "ui/align_layout.h"
#include "ui/cursor.h"
#include "ui/events.h"

namespace orvanta::ui {

class Application;
class Form;

// What a kind of control does with the keyboard and the mouse.
enum ControlStyleFlag : unsigned {
  kCsNone = 0,
  kCsAcceptsFocus = 1u << 0,  // can hold the keyboard focus
  kCsWantsChars = 1u << 1,    // takes typed characters, so plain letters are not access keys
  kCsWantsTab = 1u << 2,      // takes Tab instead of moving the focus
  kCsClickEvents = 1u << 4,   // a left press and release inside the control clicks it
};

// A windowless control: a rectangle in its parent's client pixels that paints itself into its
// form's frame and receives the input that the form routes to it. Children are owned by their
// parent and painted after it, in child order (the last child is topmost). "Client pixels" are
// the control's own space, (0, 0) at its top-left corner.
class Control {
 public:
  Control();
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  std::string Name;  // for tests and diagnostics

  // Tree.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto child = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *child;
    Insert(std::move(child));
    return ref;
  }
  Control& Insert(std::unique_ptr<Control> child);
  std::unique_ptr<Control> Remove(Control& child);
  Control* Parent() const { return m_parent; }
  int ChildCount() const { return static_cast<int>(m_children.size()); }
  Control& Child(int index) const { return *m_children.at(static_cast<std::size_t>(index)); }
  int IndexOf(const Control& child) const;
  bool IsAncestorOf(const Control& other) const;  // also true for other == this
  Form* GetForm() const;
  Application* App() const;

  // Geometry.
  const gfx::Rect& Bounds() const { return m_bounds; }
  void SetBounds(const gfx::Rect& bounds);
  void SetBounds(int left, int top, int width, int height) {
    SetBounds(gfx::Rect::FromSize(left, top, width, height));
  }
  void MoveTo(int left, int top) { SetBounds(left, top, Width(), Height()); }
  void SetSize(int width, int height) { SetBounds(Left(), Top(), width, height); }
  int Left() const { return m_bounds.Left; }
  int Top() const { return m_bounds.Top; }
  int Width() const { return m_bounds.Width(); }
  int Height() const { return m_bounds.Height(); }
  gfx::Rect ClientRect() const { return {0, 0, Width(), Height()}; }
  // The part of the client area that aligned children share.
  virtual gfx::Rect AlignArea() const { return ClientRect(); }
  Align GetAlign() const { return m_align; }
  void SetAlign(Align align);
  void Realign();  // places the aligned children again
  gfx::Point ClientToForm(gfx::Point p) const;
  gfx::Point FormToClient(gfx::Point p) const;
  gfx::Point ClientToScreen(gfx::Point p) const;
  gfx::Rect BoundsInForm() const;
  // The deepest visible descendant under a client point, or this control, or null when the
  // point is outside.
  Control* ControlAt(gfx::Point p);
  // Whether a client point belongs to the control for mouse routing (shaped controls narrow it).
  virtual bool HitTest(gfx::Point p) const { return ClientRect().Contains(p); }

  // State.
  bool Visible() const { return m_visible; }
  void SetVisible(bool visible);
  // A form also brings its window forward when it is shown already.
  virtual void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Showing() const;  // this control and all its ancestors are visible, up to a shown form
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled);
  bool EnabledInTree() const;  // this control and all its ancestors are enabled

  // Appearance.
  const std::string& Caption() const { return m_caption; }
  void SetCaption(std::string caption);
  const gfx::Font& Font() const;
  void SetFont(const gfx::Font& font);  // turns ParentFont off
  void SetParentFont(bool parentFont);
  gfx::Color Color() const;
  void SetColor(gfx::Color color);  // turns ParentColor off
  bool ParentColor() const { return m_parentColor; }
  void SetParentColor(bool parentColor);
  CursorKind Cursor() const { return m_cursor; }
  void SetCursor(CursorKind cursor) { m_cursor = cursor; }
  const std::string& Hint() const { return m_hint; }
  void SetHint(std::string hint) { m_hint = std::move(hint); }
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool showHint) { m_showHint = showHint; }

  // Painting. Invalidate asks for a repaint of a client rectangle; the form paints on the next
  // round of the message loop. Paint draws with the canvas origin at the control's top-left
  // and the clip inside its client rectangle; the children are painted afterwards.
  void Invalidate();
  void Invalidate(const gfx::Rect& client);
  virtual void Paint(gfx::Canvas& canvas);
  // A canvas over an off-screen bitmap, and one for measuring text outside painting.
  std::unique_ptr<gfx::Canvas> CreateCanvas(gfx::Bitmap& bitmap) const;
  gfx::Canvas* MeasuringCanvas() const;  // with this control's font set; null without an app

  // Keyboard focus.
  unsigned Style() const { return m_style; }
  bool TabStop() const { return m_tabStop; }
  void SetTabStop(bool tabStop) { m_tabStop = tabStop; }
  int TabOrder() const { return m_tabOrder; }
  void SetTabOrder(int tabOrder) { m_tabOrder = tabOrder; }
  bool CanFocus() const;  // accepts focus, showing and enabled
  bool Focused() const;   // the focus control of its form while the form's window is active
  bool SetFocus();

  // Mouse capture: while held, every mouse event of the form goes to this control.
  void SetMouseCapture();
  void ReleaseMouseCapture();
  bool HasMouseCapture() const;

  // The layout that built this control and its children is complete: each control of the
  // subtree, parents before children, applies what waits for the whole layout (Loaded).
  void FinishLoading();

  // Runs the click behaviour (OnClick by default); programmatic clicks call it too.
  virtual void Click();

  std::function<void()> OnClick;
  std::function<void()> OnResize;

  // Entry points the form's input routing calls; they call the protected handlers below.
  void DispatchMouseDown(const MouseEvent& e) { MouseDown(e); }
  void DispatchMouseMove(const MouseEvent& e) { MouseMove(e); }
  void DispatchMouseUp(const MouseEvent& e) { MouseUp(e); }
  void DispatchMouseWheel(WheelEvent& e) { MouseWheel(e); }
  void DispatchMouseEnter() { MouseEnter(); }
  void DispatchMouseLeave() { MouseLeave(); }
  void DispatchKeyDown(KeyEvent& e) { KeyDown(e); }
  void DispatchKeyUp(KeyEvent& e) { KeyUp(e); }
  void DispatchKeyPress(CharEvent& e) { KeyPress(e); }
  bool DispatchDialogChar(const CharEvent& e) { return DialogChar(e); }
  bool DispatchDialogKey(const KeyEvent& e) { return DialogKey(e); }
  void DispatchFocusChanged(bool focused) { FocusChanged(focused); }
  void DispatchCaptureLost() { CaptureLost(); }
  CursorKind CursorFor(gfx::Point p) const { return CursorAt(p); }
  void DispatchPrepareToPaint() { PrepareToPaint(); }

 protected:
  void SetStyle(unsigned style) { m_style = style; }
  // Called by Form's constructor: the root of a tree that is a form.
  void SetSelfForm(Form* form) { m_selfForm = form; }
  // Starts hidden without the side effects of SetVisible (forms are hidden until shown).
  void InitHidden() { m_visible = false; }
  void DestroyChildren();

  virtual void MouseDown(const MouseEvent&) {}
  virtual void MouseMove(const MouseEvent&) {}
  virtual void MouseUp(const MouseEvent&) {}
  // Wheel turns over the control; set Handled to stop the parents from seeing it.
  virtual void MouseWheel(WheelEvent&) {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual CursorKind CursorAt(gfx::Point) const { return m_cursor; }
  virtual void KeyDown(KeyEvent&) {}
  virtual void KeyUp(KeyEvent&) {}
  virtual void KeyPress(CharEvent&) {}
  // Access keys: the form offers a typed character to every visible, enabled control in
  // tree order; the first that returns true takes it.
  virtual bool DialogChar(const CharEvent&) { return false; }
  // Enter and Escape that the focus control left alone, offered the same way (default and
  // cancel buttons); Ctrl+Tab, offered to the focus control and then its ancestors.
  virtual bool DialogKey(const KeyEvent&) { return false; }
  virtual void FocusChanged(bool /*focused*/) {}
  virtual void CaptureLost() {}
  virtual void Resized() {}
  virtual void CaptionChanged() {}
  virtual void FontChanged() {}
  virtual void ColorChanged() {}
  virtual void EnabledChanged() {}
  virtual void VisibleChanged() {}
  // The control was put on a form or taken off one (measuring becomes possible).
  virtual void FormChanged() {}
  // A child was inserted (after it is in place) or removed (after it is detached; it is still
  // alive, owned by whoever called Remove). Children destroyed with their parent are not
  // reported.
  virtual void ChildAdded(Control& /*child*/) {}
  virtual void ChildRemoved(Control& /*child*/) {}
  // Called by FinishLoading once the window's layout is built.
  virtual void Loaded() {}
  // A child changed its size or was shown or hidden (aligned or not).
  virtual void ChildResized(Control& /*child*/) {}
  virtual void ChildVisibleChanged(Control& /*child*/) {}
  // Runs before each paint of the form, for every showing control: the last moment to lay
  // out (it may still invalidate).
  virtual void PrepareToPaint() {}

 private:
  void SetFormInTree(Form* form);
  void ParentFontChanged();
  void ParentColorChanged();
  void ChildLayoutChanged(const Control& child);
  void ApplyAlignedBounds(const gfx::Rect& bounds);

  Control* m_parent = nullptr;
  Form* m_form = nullptr;      // the form this control sits on, null for a form itself
  Form* m_selfForm = nullptr;  // this control when it is a form
  std::vector<std::unique_ptr<Control>> m_children;
  gfx::Rect m_bounds{0, 0, 0, 0};
  Align m_align = Align::None;
  bool m_aligning = false;
  bool m_visible = true;
  bool m_enabled = true;
  std::string m_caption;
  gfx::Font m_font;
  bool m_parentFont = true;
  gfx::Color m_color = gfx::clBtnFace;
  bool m_parentColor = true;
  CursorKind m_cursor = CursorKind::Default;
  std::string m_hint;
  bool m_showHint = false;
  unsigned m_style = kCsNone;
  bool m_tabStop = false;
  int m_tabOrder = 0;
};

}  // namespace orvanta::ui
