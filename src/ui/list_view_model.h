#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::ui {

enum class ColumnAlignment { Left, Right, Center };

struct ListColumn {
  std::string Caption;
  int Width = 50;    // pixels actually shown
  int MaxWidth = 0;  // 0 = no limit
  ColumnAlignment Alignment = ColumnAlignment::Left;
  bool FillsRest = false;  // sizes itself to the width the other columns leave free
  int ImageIndex = -1;     // the header's picture, from the list's small images
};

// One row: its state image and its texts, the caption (column 0) and the sub-items (columns 1,
// 2, ...). The texts stand one after another in one string, each behind its length, so a row
// costs one allocation however many columns it has: a list of runs holds hundreds of
// thousands of rows.
class ListItem {
 public:
  int StateIndex = -1;  // index into the state image list, -1 = none

  std::string_view Caption() const { return Text(0); }
  void SetCaption(std::string_view caption);
  int SubItemCount() const { return m_count > 0 ? m_count - 1 : 0; }
  // The text of sub-item index (column index + 1); empty beyond the last one.
  std::string_view SubItem(int index) const {
    return index < 0 ? std::string_view() : Text(index + 1);
  }
  void AddSubItem(std::string_view text);
  void ClearSubItems();
  // Replaces the sub-items in one allocation.
  template <typename Iterator>
  void SetSubItems(Iterator first, Iterator last) {
    std::size_t size = m_count > 0 ? Text(0).size() + kMaxLengthBytes : 0;
    for (Iterator it = first; it != last; ++it) {
      size += std::string_view(*it).size() + kMaxLengthBytes;
    }
    ClearSubItems();
    m_texts.reserve(size + kMaxLengthBytes);
    for (; first != last; ++first) {
      AddSubItem(*first);
    }
  }
  void SetSubItems(std::initializer_list<std::string_view> texts) {
    SetSubItems(texts.begin(), texts.end());
  }

 private:
  std::string_view Text(int index) const;
  void Append(std::string_view text);

  static constexpr std::size_t kMaxLengthBytes = 10;  // of a 64-bit length, 7 bits a byte

  std::string m_texts;  // each text as its length (7 bits a byte, high bit = more) and bytes
  int m_count = 0;      // texts stored, the caption included once a sub-item is added
};

// The data of a report-style list view: columns and rows. The list view control paints it;
// whoever fills it needs nothing else, so it can be filled and inspected without a window.
class ListViewModel {
 public:
  ListViewModel() = default;
  // Copies carry the columns and rows, never the change listener: assigning a whole model to
  // the one a list view shows keeps that view informed.
  ListViewModel(const ListViewModel& other) : m_columns(other.m_columns), m_items(other.m_items) {}
  ListViewModel(ListViewModel&& other) noexcept
      : m_columns(std::move(other.m_columns)), m_items(std::move(other.m_items)) {}
  ListViewModel& operator=(const ListViewModel& other) {
    if (this != &other) {
      m_columns = other.m_columns;
      m_items = other.m_items;
      Touch();
    }
    return *this;
  }
  ListViewModel& operator=(ListViewModel&& other) noexcept {
    if (this != &other) {
      m_columns = std::move(other.m_columns);
      m_items = std::move(other.m_items);
      Touch();
    }
    return *this;
  }

  void AddColumn(ListColumn column);
  int ColumnCount() const { return static_cast<int>(m_columns.size()); }
  const ListColumn& Column(int index) const {
    return m_columns.at(static_cast<std::size_t>(index));
  }
  // A width above a non-zero maximum is cut to the maximum.
  void SetColumnWidth(int index, int width);
  int ColumnWidth(int index) const { return Column(index).Width; }
  void SetColumnMaxWidth(int index, int maxWidth);

  void ClearItems();
  ListItem& AddItem();  // appended at the end; valid until the next AddItem or ClearItems
  int ItemCount() const { return static_cast<int>(m_items.size()); }
  const ListItem& Item(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  ListItem& Item(int index) { return m_items.at(static_cast<std::size_t>(index)); }
  void ReserveItems(std::size_t count) { m_items.reserve(count); }
  // Puts the rows in the order `before` gives, keeping equal rows as they stand.
  void SortItems(const std::function<bool(const ListItem&, const ListItem&)>& before);

  // Bumped by ClearItems, so a view drops its selection and scrolls back to the top: the rows
  // that follow are other rows, whatever their number.
  std::uint64_t Clearings() const { return m_clearings; }
  // Tells the view of a change.
  void Touch() {
    if (m_onChange) {
      m_onChange();
    }
  }
  // Called after every change (the list view that shows the model repaints).
  void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

 private:
  std::function<void()> m_onChange;
  std::vector<ListColumn> m_columns;
  std::vector<ListItem> m_items;
  std::uint64_t m_clearings = 0;
};

}  // namespace orvanta::ui
