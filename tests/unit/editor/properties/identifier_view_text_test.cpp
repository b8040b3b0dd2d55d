#include "editor/properties/identifier_view_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(UsingText, ListsTheDialogsAndMarksWhereALongListIsCut) {
  const std::vector<std::string> ab = {"IDD_A", "IDD_B"}, three = {"IDD_FIRST", "IDD_SECOND", "IDD_THIRD"};
  const struct {
    const std::vector<std::string>& users;
    size_t limit;
    std::string expected;
  } cases[] = {
      {ab, 253, "IDD_A; IDD_B"},   {ab, 12, "IDD_A; IDD_B"},  // exactly the limit
      {ab, 11, "IDD_A; ..."},      {ab, 10, "IDD_A; ..."},    {ab, 9, "..."},
      {three, 26, "IDD_FIRST; IDD_SECOND; ..."},             {three, 25, "IDD_FIRST; ..."},
      {{}, 0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UsingText(c.users, c.limit), c.expected) << c.limit;
}

}  // namespace
