#include <gtest/gtest.h>

#include "editor/script/script_cursor.h"
#include "editor/script/script_format.h"
#include "editor/script/script_tokens.h"

namespace morvid {
namespace {

TEST(QuoteTextTest, EscapesEverySpecialCharacter) {
  std::string out;
  QuoteText(out, "Say \"hi\"\tC:\\dir\r\n");
  EXPECT_EQ(out, "\"Say \"\"hi\"\"\\tC:\\\\dir\\r\\n\",");
  out.clear();
  QuoteText(out, "");
  EXPECT_EQ(out, "\"\",");
}

TEST(QuoteTextTest, LongEscapedTextsAreWrittenWholeAndReadBack) {
  // 255 quotes and backslashes escape to 510 characters; nothing is dropped.
  std::string text;
  for (int i = 0; i < 255; ++i) text += (i % 3 == 0) ? '"' : (i % 3 == 1 ? '\\' : '\t');
  std::string out;
  QuoteText(out, text);
  EXPECT_EQ(out.size(), 2u + 510u + 1u);
  ScriptCursor cursor(out);
  std::string back;
  ASSERT_EQ(ReadQuotedText(cursor, back), ScanResult::kFound);
  EXPECT_EQ(back, text);
  EXPECT_TRUE(SkipComma(cursor));
}

TEST(QuoteTextTest, EveryByteSurvivesARoundTrip) {
  std::string text;
  for (int c = 1; c < 256; ++c) {
    if (c != '\r' && c != '\n') text += static_cast<char>(c);
  }
  text += "\r\n\\";
  for (std::size_t start = 0; start < text.size(); start += 200) {
    std::string piece = text.substr(start, 200);
    std::string out;
    QuoteText(out, piece);
    ScriptCursor cursor(out);
    std::string back;
    ASSERT_EQ(ReadQuotedText(cursor, back), ScanResult::kFound);
    EXPECT_EQ(back, piece);
  }
}

TEST(AppendFormatTest, LongResultsAreNotCut) {
  std::string out = "x";
  AppendFormat(out, "%s,%d", std::string(300, 'a').c_str(), -5);
  EXPECT_EQ(out, "x" + std::string(300, 'a') + ",-5");
  AppendFormat(out, "0x%04x", 0x82);
  EXPECT_EQ(out.substr(out.size() - 6), "0x0082");
}

}  // namespace
}  // namespace morvid
