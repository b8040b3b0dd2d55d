#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/foundation/document_u.h"
#include "editor/foundation/error_u.h"
#include "editor/foundation/file_u.h"
#include "test_dir.h"

namespace {

TEST(CErrorU, PrependKeepsTheOldMessageOnlyWhenBothFit) {
  CErrorU e;
  e.SetMessage("tail");
  e.PrependMessage("head ");
  EXPECT_EQ(e.message.Ansi(), "head tail");
  e.SetMessage(std::string(200, 'o').c_str());
  e.PrependMessage(std::string(56, 'n').c_str());
  EXPECT_EQ(e.message.Ansi(), std::string(56, 'n'));
}

TEST(CErrorU, PushAndPopRestoreNestedMessages) {
  CErrorU e;
  e.Pop();  // nothing saved: nothing happens
  EXPECT_TRUE(e.message.IsEmpty());
  e.SetMessage("outer");
  EXPECT_EQ(e.Push(), 1);
  e.message.Append(" inner");
  EXPECT_EQ(e.Push(), 1);
  e.SetMessage("other");
  e.Pop();
  EXPECT_EQ(e.message.Ansi(), "outer inner");
  e.Pop();
  EXPECT_EQ(e.message.Ansi(), "outer");
  e.Pop();
  EXPECT_EQ(e.message.Ansi(), "outer");
  e.Push();
  e.Clear();
  EXPECT_TRUE(e.message.IsEmpty());
  EXPECT_EQ(e.SavedCount(), 0u);
}

TEST(CFileU, ReadLineDropsCrOfCrLfAndSplitsLongLines) {
  TestDir dir;
  dir.Write("t.txt", "a\r\nb\rc\n" + std::string(300, 'x') + "\nlast");
  CFileU f;
  ASSERT_EQ(f.Open("t.txt", "rb"), 1);
  std::string line;
  std::vector<std::string> lines;
  while (f.ReadLine(line) == CFileU::Line::Read) lines.push_back(line);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], "b\rc");
  EXPECT_EQ(lines[2], std::string(255, 'x'));
  EXPECT_EQ(lines[3], std::string(45, 'x'));
  EXPECT_EQ(lines[4], "last");
  EXPECT_EQ(f.Close(), 1);
  EXPECT_EQ(f.Close(), 1);  // nothing to close
}

TEST(CFileU, OpensCyrillicNames) {
  TestDir dir;
  CFileU f;
  ASSERT_EQ(f.Open(CStringU(u"Диалог.rc"), "wb"), 1);
  EXPECT_EQ(f.Write("x\r\n"), 1);
  EXPECT_EQ(f.Close(), 1);
  EXPECT_EQ(dir.Read("Диалог.rc"), "x\r\n");
  EXPECT_EQ(f.Open("missing.rc", "rb"), 0);
}

// Records the calls the base makes; each step can be made to fail.
class TestDocument : public CDocumentU {
 public:
  int ClearContents() override {
    calls += "clear;";
    content.clear();
    return clearOk;
  }
  int Exchange(CFileU& file, int storing) override {
    calls += storing ? "store;" : "load;";
    if (!exchangeOk) return 0;
    if (storing) return file.Write(content);
    std::string line;
    while (file.ReadLine(line) == CFileU::Line::Read) content += line;
    return 1;
  }
  std::string calls, content;
  int clearOk = 1, exchangeOk = 1;
};

TEST(CDocumentU, OpenWithoutThePreparedCopyLeavesTheDocumentUntouched) {
  TestDir dir;
  TestDocument doc;
  doc.content = "mine";
  doc.pathName = "old.rc";
  doc.modified = 1;
  EXPECT_EQ(doc.OpenDocument(CStringU("new.rc")), 0);
  EXPECT_EQ(doc.calls, "");
  EXPECT_EQ(doc.content, "mine");
  EXPECT_EQ(doc.pathName.Ansi(), "old.rc");
  EXPECT_EQ(doc.modified, 1);
}

TEST(CDocumentU, OpenAndSaveUseTheTwoTemporaryFiles) {
  TestDir dir;
  dir.Write("ex0002.tmp", "text\r\n");
  TestDocument doc;
  doc.modified = 1;
  ASSERT_EQ(doc.OpenDocument(CStringU("a.rc")), 1);
  EXPECT_EQ(doc.calls, "clear;load;");
  EXPECT_EQ(doc.content, "text");
  EXPECT_EQ(doc.pathName.Ansi(), "a.rc");
  EXPECT_EQ(doc.modified, 0);
  EXPECT_EQ(CDocumentU::Current(), &doc);

  doc.modified = 1;
  ASSERT_EQ(doc.SaveDocument(), 1);
  EXPECT_EQ(dir.Read("ex0001.tmp"), "text");
  EXPECT_EQ(doc.modified, 0);
}

TEST(CDocumentU, FailingStepsKeepTheModifiedFlag) {
  TestDir dir;
  dir.Write("ex0002.tmp", "x");
  TestDocument doc;
  doc.modified = 1;
  doc.clearOk = 0;
  EXPECT_EQ(doc.NewDocument(CStringU("n.rc")), 0);
  EXPECT_EQ(doc.OpenDocument(CStringU("n.rc")), 0);
  EXPECT_EQ(doc.calls, "clear;clear;");
  EXPECT_TRUE(doc.pathName.IsEmpty());
  doc.clearOk = 1;
  doc.exchangeOk = 0;
  EXPECT_EQ(doc.OpenDocument(CStringU("n.rc")), 0);
  EXPECT_EQ(doc.SaveDocument(), 0);
  EXPECT_EQ(doc.modified, 1);
  EXPECT_EQ(doc.NewDocument(CStringU("n.rc")), 1);
  EXPECT_EQ(doc.modified, 0);
}

}  // namespace
