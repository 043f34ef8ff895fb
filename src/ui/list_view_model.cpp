#include "ui/list_view_model.h"

#include <algorithm>

namespace orvanta::ui {

void ListItem::Append(std::string_view text) {
  std::size_t length = text.size();
  do {
    auto byte = static_cast<char>(length & 0x7F);
    length >>= 7;
    if (length != 0) {
      byte = static_cast<char>(byte | 0x80);
    }
    m_texts.push_back(byte);
  } while (length != 0);
  m_texts.append(text);
  ++m_count;
}

std::string_view ListItem::Text(int index) const {
  if (index >= m_count) {
    return {};
  }
  std::size_t at = 0;
  for (int i = 0;; ++i) {
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
      const auto byte = static_cast<unsigned char>(m_texts[at++]);
      length |= static_cast<std::size_t>(byte & 0x7F) << shift;
      if ((byte & 0x80) == 0) {
        break;
      }
    }
    if (i == index) {
      return std::string_view(m_texts).substr(at, length);
    }
    at += length;
  }
}

void ListItem::SetCaption(std::string_view caption) {
  ListItem rebuilt;
  rebuilt.StateIndex = StateIndex;
  rebuilt.Append(caption);
  for (int i = 0; i < SubItemCount(); ++i) {
    rebuilt.Append(SubItem(i));
  }
  *this = std::move(rebuilt);
}

void ListItem::AddSubItem(std::string_view text) {
  if (m_count == 0) {
    Append({});  // the caption, empty until set
  }
  Append(text);
}

void ListItem::ClearSubItems() {
  std::string caption(Caption());
  m_texts.clear();
  m_count = 0;
  if (!caption.empty()) {
    Append(caption);
  }
}

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
  ++m_clearings;
  Touch();
}

ListItem& ListViewModel::AddItem() {
  Touch();
  return m_items.emplace_back();
}

void ListViewModel::SortItems(const std::function<bool(const ListItem&, const ListItem&)>& before) {
  std::stable_sort(m_items.begin(), m_items.end(), before);
  Touch();
}

}  // namespace orvanta::ui
