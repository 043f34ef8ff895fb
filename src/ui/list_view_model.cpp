#include "ui/list_view_model.h"

#include <algorithm>

namespace orvanta::ui {

void ListViewModel::AddColumn(ListColumn column) {
  m_columns.push_back(std::move(column));
  Touch();
}

void ListViewModel::SetColumnWidth(int index, int width) {
  ListColumn& column = m_columns.at(static_cast<std::size_t>(index));
  width = std::max(width, 0);
  if (column.MaxWidth > 0) {
    width = std::min(width, column.MaxWidth);
  }
  column.Width = width;
  Touch();
}

void ListViewModel::SetColumnMaxWidth(int index, int maxWidth) {
  ListColumn& column = m_columns.at(static_cast<std::size_t>(index));
  column.MaxWidth = std::max(maxWidth, 0);
  if (column.MaxWidth > 0) {
    column.Width = std::min(column.Width, column.MaxWidth);
  }
  Touch();
}

void ListViewModel::ClearItems() {
  m_items.clear();
  Touch();
}

ListItem& ListViewModel::AddItem() {
  Touch();
  return m_items.emplace_back();
}

}  // namespace orvanta::ui
