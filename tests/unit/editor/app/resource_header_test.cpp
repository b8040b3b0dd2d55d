#include "editor/app/resource_header.h"

#include <gtest/gtest.h>

#include <string>

#include "../foundation/test_dir.h"
#include "editor/app/safe_file.h"
#include "editor/foundation/code_page.h"

namespace {

TEST(ResourceHeader, GeneratedBytesAreExact) {
  IdentifierTable ids;
  ids.AddHeaderId("IDC_STATIC", 0xFFFF);
  ids.AllocateId("IDD_DLG1");
  ids.AllocateId("IDC_BUTTON1");
  EXPECT_EQ(ResourceHeaderText(ids),
            "// Morvid generated header file\r\n"
            "#pragma once\r\n"
            "\r\n"
            "#include <windows.h>\r\n"
            "\r\n"
            "#define IDC_STATIC\t\t-1\r\n"
            "#define IDD_DLG1\t\t100\r\n"
            "#define IDC_BUTTON1\t\t101\r\n");

  IdentifierTable noStatic;
  noStatic.AddHeaderId("IDC_HIGH", 65534);
  EXPECT_EQ(ResourceHeaderText(noStatic),
            "// Morvid generated header file\r\n#pragma once\r\n\r\n#include <windows.h>\r\n\r\n"
            "#define IDC_HIGH\t\t65534\r\n");
}

TEST(ResourceHeader, AWrittenHeaderLoadsBackToTheSameValues) {
  TestDir dir;
  dir.Write("Resource.h", "#define IDC_HEX 0x10\r\n#define IDC_OCT 0170\r\n#define IDC_S -1\r\n#define IDD_A 300\r\n");
  IdentifierTable ids;
  CErrorU error;
  ASSERT_EQ(ids.LoadHeaderIds(CStringU("Resource.h"), error), 1);
  ASSERT_EQ(WriteHeader(CStringU("Resource.h"), ids, PortableFileReplacer(), error), 1);
  std::string written = dir.Read("Resource.h");
  EXPECT_NE(written.find("#define IDC_HEX\t\t16\r\n#define IDC_OCT\t\t120\r\n#define IDD_A\t\t300\r\n"),
            std::string::npos);

  IdentifierTable again;
  ASSERT_EQ(again.LoadHeaderIds(CStringU("Resource.h"), error), 1);
  EXPECT_EQ(ResourceHeaderText(again), written);
}

TEST(ResourceHeader, AFailedWriteKeepsTheOldHeaderAndSaysWhy) {
  struct Refuse : FileReplacer {
    bool Replace(const CStringU&, const CStringU&) override { return false; }
  } refuse;
  TestDir dir;
  dir.Write("Resource.h", "old");
  IdentifierTable ids;
  ids.AllocateId("IDD_DLG1");
  CErrorU error;
  EXPECT_EQ(WriteHeader(CStringU("Resource.h"), ids, refuse, error), 0);
  EXPECT_EQ(dir.Read("Resource.h"), "old");
  EXPECT_EQ(error.message.View(), u"Ошибка при создании заголовочного файла Resource.h.   ");
  EXPECT_FALSE(std::filesystem::exists(dir.path / "Resource.h.~tmp"));
}

TEST(CollectMacroNames, EveryDefineNameCountsWithOrWithoutAValue) {
  TestDir dir;
  dir.Write("a.rc",
            "#include \"Resource.h\"\r\n"
            "#define MYFLAG\r\n"
            "  #define\tOTHER 0x20\r\n"
            "#define IDOK 1\r\n"
            "#define MYFLAG 2\r\n"
            "#define\r\n"
            "#ifdef MYFLAG\r\n"
            "// #define COMMENTED\r\n");
  dir.Write("Resource.h", "#define IDD_A 100\r\n#define IDC_STATIC -1\r\n");
  IdentifierTable names;
  EXPECT_EQ(CollectMacroNames(CStringU("a.rc"), names), 1);
  EXPECT_EQ(CollectMacroNames(CStringU("Resource.h"), names), 1);
  EXPECT_EQ(CollectMacroNames(CStringU("missing.h"), names), 0);
  std::string all;
  for (const auto& r : names.UserIds()) all += r->name + "=" + std::to_string(r->value) + " ";
  EXPECT_EQ(all, "MYFLAG=0 OTHER=0 IDD_A=0 IDC_STATIC=0 ");
  EXPECT_TRUE(names.IsNameTaken("IDHELP"));
  EXPECT_FALSE(names.IsNameTaken("COMMENTED"));
}

}  // namespace
