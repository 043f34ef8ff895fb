#include "ui/application.h"
#include "ui/form.h"
#include "ui/rect_ops.h"

// Painting the invalid part of the tree into the frame and presenting it.
namespace orvanta::ui {

void Form::InvalidateFormRect(const gfx::Rect& r) {
  const gfx::Rect clipped = r.Intersect(ClientRect());
  if (clipped.IsEmpty() || !Visible()) {
    return;
  }
  m_dirty = UnionRect(m_dirty, clipped);
  m_app.RequestPaint();
}

bool Form::NeedsPaint() const {
  return Visible() && m_window != kNoWindow && (!m_dirty.IsEmpty() || !m_present.IsEmpty());
}

namespace {

void PrepareTree(Control& control) {
  control.DispatchPrepareToPaint();
  for (int i = 0; i < control.ChildCount(); ++i) {
    if (control.Child(i).Visible()) {
      PrepareTree(control.Child(i));
    }
  }
}

}  // namespace

void Form::PaintAndPresent() {
  if (NeedsPaint()) {
    PrepareTree(*this);
  }
  if (!NeedsPaint()) {
    m_dirty = {};
    m_present = {};
    return;
  }
  if (m_frame.GetSize() != gfx::Size{Width(), Height()}) {
    m_frame.Resize(Width(), Height());
    m_dirty = ClientRect();
    m_framePainted = false;
  }
  gfx::Rect area = m_dirty;
  if (!area.IsEmpty()) {
    m_dirty = {};
    if (std::unique_ptr<gfx::Canvas> canvas = m_app.CreateCanvas(m_frame)) {
      PaintTree(*canvas, area);
    }
    m_framePainted = m_framePainted || area == ClientRect();
  }
  area = UnionRect(area, m_present);
  m_present = {};
  if (!area.IsEmpty()) {
    m_app.Host().Present(m_window, m_frame, area);
  }
}

void Form::PaintTree(gfx::Canvas& canvas, const gfx::Rect& area) {
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(area);
  PaintControl(canvas, canvas.Origin(), *this, area);
}

void Form::PaintControl(gfx::Canvas& canvas, gfx::Point base, Control& control,
                        const gfx::Rect& area) {
  const gfx::Rect bounds = control.BoundsInForm();
  if (!Intersects(bounds, area)) {
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  canvas.SetOrigin({base.X + bounds.Left, base.Y + bounds.Top});
  canvas.IntersectClipRect(control.ClientRect());
  canvas.SetFont(control.Font());
  control.Paint(canvas);
  for (int i = 0; i < control.ChildCount(); ++i) {
    Control& child = control.Child(i);
    if (child.Visible()) {
      PaintControl(canvas, base, child, area);
    }
  }
}

void Form::Paint(gfx::Canvas& canvas) {
  canvas.FillRect(ClientRect(), Color());
}

}  // namespace orvanta::ui
