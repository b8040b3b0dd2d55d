#include "editor/app/command_line.h"

#include <gtest/gtest.h>

TEST(ScriptArgument, UnquotedLineGivesItsFirstToken) {
  EXPECT_EQ(ScriptArgument(u"dialogs.rc"), u"dialogs.rc");
  EXPECT_EQ(ScriptArgument(u"  ..\\res\\app.rc extra words"), u"..\\res\\app.rc");
  EXPECT_EQ(ScriptArgument(u"\tC:\\x.rc\t-y"), u"C:\\x.rc");
}

TEST(ScriptArgument, QuotedLineKeepsBlanksUpToTheClosingQuote) {
  EXPECT_EQ(ScriptArgument(u"\"C:\\My Projects\\Диалоги.rc\""), u"C:\\My Projects\\Диалоги.rc");
  EXPECT_EQ(ScriptArgument(u"\"a b.rc\" -other"), u"a b.rc");
  EXPECT_EQ(ScriptArgument(u"\"plain.rc\""), u"plain.rc");
  // An unbalanced quote takes the rest of the line rather than losing a character.
  EXPECT_EQ(ScriptArgument(u"\"open ended.rc"), u"open ended.rc");
}

TEST(ScriptArgument, NothingNamedGivesEmpty) {
  EXPECT_EQ(ScriptArgument(u""), u"");
  EXPECT_EQ(ScriptArgument(u"   \t "), u"");
  EXPECT_EQ(ScriptArgument(u"\"\""), u"");
}
