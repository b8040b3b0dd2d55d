#include "editor/foundation/string_u.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/foundation/code_page.h"

namespace {

std::string Repeat(char c, size_t n) { return std::string(n, c); }

TEST(CStringU, AssignmentOfMoreThan255CharactersGivesEmpty) {
  EXPECT_EQ(CStringU(Repeat('a', 255).c_str()).Length(), 255);
  EXPECT_TRUE(CStringU(Repeat('a', 256).c_str()).IsEmpty());
  std::u16string wide(256, u'x');
  CStringU s("keep");
  s.Assign(wide.c_str());
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringU, AppendThatWouldReach256LeavesTargetUnchanged) {
  CStringU s(Repeat('a', 200).c_str());
  EXPECT_EQ(s.Append(Repeat('b', 56).c_str()), 0);
  EXPECT_EQ(s.Length(), 200);
  EXPECT_EQ(s.Append(Repeat('b', 55).c_str()), 1);
  EXPECT_EQ(s.Length(), 255);
  EXPECT_EQ(s.Ansi(), Repeat('a', 200) + Repeat('b', 55));
}

TEST(CStringU, ConcatTooLongIsEmptyWithBytesButKeepsAWithString) {
  CStringU a(Repeat('a', 200).c_str());
  EXPECT_TRUE(CStringU::Concat(a, Repeat('b', 60).c_str()).IsEmpty());
  EXPECT_EQ(CStringU::Concat(a, CStringU(Repeat('b', 60).c_str())).Ansi(), Repeat('a', 200));
  EXPECT_EQ(CStringU::Concat(CStringU("ab"), "cd").Ansi(), "abcd");
  EXPECT_EQ(CStringU::Concat(CStringU("ab"), CStringU("cd")).Ansi(), "abcd");
}

TEST(CStringU, FormatTruncatesAt255Bytes) {
  CStringU s;
  s.Format("%s %d", Utf16ToAnsi(u"Строка").c_str(), 42);
  EXPECT_EQ(s.View(), u"Строка 42");
  s.Format("%s", Repeat('z', 300).c_str());
  EXPECT_EQ(s.Length(), 255);
}

TEST(CStringU, FormatMayUseItsOwnAnsiView) {
  CStringU s("abc");
  s.Format("%s-%s", s.ToAnsi(), s.ToAnsi());
  EXPECT_EQ(s.Ansi(), "abc-abc");
}

TEST(CStringU, CyrillicTextTravelsThroughTheCodePage) {
  CStringU s(u"Ошибка при открытии файла");
  std::string bytes = s.ToAnsi();
  ASSERT_EQ(bytes.size(), 25u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCE);  // О
  EXPECT_TRUE(s.IsEqual(bytes.c_str()));
  EXPECT_TRUE(s.IsNotEqual("ошибка при открытии файла"));
  EXPECT_EQ(CStringU(bytes.c_str()), s);
}

TEST(CodePage1251, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::u16string wide = AnsiToUtf16(all);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide[0xA8], u'Ё');
  EXPECT_EQ(wide[0xB9], u'№');
  EXPECT_EQ(wide[0xFF], u'я');
  EXPECT_EQ(Utf16ToAnsi(wide), all);
}

TEST(CodePage1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf16ToAnsi(u"a\u00E9\u4E2D"), "a??");
  EXPECT_EQ(Utf16ToAnsi(u"\U0001F600!"), "?!");  // one character, one mark
}

TEST(CodePage1251, Utf8ForNativeFileNames) {
  EXPECT_EQ(Utf16ToUtf8(u"Файл.rc"), "Файл.rc");
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\U0001F600");
}

}  // namespace
