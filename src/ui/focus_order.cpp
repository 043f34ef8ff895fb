#include "ui/focus_order.h"

#include <algorithm>

#include "ui/control.h"

namespace orvanta::ui {

namespace {

void Collect(Control& parent, std::vector<Control*>& out) {
  std::vector<Control*> children;
  for (int i = 0; i < parent.ChildCount(); ++i) {
    children.push_back(&parent.Child(i));
  }
  std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
    return a->TabOrder() < b->TabOrder();
  });
  for (Control* child : children) {
    if (!child->Visible() || !child->Enabled()) {
      continue;
    }
    if (child->TabStop() && child->CanFocus()) {
      out.push_back(child);
    }
    Collect(*child, out);
  }
}

}  // namespace

std::vector<Control*> TabList(Control& root) {
  std::vector<Control*> list;
  Collect(root, list);
  return list;
}

Control* NextTabStop(Control& root, Control* current, TabDirection direction) {
  const bool forward = direction == TabDirection::Forward;
  const std::vector<Control*> list = TabList(root);
  if (list.empty()) {
    return nullptr;
  }
  const auto it = std::find(list.begin(), list.end(), current);
  if (it == list.end()) {
    return forward ? list.front() : list.back();
  }
  const auto index = static_cast<std::size_t>(it - list.begin());
  const std::size_t n = list.size();
  return list[forward ? (index + 1) % n : (index + n - 1) % n];
}

}  // namespace orvanta::ui
