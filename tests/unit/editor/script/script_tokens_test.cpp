#include <gtest/gtest.h>

#include "editor/script/script_cursor.h"
#include "editor/script/script_tokens.h"

namespace morvid {
namespace {

TEST(ScriptCursorTest, IntegersTakeTheirBaseFromThePrefixAndStopOutsideIt) {
  struct Case {
    const char* text;
    std::uint32_t value;
    int next;  // the character left unread
  };
  const Case cases[] = {
      {" \t\r\n\v\f 1001,", 1001, ','}, {"010", 8, -1},       {"09", 0, '9'},
      {"0x80C80000", 0x80C80000, -1},    {"0XfFg", 0xFF, 'g'}, {"0xg", 0, 'x'},
      {"-1", 0xFFFFFFFF, -1},            {"+7", 7, -1},        {"0x1FFFFFFFF", 0xFFFFFFFF, -1},
  };
  for (const Case& c : cases) {
    ScriptCursor cursor(c.text);
    std::uint32_t value = 0;
    ASSERT_TRUE(cursor.ReadInteger(value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(cursor.Peek(), c.next) << c.text;
  }
  ScriptCursor decimal("0x10");
  std::int32_t number = 5;
  ASSERT_TRUE(decimal.ReadDecimal(number));
  EXPECT_EQ(number, 0);
  EXPECT_EQ(decimal.Peek(), 'x');
}

TEST(ScriptCursorTest, AFailedNumberLeavesTheCursorWhereItWas) {
  for (const char* text : {"  DISCARDABLE", "  -X", "", "   "}) {
    ScriptCursor cursor(text);
    std::uint32_t value = 3;
    std::int32_t number = 4;
    EXPECT_FALSE(cursor.ReadInteger(value)) << text;
    EXPECT_FALSE(cursor.ReadDecimal(number)) << text;
    EXPECT_EQ(cursor.Position(), 0u);
    EXPECT_EQ(value, 3u);
  }
}

TEST(ScriptCursorTest, WordsAreRunsOfNonWhiteCharactersAndLongOnesAreReported) {
  std::string text = "  IDD_A\tDIALOG\r\n{x,y}\f" + std::string(255, 'a') + " " + std::string(256, 'b') + " c";
  ScriptCursor cursor(text);
  std::string word;
  for (const char* expected : {"IDD_A", "DIALOG", "{x,y}"}) {
    EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
    EXPECT_EQ(word, expected);
  }
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word.size(), 255u);
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kTooLong);
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word, "c");
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kNone);
}

TEST(ReadQuotedTextTest, EscapesQuotesLineEndsAndTheEndOfTheScript) {
  struct Case {
    const char* script;
    const char* text;
  };
  const Case cases[] = {
      {" \"Say \"\"hi\"\"\tnow\"", "Say \"hi\"\tnow"},
      {"\"a\\tb\\nc\\rd\\\\e\"", "a\tb\nc\rd\\e"},
      // A backslash before any other character stays, also at a piece's end.
      {"\"C:\\dir\\\"\"x\"", "C:\\dir\\\"x"},
      // Escapes resolve left to right: an escaped backslash starts nothing.
      {"\"\\\\n\"", "\\n"},
      {"\"one\r\ntwo\" rest", "onetwo"},
      {"\"open", "open"},
      {"\"\"", ""},
  };
  for (const Case& c : cases) {
    ScriptCursor cursor(c.script);
    std::string text;
    ASSERT_EQ(ReadQuotedText(cursor, text), ScanResult::kFound) << c.script;
    EXPECT_EQ(text, c.text) << c.script;
  }
  ScriptCursor notQuoted("  IDOK");
  std::string text;
  EXPECT_EQ(ReadQuotedText(notQuoted, text), ScanResult::kNone);
  EXPECT_EQ(notQuoted.Position(), 0u);
}

TEST(ReadQuotedTextTest, TheLimitCountsTheTextWithItsEscapesResolved) {
  std::string escaped;
  for (int i = 0; i < 255; ++i) escaped += "\\t";
  std::string whole = "\"" + escaped + "\"";
  ScriptCursor fits(whole);
  std::string text;
  ASSERT_EQ(ReadQuotedText(fits, text), ScanResult::kFound);
  EXPECT_EQ(text, std::string(255, '\t'));
  std::string oneMore = "\"" + escaped + "\"\"\"";
  ScriptCursor tooLong(oneMore);
  EXPECT_EQ(ReadQuotedText(tooLong, text), ScanResult::kTooLong);
}

TEST(SeparatorTest, CommasAndIdentifierNames) {
  ScriptCursor cursor(" \t\r\n, \r\nIDC_A,IDC_B \tIDC_C");
  EXPECT_TRUE(SkipComma(cursor));
  std::string name;
  EXPECT_EQ(ReadIdentifierName(cursor, name), ScanResult::kFound);
  EXPECT_EQ(name, "IDC_A");
  EXPECT_TRUE(SkipComma(cursor));
  EXPECT_EQ(ReadIdentifierName(cursor, name), ScanResult::kFound);
  EXPECT_EQ(name, "IDC_B");
  std::size_t before = cursor.Position();
  EXPECT_FALSE(SkipComma(cursor));
  EXPECT_EQ(cursor.Position(), before);
  // Names skip blanks only.
  EXPECT_EQ(ReadIdentifierName(cursor, name), ScanResult::kFound);
  EXPECT_EQ(name, "\tIDC_C");
  ScriptCursor vertical("\v,");
  EXPECT_FALSE(SkipComma(vertical));
}

bool FakeLookup(std::string_view name, std::uint32_t& value) {
  if (name == "WS_POPUP") value = 0x80000000;
  else if (name == "WS_CAPTION") value = 0xC00000;
  else if (name == "WS_VISIBLE") value = 0x10000000;
  else return false;
  return true;
}

TEST(ScanStyleExprTest, NamesNumbersAndSeparators) {
  struct Case {
    const char* text;
    bool emptyIsError;
    StyleExprResult result;
    std::uint32_t value;
    const char* rest;  // what stays unread
  };
  const Case cases[] = {
      {" WS_POPUP | WS_CAPTION\r\nBEGIN", false, StyleExprResult::kOk, 0x80C00000, "\r\nBEGIN"},
      {"WS_POPUP|WS_CAPTION|\r\n WS_VISIBLE , 1", false, StyleExprResult::kOk, 0x90C00000, " , 1"},
      {"WS_POPUP,7", false, StyleExprResult::kOk, 0x80000000, ",7"},
      {"0x80000000 | WS_CAPTION", false, StyleExprResult::kOk, 0x80000000, " | WS_CAPTION"},
      {", 5", false, StyleExprResult::kOk, 0, ", 5"},
      {", 5", true, StyleExprResult::kFailed, 0, ", 5"},
      {"WS_POPUP | , 5", true, StyleExprResult::kFailed, 0x80000000, ", 5"},
      {"WS_POPUP", false, StyleExprResult::kFailed, 0x80000000, ""},
      {"WS_POPUP | NOT WS_VISIBLE", false, StyleExprResult::kUnknownName, 0x80000000, " WS_VISIBLE"},
  };
  for (const Case& c : cases) {
    ScriptCursor cursor(c.text);
    std::uint32_t value = 0;
    std::string name;
    EXPECT_EQ(ScanStyleExpr(cursor, FakeLookup, c.emptyIsError, value, name), c.result) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(cursor.Text().substr(cursor.Position()), c.rest) << c.text;
  }
  std::string longName = "WS_POPUP|" + std::string(256, 'W');
  ScriptCursor cursor(longName);
  std::uint32_t value = 0;
  std::string name;
  EXPECT_EQ(ScanStyleExpr(cursor, FakeLookup, false, value, name), StyleExprResult::kTooLong);
}

}  // namespace
}  // namespace morvid
