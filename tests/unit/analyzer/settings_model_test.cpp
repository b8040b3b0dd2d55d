#include "analyzer/settings_model.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LineNameEditor, EnterOnTheLastLineWrapsToTheFirst) {
  LineNameEditor editor;
  editor.ComboClick(15);
  editor.ComboChange(L"Clock");
  EXPECT_EQ(editor.ComboEnter(), 0);
  EXPECT_EQ(editor.items[15], L"Clock");
  editor.ComboChange(L"Data");
  EXPECT_EQ(editor.ComboEnter(), 1);
  EXPECT_EQ(editor.items[0], L"Data");
}

TEST(LineNameEditor, EnterWithoutTypingKeepsTheNamesShown) {
  LineNameEditor editor;
  for (int i = 0; i < LineNameEditor::kLines; ++i) editor.items[i] = L"Ln " + std::to_wstring(i);
  editor.Shown(0);
  editor.ComboEnter();  // nothing typed since the window opened
  EXPECT_EQ(editor.items[0], L"Ln 0");
  editor.ComboChange(L"Clock");
  editor.ComboEnter();
  EXPECT_EQ(editor.items[1], L"Clock");
  EXPECT_EQ(editor.ComboEnter(), 3);  // line 2 keeps its name, not a second "Clock"
  EXPECT_EQ(editor.items[2], L"Ln 2");
}

TEST(LineNameEditor, TypingWithoutEnterKeepsTheItemAndClickOutsideIsIgnored) {
  LineNameEditor editor;
  editor.items[2] = L"Ln 2";
  editor.ComboClick(2);
  editor.ComboChange(L"an over-long name");
  EXPECT_EQ(editor.items[2], L"Ln 2");
  EXPECT_EQ(editor.EditBuffer, L"an over-lo");
  editor.ComboClick(-1);
  EXPECT_EQ(editor.EditIndex, 2);
}

TEST(RateMask, StoredTextsAreLaidIntoTheSixPlaces) {
  EXPECT_EQ(RateMask::Format("8,000"), " 8,000");
  EXPECT_EQ(RateMask::Format("8.000"), " 8.000");
  EXPECT_EQ(RateMask::Format("12,5"), "12,5  ");
  EXPECT_EQ(RateMask::Format("12,345"), "12,345");
  EXPECT_EQ(RateMask::Format(""), "      ");
  EXPECT_EQ(RateMask(" 8,000").Display(), "_8,000");
}

TEST(RateMask, DigitsOnlyInDigitPlacesAndAnySeparator) {
  RateMask mask("");
  EXPECT_TRUE(mask.Type('1'));
  EXPECT_TRUE(mask.Type('6'));
  EXPECT_TRUE(mask.Type('.'));
  EXPECT_FALSE(mask.Type(','));
  EXPECT_FALSE(mask.Type('x'));
  EXPECT_TRUE(mask.Type('5'));
  EXPECT_EQ(mask.Text(), "16.5  ");
  EXPECT_TRUE(mask.Backspace());
  EXPECT_EQ(mask.Text(), "16.   ");
  EXPECT_EQ(mask.Display(), "16.___");

  RateMask short_whole("");
  short_whole.Type('4');
  short_whole.Type(',');  // skips the empty second digit
  short_whole.Type('2');
  EXPECT_EQ(short_whole.Text(), "4 ,2  ");
}

}  // namespace
