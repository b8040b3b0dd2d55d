#include <gtest/gtest.h>

#include <cstring>

#include "editor/script/script_cursor.h"
#include "editor/script/script_keywords.h"
#include "editor/script/script_tokens.h"

namespace morvid {
namespace {

std::uint32_t Integer(const char* text) {
  ScriptCursor cursor(text);
  std::uint32_t value = 0xDEADBEEF;
  EXPECT_TRUE(cursor.ReadInteger(value)) << text;
  return value;
}

TEST(ScriptCursorTest, IntegersTakeTheirBaseFromThePrefix) {
  EXPECT_EQ(Integer(" \t\r\n\v\f 1001"), 1001u);
  EXPECT_EQ(Integer("010"), 8u);
  EXPECT_EQ(Integer("0x80C80000"), 0x80C80000u);
  EXPECT_EQ(Integer("0XfF"), 0xFFu);
  EXPECT_EQ(Integer("-1"), 0xFFFFFFFFu);
  EXPECT_EQ(Integer("+7"), 7u);
  EXPECT_EQ(Integer("0"), 0u);
  // Wraps to 32 bits instead of saturating.
  EXPECT_EQ(Integer("0x1FFFFFFFF"), 0xFFFFFFFFu);
}

TEST(ScriptCursorTest, IntegersStopAtTheFirstCharacterOutsideTheirBase) {
  ScriptCursor octal("09,");
  std::uint32_t value = 0;
  ASSERT_TRUE(octal.ReadInteger(value));
  EXPECT_EQ(value, 0u);
  EXPECT_EQ(octal.Peek(), '9');

  ScriptCursor bareHex("0xg");
  ASSERT_TRUE(bareHex.ReadInteger(value));
  EXPECT_EQ(value, 0u);
  EXPECT_EQ(bareHex.Peek(), 'x');

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
    EXPECT_EQ(number, 4);
  }
}

TEST(ScriptCursorTest, WordsAreRunsOfNonWhiteCharacters) {
  ScriptCursor cursor("  IDD_A\tDIALOG\r\n{x,y}\f");
  std::string word;
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word, "IDD_A");
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word, "DIALOG");
  std::size_t saved = cursor.Position();
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word, "{x,y}");
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kNone);
  cursor.SetPosition(saved);
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word, "{x,y}");
}

TEST(ScriptCursorTest, WordsLongerThanTheLimitAreReportedNotCut) {
  std::string text = std::string(255, 'a') + " " + std::string(256, 'b') + " c";
  ScriptCursor cursor(text);
  std::string word;
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word.size(), 255u);
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kTooLong);
  EXPECT_EQ(cursor.ReadWord(word), ScanResult::kFound);
  EXPECT_EQ(word, "c");
}

TEST(ScriptCursorTest, FirstWordOfLineTellsAContinuedList) {
  const char* text = "  ICON IDI_A, IDC_B,\r\n    7, 7\r\n  STATE 1\r\n";
  ScriptCursor cursor(text);
  bool continues = true;
  EXPECT_EQ(cursor.FirstWordOfLine(9, &continues), "ICON");
  EXPECT_FALSE(continues);
  std::size_t seven = std::string_view(text).find("7,");
  EXPECT_EQ(cursor.FirstWordOfLine(seven + 3, &continues), "7,");
  EXPECT_TRUE(continues);
  EXPECT_EQ(cursor.FirstWordOfLine(std::strlen(text) - 3, &continues), "STATE");
  EXPECT_FALSE(continues);
}

ScanResult Quoted(const char* script, std::string& text) {
  ScriptCursor cursor(script);
  return ReadQuotedText(cursor, text);
}

TEST(ReadQuotedTextTest, EscapesAndDoubledQuotes) {
  std::string text;
  ASSERT_EQ(Quoted(" \"Say \"\"hi\"\"\tnow\"", text), ScanResult::kFound);
  EXPECT_EQ(text, "Say \"hi\"\tnow");
  ASSERT_EQ(Quoted("\"a\\tb\\nc\\rd\\\\e\"", text), ScanResult::kFound);
  EXPECT_EQ(text, "a\tb\nc\rd\\e");
  // A backslash before any other character stays, also at a piece's end.
  ASSERT_EQ(Quoted("\"C:\\dir\\\"\"x\"", text), ScanResult::kFound);
  EXPECT_EQ(text, "C:\\dir\\\"x");
  // Escapes resolve left to right: an escaped backslash does not start another.
  ASSERT_EQ(Quoted("\"\\\\n\"", text), ScanResult::kFound);
  EXPECT_EQ(text, "\\n");
}

TEST(ReadQuotedTextTest, LineEndsInsideAreDroppedAndTheEndOfTheScriptEndsTheText) {
  std::string text;
  ASSERT_EQ(Quoted("\"one\r\ntwo\" rest", text), ScanResult::kFound);
  EXPECT_EQ(text, "onetwo");
  ASSERT_EQ(Quoted("\"open", text), ScanResult::kFound);
  EXPECT_EQ(text, "open");
  ASSERT_EQ(Quoted("\"\"", text), ScanResult::kFound);
  EXPECT_EQ(text, "");
}

TEST(ReadQuotedTextTest, NotFoundLeavesTheCursorAndTheLimitCountsResolvedText) {
  ScriptCursor cursor("  IDOK");
  std::string text;
  EXPECT_EQ(ReadQuotedText(cursor, text), ScanResult::kNone);
  EXPECT_EQ(cursor.Position(), 0u);

  // 255 characters written as 510 escapes still fit; one more does not.
  std::string escaped;
  for (int i = 0; i < 255; ++i) escaped += "\\t";
  ASSERT_EQ(Quoted(("\"" + escaped + "\"").c_str(), text), ScanResult::kFound);
  EXPECT_EQ(text, std::string(255, '\t'));
  EXPECT_EQ(Quoted(("\"" + escaped + "\"\"\"").c_str(), text), ScanResult::kTooLong);
}

TEST(SkipCommaTest, CommaWithWhiteSpaceOrNothing) {
  ScriptCursor cursor(" \t\r\n, \r\nX , Y");
  EXPECT_TRUE(SkipComma(cursor));
  EXPECT_EQ(cursor.Peek(), 'X');
  EXPECT_FALSE(SkipComma(cursor));
  EXPECT_EQ(cursor.Peek(), 'X');
  cursor.Advance();
  EXPECT_TRUE(SkipComma(cursor));
  EXPECT_EQ(cursor.Peek(), 'Y');
  // Vertical tab is not among the characters skipped.
  ScriptCursor vertical("\v,");
  EXPECT_FALSE(SkipComma(vertical));
}

TEST(ReadIdentifierNameTest, SkipsBlanksOnlyAndStopsAtBlankOrComma) {
  ScriptCursor cursor("   IDC_A,IDC_B \tIDC_C");
  std::string name;
  EXPECT_EQ(ReadIdentifierName(cursor, name), ScanResult::kFound);
  EXPECT_EQ(name, "IDC_A");
  cursor.Advance();
  EXPECT_EQ(ReadIdentifierName(cursor, name), ScanResult::kFound);
  EXPECT_EQ(name, "IDC_B");
  EXPECT_EQ(ReadIdentifierName(cursor, name), ScanResult::kFound);
  EXPECT_EQ(name, "\tIDC_C");
  EXPECT_EQ(ReadIdentifierName(cursor, name), ScanResult::kNone);
}

TEST(ReadCoordinatesTest, FourDecimalsWithWhiteSpaceAroundCommas) {
  std::int16_t x, y, cx, cy;
  ScriptCursor spaced(" 7 ,\r\n 8,  -9 , 010");
  ASSERT_TRUE(ReadCoordinates(spaced, x, y, cx, cy));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
  EXPECT_EQ(cx, -9);
  EXPECT_EQ(cy, 10);  // coordinates are always decimal
  ScriptCursor three("1,2,3");
  EXPECT_FALSE(ReadCoordinates(three, x, y, cx, cy));
  ScriptCursor hex("0x10,2,3,4");
  EXPECT_FALSE(ReadCoordinates(hex, x, y, cx, cy));
}

bool FakeLookup(std::string_view name, std::uint32_t& value) {
  if (name == "WS_POPUP") value = 0x80000000;
  else if (name == "WS_CAPTION") value = 0xC00000;
  else if (name == "WS_VISIBLE") value = 0x10000000;
  else return false;
  return true;
}

struct StyleCase {
  const char* text;
  bool emptyIsError;
  StyleExprResult result;
  std::uint32_t value;
  const char* rest;  // what stays unread
};

TEST(ScanStyleExprTest, NamesNumbersAndSeparators) {
  const StyleCase cases[] = {
      {" WS_POPUP | WS_CAPTION\r\nBEGIN", false, StyleExprResult::kOk, 0x80C00000, "\r\nBEGIN"},
      {"WS_POPUP|WS_CAPTION|\r\n WS_VISIBLE , 1", false, StyleExprResult::kOk, 0x90C00000, " , 1"},
      {"WS_POPUP,7", false, StyleExprResult::kOk, 0x80000000, ",7"},
      {"0x80000000 | WS_CAPTION", false, StyleExprResult::kOk, 0x80000000, " | WS_CAPTION"},
      {"0x80C80000", false, StyleExprResult::kOk, 0x80C80000, ""},
      {", 5", false, StyleExprResult::kOk, 0, ", 5"},
      {", 5", true, StyleExprResult::kFailed, 0, ", 5"},
      {"WS_POPUP | , 5", true, StyleExprResult::kFailed, 0x80000000, ", 5"},
      {"WS_POPUP", false, StyleExprResult::kFailed, 0x80000000, ""},
      {"WS_POPUP | NOT WS_VISIBLE", false, StyleExprResult::kUnknownName, 0x80000000, " WS_VISIBLE"},
  };
  for (const StyleCase& c : cases) {
    ScriptCursor cursor(c.text);
    std::uint32_t value = 0;
    std::string name;
    EXPECT_EQ(ScanStyleExpr(cursor, FakeLookup, c.emptyIsError, value, name), c.result) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(cursor.Text().substr(cursor.Position()), c.rest) << c.text;
    if (c.result == StyleExprResult::kUnknownName) {
      EXPECT_EQ(name, "NOT");
    }
  }
  std::string longName(256, 'W');
  ScriptCursor cursor(longName);
  std::uint32_t value = 0;
  std::string name;
  EXPECT_EQ(ScanStyleExpr(cursor, FakeLookup, false, value, name), StyleExprResult::kTooLong);
}

TEST(ControlStatementTest, ImpliedStylesOfShortStatements) {
  EXPECT_EQ(ImpliedStyle(*ControlStatementOf("LTEXT"), 0x80), 0x00020000u);
  EXPECT_EQ(ImpliedStyle(*ControlStatementOf("COMBOBOX"), 0), 0x00010001u);
  EXPECT_EQ(ImpliedStyle(*ControlStatementOf("COMBOBOX"), 0x00200003), 0x00210003u);
  EXPECT_EQ(ImpliedStyle(*ControlStatementOf("COMBOBOX"), 0x2), 0x00010002u);
  EXPECT_EQ(ImpliedStyle(*ControlStatementOf("PUSHBUTTON"), 0x58000000), 0x08010000u);
  EXPECT_EQ(ImpliedStyle(*ControlStatementOf("CONTROL"), 0x50010004), 0x50010004u);
  EXPECT_EQ(ControlStatementOf("pushbutton"), nullptr);
  for (const ControlStatementInfo& info : kControlStatements) {
    EXPECT_EQ(&InfoOf(info.statement), &info);
  }
  EXPECT_EQ(HeaderKeywordOf("{"), HeaderKeyword::kBegin);
  EXPECT_EQ(HeaderKeywordOf("Style"), HeaderKeyword::kNone);
}

}  // namespace
}  // namespace morvid
