// Vantrel.exe driven from outside against the simulator's uart signal: the
// capture saved through the save dialog as VCD, CSV and .lan, each by the file
// type chosen in the dialog. The files go to the folder EXPORT_DIR names,
// where the script that runs this test decodes uart.vcd.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "analyzer/analyzer_config.h"
#include "analyzer/win/vnt.h"
#include "tests/win/analyzer/vantrel_program.h"
#include "win_test_util.h"

namespace {

std::wstring ExportDir() {
  const char* dir = std::getenv("EXPORT_DIR");
  std::wstring path = dir ? wintest::Widen(dir) : std::wstring();
  // The dialog takes a name typed with '/' for a filter.
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

void WriteConfig(const std::wstring& dir) {
  TAnalyzerConfig config;
  SetDefaultConfig(config, "8,000");
  SetLineName(config, 0, "TX");
  std::ofstream out((dir + L"\\la.cfg").c_str(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&config), sizeof config);
}

std::string FileText(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Saves through the dialog as the file type at `type` (0 the first).
bool SaveAs(VantrelProgram& run, int type, const std::wstring& name) {
  run.Command(ID_WSAVE);
  return run.AnswerDialog(L"Сохранить диаграмму", name, type) && run.Settle();
}

}  // namespace

TEST(LasimExport, TheChosenFileTypeDecidesTheFormat) {
  const std::wstring dir = ExportDir();
  ASSERT_FALSE(dir.empty()) << "EXPORT_DIR names the folder for the saved files";
  WriteConfig(dir);
  VantrelProgram run(VANTREL_EXE, dir);
  ASSERT_NE(run.main, nullptr);
  run.Command(ID_BUTREAD);
  ASSERT_TRUE(run.Settle());

  // A name without extension gets the chosen type's.
  ASSERT_TRUE(SaveAs(run, 1, dir + L"\\uart"));
  const std::string vcd = FileText(dir + L"\\uart.vcd");
  ASSERT_FALSE(vcd.empty());
  EXPECT_EQ(vcd.compare(0, 5, "$date"), 0);
  EXPECT_NE(vcd.find("$timescale 1 ns $end\r\n"), std::string::npos);
  EXPECT_NE(vcd.find("$var wire 1 ! TX $end\r\n"), std::string::npos);
  // The last of 32768 samples ends one sample period (125 ns) later.
  EXPECT_NE(vcd.find("\r\n#4096000\r\n"), std::string::npos);

  // The Russian locale's decimal comma stays out of the table.
  ASSERT_TRUE(SaveAs(run, 2, dir + L"\\захват.csv"));
  const std::string csv = FileText(dir + L"\\захват.csv");
  EXPECT_EQ(csv.compare(0, 13, "Time [us],TX,"), 0);
  EXPECT_NE(csv.find("\r\n0.125000,1,0,"), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 32769);

  // The diagram file is still the raw memory image, with or without a type.
  ASSERT_TRUE(SaveAs(run, 0, dir + L"\\uart.lan"));
  EXPECT_EQ(FileText(dir + L"\\uart.lan").size(), 65536u);
  ASSERT_TRUE(SaveAs(run, 3, dir + L"\\any.dat"));
  EXPECT_EQ(FileText(dir + L"\\any.dat"), FileText(dir + L"\\uart.lan"));
}
