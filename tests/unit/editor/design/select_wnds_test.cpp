#include "editor/design/select_wnds.h"

#include <gtest/gtest.h>

namespace {

WindowHandle W(int n) { return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(n * 8)); }

TEST(SelectWnds, PrimaryIsTheFirstEntry) {
  CSelectWnds selection(nullptr);
  selection.SelectOnly(W(1));
  selection.AddAsPrimary(W(2));
  selection.AddAsPrimary(W(3));
  EXPECT_EQ(selection.windows, (std::vector<WindowHandle>{W(3), W(2), W(1)}));
  // Making a selected window primary swaps it with the old primary and keeps all.
  selection.AddAsPrimary(W(1));
  EXPECT_EQ(selection.windows, (std::vector<WindowHandle>{W(1), W(2), W(3)}));
  EXPECT_EQ(selection.IndexOf(W(3)), 2);
  EXPECT_EQ(selection.Remove(W(2)), 1);
  EXPECT_EQ(selection.Remove(W(2)), 0);
  EXPECT_EQ(selection.IsSelected(W(2)), 0);
  EXPECT_EQ(selection.IndexOf(W(2)), -1);
  selection.SelectOnly(W(4));
  EXPECT_EQ(selection.windows, (std::vector<WindowHandle>{W(4)}));
}

}  // namespace
