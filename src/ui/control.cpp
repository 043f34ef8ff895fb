#include "ui/control.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

namespace orvanta::ui {

Control::Control() = default;

Control::~Control() {
  DestroyChildren();
  if (m_form != nullptr) {
    m_form->ForgetControl(*this, ControlGone::Destroyed);
  }
}

void Control::DestroyChildren() {
  while (!m_children.empty()) {
    // Detach first so that the child's destructor sees a consistent tree.
    std::unique_ptr<Control> child = std::move(m_children.back());
    m_children.pop_back();
    child.reset();
  }
}

Control& Control::Insert(std::unique_ptr<Control> child) {
  // A control with a parent is owned by it, so a unique_ptr to it cannot exist: the child
  // comes without a parent.
  Control& ref = *child;
  ref.m_parent = this;
  ref.m_tabOrder = static_cast<int>(m_children.size());
  m_children.push_back(std::move(child));
  ref.SetFormInTree(GetForm());
  if (ref.m_parentFont) {
    ref.ParentFontChanged();
  }
  if (ref.m_parentColor) {
    ref.ParentColorChanged();
  }
  if (ref.m_align != Align::None) {
    Realign();
  }
  ref.Invalidate();
  ChildAdded(ref);
  return ref;
}

std::unique_ptr<Control> Control::Remove(Control& child) {
  auto it = std::find_if(m_children.begin(), m_children.end(),
                         [&](const auto& c) { return c.get() == &child; });
  if (it == m_children.end()) {
    return nullptr;
  }
  child.Invalidate();
  if (Form* form = GetForm()) {
    form->ForgetControl(child, ControlGone::Unreachable);
  }
  std::unique_ptr<Control> owned = std::move(*it);
  m_children.erase(it);
  owned->m_parent = nullptr;
  owned->SetFormInTree(nullptr);
  if (owned->m_align != Align::None) {
    Realign();
  }
  ChildRemoved(*owned);
  return owned;
}

int Control::IndexOf(const Control& child) const {
  for (std::size_t i = 0; i < m_children.size(); ++i) {
    if (m_children[i].get() == &child) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool Control::IsAncestorOf(const Control& other) const {
  for (const Control* c = &other; c != nullptr; c = c->m_parent) {
    if (c == this) {
      return true;
    }
  }
  return false;
}

Form* Control::GetForm() const {
  return m_form != nullptr ? m_form : m_selfForm;
}

Application* Control::App() const {
  Form* form = GetForm();
  return form != nullptr ? &form->OwnerApp() : Application::Current();
}

void Control::SetFormInTree(Form* form) {
  const bool changed = m_form != form;
  m_form = form;
  for (auto& child : m_children) {
    child->SetFormInTree(form);
  }
  if (changed) {
    FormChanged();
  }
}

void Control::SetBounds(const gfx::Rect& requested) {
  gfx::Rect bounds = requested;
  bounds.Right = std::max(bounds.Right, bounds.Left);
  bounds.Bottom = std::max(bounds.Bottom, bounds.Top);
  if (bounds == m_bounds) {
    return;
  }
  const bool resized = bounds.Width() != Width() || bounds.Height() != Height();
  if (m_parent != nullptr && m_visible) {
    m_parent->Invalidate(m_bounds);
  }
  m_bounds = bounds;
  if (m_parent != nullptr && m_visible) {
    m_parent->Invalidate(m_bounds);
  } else if (m_parent == nullptr) {
    Invalidate();
  }
  if (resized) {
    Realign();
    Resized();
    if (OnResize) {
      OnResize();
    }
    if (m_parent != nullptr) {
      m_parent->ChildResized(*this);
    }
  }
  if (m_parent != nullptr && m_align != Align::None && !m_aligning) {
    m_parent->ChildLayoutChanged(*this);
  }
}

void Control::ApplyAlignedBounds(const gfx::Rect& bounds) {
  m_aligning = true;
  SetBounds(bounds);
  m_aligning = false;
}

void Control::ChildLayoutChanged(const Control&) {
  Realign();
}

void Control::SetAlign(Align align) {
  if (m_align == align) {
    return;
  }
  m_align = align;
  if (m_parent != nullptr) {
    m_parent->Realign();
  }
}

void Control::Realign() {
  bool any = false;
  for (const auto& child : m_children) {
    any = any || (child->m_align != Align::None && child->m_visible);
  }
  if (!any) {
    return;
  }
  // A child may change its own size while it is being placed (a toolbar that wraps its
  // buttons grows taller); the others are then placed again around its new size.
  constexpr int kMaxPasses = 3;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    std::vector<AlignItem> items;
    std::vector<Control*> placed;
    for (const auto& child : m_children) {
      if (child->m_align != Align::None && child->m_visible) {
        items.push_back({child->m_align, child->m_bounds});
        placed.push_back(child.get());
      }
    }
    const std::vector<gfx::Rect> bounds = AlignBounds(AlignArea(), items);
    bool settled = true;
    for (std::size_t i = 0; i < placed.size(); ++i) {
      placed[i]->ApplyAlignedBounds(bounds[i]);
      settled = settled && placed[i]->m_bounds == bounds[i];
    }
    if (settled) {
      return;
    }
  }
}

gfx::Point Control::ClientToForm(gfx::Point p) const {
  for (const Control* c = this; c->m_parent != nullptr; c = c->m_parent) {
    p.X += c->m_bounds.Left;
    p.Y += c->m_bounds.Top;
  }
  return p;
}

gfx::Point Control::FormToClient(gfx::Point p) const {
  const gfx::Point origin = ClientToForm({0, 0});
  return {p.X - origin.X, p.Y - origin.Y};
}

gfx::Point Control::ClientToScreen(gfx::Point p) const {
  const gfx::Point inForm = ClientToForm(p);
  Form* form = GetForm();
  return form != nullptr ? form->FormClientToScreen(inForm) : inForm;
}

gfx::Rect Control::BoundsInForm() const {
  const gfx::Point origin = ClientToForm({0, 0});
  return gfx::Rect::FromSize(origin.X, origin.Y, Width(), Height());
}

Control* Control::ControlAt(gfx::Point p) {
  if (!HitTest(p)) {
    return nullptr;
  }
  for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
    Control& child = **it;
    if (!child.m_visible) {
      continue;
    }
    const gfx::Point local{p.X - child.m_bounds.Left, p.Y - child.m_bounds.Top};
    if (Control* hit = child.ControlAt(local)) {
      return hit;
    }
  }
  return this;
}

void Control::SetVisible(bool visible) {
  if (m_visible == visible) {
    return;
  }
  if (!visible) {
    Invalidate();
    if (Form* form = GetForm(); form != nullptr && m_form != nullptr) {
      form->ForgetControl(*this, ControlGone::Unreachable);
    }
  }
  m_visible = visible;
  if (m_parent != nullptr && m_align != Align::None) {
    m_parent->Realign();
  }
  if (visible) {
    Invalidate();
  }
  VisibleChanged();
  if (m_parent != nullptr) {
    m_parent->ChildVisibleChanged(*this);
  }
}

bool Control::Showing() const {
  for (const Control* c = this; c != nullptr; c = c->m_parent) {
    if (!c->m_visible) {
      return false;
    }
    if (c->m_parent == nullptr) {
      return c->m_selfForm != nullptr;
    }
  }
  return false;
}

void Control::SetEnabled(bool enabled) {
  if (m_enabled == enabled) {
    return;
  }
  m_enabled = enabled;
  if (!enabled) {
    if (Form* form = GetForm(); form != nullptr && m_form != nullptr) {
      form->ForgetControl(*this, ControlGone::Unreachable);
    }
  }
  Invalidate();
  EnabledChanged();
}

bool Control::EnabledInTree() const {
  for (const Control* c = this; c != nullptr; c = c->m_parent) {
    if (!c->m_enabled) {
      return false;
    }
  }
  return true;
}

void Control::SetCaption(std::string caption) {
  if (caption == m_caption) {
    return;
  }
  m_caption = std::move(caption);
  CaptionChanged();
  Invalidate();
}

const gfx::Font& Control::Font() const {
  const Control* c = this;
  while (c->m_parentFont && c->m_parent != nullptr) {
    c = c->m_parent;
  }
  return c->m_font;
}

void Control::SetFont(const gfx::Font& font) {
  if (!m_parentFont && font == m_font) {
    return;
  }
  m_font = font;
  m_parentFont = false;
  ParentFontChanged();
}

void Control::SetParentFont(bool parentFont) {
  if (m_parentFont == parentFont) {
    return;
  }
  if (!parentFont) {
    m_font = Font();
  }
  m_parentFont = parentFont;
  ParentFontChanged();
}

void Control::ParentFontChanged() {
  FontChanged();
  Invalidate();
  for (auto& child : m_children) {
    if (child->m_parentFont) {
      child->ParentFontChanged();
    }
  }
}

gfx::Color Control::Color() const {
  const Control* c = this;
  while (c->m_parentColor && c->m_parent != nullptr) {
    c = c->m_parent;
  }
  return c->m_color;
}

void Control::SetColor(gfx::Color color) {
  if (!m_parentColor && color == m_color) {
    return;
  }
  m_color = color;
  m_parentColor = false;
  ParentColorChanged();
}

void Control::SetParentColor(bool parentColor) {
  if (m_parentColor == parentColor) {
    return;
  }
  if (!parentColor) {
    m_color = Color();
  }
  m_parentColor = parentColor;
  ParentColorChanged();
}

void Control::ParentColorChanged() {
  ColorChanged();
  Invalidate();
  for (auto& child : m_children) {
    if (child->m_parentColor) {
      child->ParentColorChanged();
    }
  }
}

void Control::Invalidate() {
  Invalidate(ClientRect());
}

void Control::Invalidate(const gfx::Rect& client) {
  Form* form = GetForm();
  if (form == nullptr || !Showing()) {
    return;
  }
  // Clip to this control and each ancestor, in form pixels.
  gfx::Rect r = client.Intersect(ClientRect());
  for (const Control* c = this; c->m_parent != nullptr && !r.IsEmpty(); c = c->m_parent) {
    r = r.Offset(c->m_bounds.Left, c->m_bounds.Top).Intersect(c->m_parent->ClientRect());
  }
  if (!r.IsEmpty()) {
    form->InvalidateFormRect(r);
  }
}

void Control::Paint(gfx::Canvas&) {}

std::unique_ptr<gfx::Canvas> Control::CreateCanvas(gfx::Bitmap& bitmap) const {
  Application* app = App();
  return app != nullptr ? app->CreateCanvas(bitmap) : nullptr;
}

gfx::Canvas* Control::MeasuringCanvas() const {
  Application* app = App();
  if (app == nullptr) {
    return nullptr;
  }
  gfx::Canvas& canvas = app->MeasuringCanvas();
  canvas.SetFont(Font());
  return &canvas;
}

bool Control::CanFocus() const {
  return (m_style & kCsAcceptsFocus) != 0 && Showing() && EnabledInTree();
}

bool Control::Focused() const {
  Form* form = GetForm();
  return form != nullptr && form->ActiveControl() == this && form->WindowActive();
}

bool Control::SetFocus() {
  Form* form = GetForm();
  return form != nullptr && form->FocusControl(this);
}

void Control::SetMouseCapture() {
  if (Form* form = GetForm()) {
    form->Mouse().SetCapture(this);
  }
}

void Control::ReleaseMouseCapture() {
  if (Form* form = GetForm(); form != nullptr && form->Mouse().Capture() == this) {
    form->Mouse().ReleaseCapture();
  }
}

bool Control::HasMouseCapture() const {
  Form* form = GetForm();
  return form != nullptr && form->Mouse().Capture() == this;
}

void Control::FinishLoading() {
  Loaded();
  // A Loaded handler may add children; index afresh on every step.
  for (std::size_t i = 0; i < m_children.size(); ++i) {
    m_children[i]->FinishLoading();
  }
}

void Control::Click() {
  if (OnClick) {
    OnClick();
  }
}

}  // namespace orvanta::ui
