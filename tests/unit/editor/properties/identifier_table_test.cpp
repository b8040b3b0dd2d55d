#include "editor/properties/identifier_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

std::vector<std::string> Names(const IdentifierTable& t) {
  std::vector<std::string> names;
  for (const auto& r : t.UserIds()) names.push_back(r->name + "=" + std::to_string(r->value));
  return names;
}

uint16_t Value(const IdentifierTable& t, const std::string& name) {
  uint16_t v = 0;
  EXPECT_TRUE(t.ValueOf(name, v)) << name;
  return v;
}

std::string NameOf(const IdentifierTable& t, uint16_t value, const std::string& dialog) {
  std::string name;
  t.NameOf(value, dialog, name);
  return name;
}

// Loads header text through a temporary stream, as the document would from a file.
int Load(IdentifierTable& t, const std::string& text, CErrorU& error) {
  std::FILE* f = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), f);
  std::rewind(f);
  int ok = t.LoadHeaderIds(f, error);
  std::fclose(f);
  return ok;
}

TEST(AllocateId, NumbersFollowTheLastRecord) {
  IdentifierTable t;
  t.AllocateId("IDD_DLG1");
  EXPECT_EQ(Value(t, "IDD_DLG1"), 100);
  t.AllocateId("IDD_DLG1");  // taken: nothing
  t.AllocateId("IDOK");
  EXPECT_EQ(t.UserIds().size(), 1u);

  IdentifierTable h;
  h.AddHeaderId("A", 100);
  h.AddHeaderId("B", 101);
  h.AddHeaderId("C", 150);
  h.AllocateId("D");
  EXPECT_EQ(Value(h, "D"), 151);
}

TEST(AllocateId, NeverRenumbersWhenTheNextValueWouldBeTheStaticValue) {
  IdentifierTable t;
  t.AddHeaderId("A", 100);
  t.AddHeaderId("B", 102);
  t.AddHeaderId("C", 65534);
  t.AddUse(0, "C", "IDD_MAIN");
  t.AllocateId("X");
  t.AllocateId("Y");  // 102 would repeat B's number
  EXPECT_EQ(Names(t), (std::vector<std::string>{"A=100", "B=102", "C=65534", "X=101", "Y=103"}));
  EXPECT_EQ(NameOf(t, 65534, "IDD_MAIN"), "C");
}

TEST(AllocateId, FailsQuietlyWhenEveryNumberIsHeld) {
  IdentifierTable t;
  for (uint32_t v = 100; v < 0xFFFF; ++v) t.AddHeaderId("N" + std::to_string(v), static_cast<uint16_t>(v));
  t.AllocateId("MORE");
  EXPECT_FALSE(t.IsNameTaken("MORE"));
  EXPECT_EQ(t.UserIds().size(), 0xFFFFu - 100);
  ASSERT_EQ(t.DropIfUnused("N500"), 1);
  t.AllocateId("MORE");
  EXPECT_EQ(Value(t, "MORE"), 500);
}

TEST(AllocateId, SkipsPredefinedValuesAfterALowHeaderValue) {
  IdentifierTable t;
  t.AddHeaderId("ZERO", 0);
  t.AllocateId("NEXT");  // 1 would be IDOK's number
  EXPECT_EQ(Value(t, "NEXT"), 100);
}

TEST(LoadHeaderIds, ReadsDefinesAsCIntegerConstantsInValueOrder) {
  IdentifierTable t;
  CErrorU error;
  error.SetMessage("context ");
  ASSERT_EQ(Load(t,
                 "// Morvid generated header file\r\n"
                 "#pragma once\r\n"
                 "#include <windows.h>\r\n"
                 "#define IDC_STATIC\t\t-1\r\n"
                 "#define IDC_C\t\t300\r\n"
                 "#define IDC_A 100\r\n"
                 "  #define   IDC_B\t200\r\n"
                 "#define IDC_X 1\r\n"
                 "#define IDC_HEX 0x10\n"
                 "#define IDC_OCT 0170\n"
                 "#define IDC_PLUS +107\n"
                 "#define IDC_BIG 70000\n"
                 "#define FLAG\r\n"
                 "#define MACRO(x) x\r\n"
                 "#define TEXT \"1\"\r\n"
                 "#define IDC_A 100\r\n"
                 "#ifdef FLAG\r\n"
                 "#define IDC_\0NUL 500\r\n"s,
                 error),
            1);
  EXPECT_EQ(t.StaticName(), "IDC_STATIC");
  EXPECT_EQ(Names(t), (std::vector<std::string>{"IDC_HEX=16", "IDC_A=100", "IDC_PLUS=107", "IDC_OCT=120", "IDC_B=200",
                                                "IDC_C=300", "IDC_BIG=4464"}));
  EXPECT_FALSE(t.IsNameTaken("IDC_X"));
  EXPECT_FALSE(t.IsNameTaken("IDC_"));
  EXPECT_EQ(error.message.Ansi(), "context ");
  EXPECT_EQ(error.SavedCount(), 0u);
}

TEST(LoadHeaderIds, ARefusedDefineFailsWithItsNameInTheErrorText) {
  CErrorU error;
  for (const char* header : {"#define IDOK 2\n", "#define IDC_A 100\n#define IDC_A 101\n",
                             "#define IDC_S -1\n#define IDC_S 500\n"}) {
    IdentifierTable t;
    error.Clear();
    error.SetMessage("Resource.h: ");
    EXPECT_EQ(Load(t, header, error), 0) << header;
    std::string name = std::string(header).substr(8, std::string(header).find(' ', 8) - 8);
    EXPECT_EQ(error.message.Ansi(), "Resource.h: #define " + name + "\t");
  }
  IdentifierTable t;
  EXPECT_EQ(t.LoadHeaderIds(CStringU("no-such-header.h"), error), 0);
}

TEST(IdentifierUses, ValuesAreUsedPerDialog) {
  IdentifierTable t;
  t.AddHeaderId("IDC_STATIC", 0xFFFF);
  t.AddHeaderId("IDC_A", 200);
  t.AddHeaderId("IDC_B", 200);  // a header may repeat a number
  EXPECT_EQ(t.AddUse(0xFFFF, "IDC_STATIC", "D1"), 1);
  EXPECT_EQ(t.AddUse(1, "IDOK", "D1"), 1);
  EXPECT_EQ(t.AddUse(200, "IDC_B", "D2"), 1);
  EXPECT_EQ(t.AddUse(200, "IDC_A", "D1"), 1);
  EXPECT_EQ(t.AddUse(0, "IDC_NONE", "D1"), 0);

  EXPECT_FALSE(t.IsValueUsedIn(0xFFFF, "D1"));
  EXPECT_TRUE(t.IsValueUsedIn(1, "D1"));
  EXPECT_FALSE(t.IsValueUsedIn(1, "D2"));
  EXPECT_EQ(NameOf(t, 0xFFFF, "D9"), "IDC_STATIC");
  EXPECT_EQ(NameOf(t, 1, "D1"), "IDOK");
  EXPECT_EQ(NameOf(t, 200, "D1"), "IDC_A");
  EXPECT_EQ(NameOf(t, 200, "D2"), "IDC_B");
  std::string name = "stale";
  EXPECT_FALSE(t.NameOf(200, "D3", name));
  EXPECT_EQ(name, "");

  std::string text;
  EXPECT_TRUE(t.UsersText("IDC_STATIC", text));
  EXPECT_EQ(text, "");
  EXPECT_FALSE(t.UsersText("IDC_NONE", text));
}

TEST(IdentifierUses, AUserNameWithAPredefinedValueCountsForThePredefinedRecord) {
  IdentifierTable t;
  t.AllocateId("IDC_MINE");
  EXPECT_EQ(t.AddUse(2, "IDC_MINE", "D1"), 1);
  EXPECT_EQ(NameOf(t, 2, "D1"), "IDCANCEL");
  std::string text;
  t.UsersText("IDC_MINE", text);
  EXPECT_EQ(text, "");
}

TEST(IdentifierUses, RemoveUseTakesOneEntryAndDropKeepsWhatIsStillUsed) {
  IdentifierTable t;
  t.AllocateId("IDD_A");
  t.AllocateId("IDC_EDIT1");
  t.AllocateId("IDC_FREE");
  t.AddUse(0, "IDD_A", "IDD_A");
  t.AddUse(0, "IDC_EDIT1", "IDD_A");
  t.AddUse(0, "IDC_EDIT1", "IDD_B");
  t.AddUse(0, "IDC_EDIT1", "IDD_A");
  std::string text;
  t.UsersText("IDC_EDIT1", text);
  EXPECT_EQ(text, "IDD_A; IDD_B; IDD_A");

  EXPECT_EQ(t.RemoveUse("IDC_EDIT1", "IDD_A"), 1);
  t.UsersText("IDC_EDIT1", text);
  EXPECT_EQ(text, "IDD_B; IDD_A");
  EXPECT_EQ(t.DropIfUnused("IDC_EDIT1"), 0);  // still used
  EXPECT_EQ(t.RemoveUse("IDD_A", "IDD_A"), 1);
  EXPECT_EQ(t.DropIfUnused("IDD_A"), 0);  // the name of a dialog that uses identifiers
  EXPECT_EQ(t.DropIfUnused("IDOK"), 0);
  EXPECT_EQ(t.DropIfUnused("IDC_FREE"), 1);
  EXPECT_FALSE(t.IsNameTaken("IDC_FREE"));
  EXPECT_EQ(t.RemoveUse("IDC_FREE", "IDD_A"), 0);
}

TEST(RenameId, RenamesInPlaceOrBesideTheUsersAndFollowsTheDialogName) {
  IdentifierTable t;
  t.AllocateId("IDD_OLD");  // 100
  t.AllocateId("IDC_A");    // 101
  t.AddUse(0, "IDC_A", "IDD_OLD");
  t.AddUse(1, "IDOK", "IDD_OLD");

  t.RenameId("IDD_OLD", "IDD_NEW");  // no users: the record itself
  EXPECT_EQ(Names(t), (std::vector<std::string>{"IDD_NEW=100", "IDC_A=101"}));
  EXPECT_EQ(NameOf(t, 101, "IDD_NEW"), "IDC_A");
  EXPECT_EQ(NameOf(t, 1, "IDD_NEW"), "IDOK");
  EXPECT_FALSE(t.IsValueUsedIn(101, "IDD_OLD"));

  t.RenameId("IDC_A", "IDC_B");  // used: a new record, the old one stays
  EXPECT_EQ(Names(t), (std::vector<std::string>{"IDD_NEW=100", "IDC_A=101", "IDC_B=102"}));

  t.RenameId("IDC_B", "IDOK");  // taken: nothing
  t.RenameId("IDOK", "IDC_Z");  // not a user name: nothing
  EXPECT_EQ(Names(t), (std::vector<std::string>{"IDD_NEW=100", "IDC_A=101", "IDC_B=102"}));
}

TEST(IdentifierNames, IterateUserThenPredefinedThenStatic) {
  IdentifierTable t;
  std::vector<std::string> names;
  for (const char* n = t.FirstIdName(); n; n = t.NextIdName()) names.push_back(n);
  EXPECT_EQ(names.size(), 9u);
  EXPECT_EQ(names.front(), "IDOK");
  EXPECT_EQ(names.back(), "IDHELP");

  t.AllocateId("IDD_A");
  t.AddHeaderId("IDC_STATIC", 0xFFFF);
  names.clear();
  for (const char* n = t.FirstIdName(); n; n = t.NextIdName()) names.push_back(n);
  ASSERT_EQ(names.size(), 11u);
  EXPECT_EQ(names[0], "IDD_A");
  EXPECT_EQ(names[1], "IDOK");
  EXPECT_EQ(names[10], "IDC_STATIC");
}

TEST(IdentifierSnapshots, DeletingControlsIsUndoneFromTheSnapshot) {
  IdentifierTable t;
  t.AddHeaderId("IDC_STATIC", 0xFFFF);
  t.AllocateId("IDD_A");
  t.AllocateId("IDC_EDIT1");
  t.AddUse(0, "IDC_EDIT1", "IDD_A");
  t.AddUse(1, "IDOK", "IDD_A");

  t.ReleaseControlIds("IDD_A", {Value(t, "IDC_EDIT1"), 1, 0xFFFF});
  EXPECT_FALSE(t.IsNameTaken("IDC_EDIT1"));
  EXPECT_FALSE(t.IsValueUsedIn(1, "IDD_A"));
  EXPECT_EQ(t.StaticName(), "IDC_STATIC");

  ASSERT_EQ(t.RestoreSnapshot(), 1);
  EXPECT_EQ(NameOf(t, 101, "IDD_A"), "IDC_EDIT1");
  EXPECT_EQ(NameOf(t, 1, "IDD_A"), "IDOK");
  EXPECT_EQ(t.RestoreSnapshot(), 0);

  IdentifierTable copy;
  copy.AllocateId("GONE");
  copy.CopyFrom(t);
  EXPECT_EQ(Names(copy), Names(t));
  EXPECT_FALSE(copy.IsNameTaken("GONE"));
  EXPECT_TRUE(copy.IsValueUsedIn(101, "IDD_A"));

  t.Clear();
  EXPECT_TRUE(t.UserIds().empty());
  EXPECT_EQ(t.StaticName(), "");
  EXPECT_FALSE(t.IsValueUsedIn(1, "IDD_A"));
}

}  // namespace
