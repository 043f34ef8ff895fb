#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/list_view_model.h"

namespace orvanta::ui {
namespace {

std::vector<std::string> Texts(const ListItem& item) {
  std::vector<std::string> texts{std::string(item.Caption())};
  for (int i = 0; i < item.SubItemCount(); ++i) {
    texts.emplace_back(item.SubItem(i));
  }
  return texts;
}

TEST(ListItem, KeepsEveryTextWhateverItsLength) {
  // Lengths around the one-byte and two-byte length prefixes, empty texts among them.
  const std::vector<std::string> subItems = {"", std::string(127, 'a'), std::string(128, 'b'),
                                             "正常关机", "", std::string(20000, 'c')};
  ListItem item;
  for (const std::string& text : subItems) {
    item.AddSubItem(text);
  }
  std::vector<std::string> expected{""};
  expected.insert(expected.end(), subItems.begin(), subItems.end());
  EXPECT_EQ(Texts(item), expected);
  EXPECT_EQ(item.SubItem(static_cast<int>(subItems.size())), "");
  EXPECT_EQ(item.SubItem(-1), "");
}

TEST(ListItem, CaptionAndSubItemsChangeIndependently) {
  ListItem item;
  item.SetSubItems({"boot", "shutdown"});
  item.SetCaption("row");
  EXPECT_EQ(Texts(item), (std::vector<std::string>{"row", "boot", "shutdown"}));
  item.SetSubItems({"x"});
  EXPECT_EQ(Texts(item), (std::vector<std::string>{"row", "x"}));
  item.SetCaption("");
  EXPECT_EQ(Texts(item), (std::vector<std::string>{"", "x"}));
  item.ClearSubItems();
  EXPECT_EQ(item.SubItemCount(), 0);
  EXPECT_EQ(item.Caption(), "");
}

}  // namespace
}  // namespace orvanta::ui
