// Vantrel.exe driven from outside against the simulator's uart signal: the
// capture saved through the save dialog as VCD, CSV and .lan, each by the file
// type chosen in the dialog. The files go to the folder EXPORT_DIR names,
// where the script that runs this test decodes uart.vcd.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "analyzer/analyzer_config.h"
#include "analyzer/win/vnt.h"
#include "win_test_util.h"

namespace {

// The file type combo box and the name fields of the common save dialog.
constexpr int kTypeCombo = 0x470;
constexpr int kNameFields[] = {0x480, 0x47c};

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

bool Failed(const std::string& why) {
  ADD_FAILURE() << why;
  return false;
}

class Program {
 public:
  explicit Program(const std::wstring& dir) {
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    std::wstring command = L"\"" VANTREL_EXE L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi_)) return;
    WaitForInputIdle(pi_.hProcess, 10000);
    wintest::PumpUntil([this] { return (main = FindWindowW(L"TVNT", nullptr)) != nullptr && IsWindowVisible(main); },
                       30000);
  }
  ~Program() {
    if (!pi_.hProcess) return;
    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  void Command(int id) { PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  bool Settle() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 15000, &result) != 0;
  }
  // Saves through the dialog: the file type at `type` (0 the first), a name, OK.
  bool SaveAs(int type, const std::wstring& name) {
    Command(ID_WSAVE);
    HWND dialog = nullptr;
    if (!wintest::PumpUntil(
            [&] { return (dialog = FindWindowW(L"#32770", L"Сохранить диаграмму")) && IsWindowVisible(dialog); }, 10000))
      return Failed("no save dialog");
    HWND combo = GetDlgItem(dialog, kTypeCombo);
    if (!combo || SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(type), 0) != type)
      return Failed("no file type " + std::to_string(type));
    // As a pick with the mouse ends: the dialog takes the type on CBN_SELENDOK.
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kTypeCombo, code), reinterpret_cast<LPARAM>(combo));
    for (int id : kNameFields) SetDlgItemTextW(dialog, id, name.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    if (!wintest::PumpUntil([&] { return !IsWindow(dialog); }, 10000)) return Failed("the dialog stays open");
    return Settle();
  }

  HWND main = nullptr;

 private:
  PROCESS_INFORMATION pi_ = {};
};

TEST(LasimExport, TheChosenFileTypeDecidesTheFormat) {
  const std::wstring dir = ExportDir();
  ASSERT_FALSE(dir.empty()) << "EXPORT_DIR names the folder for the saved files";
  WriteConfig(dir);
  Program run(dir);
  ASSERT_NE(run.main, nullptr);
  run.Command(ID_BUTREAD);
  ASSERT_TRUE(run.Settle());

  // A name without extension gets the chosen type's.
  ASSERT_TRUE(run.SaveAs(1, dir + L"\\uart"));
  const std::string vcd = FileText(dir + L"\\uart.vcd");
  ASSERT_FALSE(vcd.empty());
  EXPECT_EQ(vcd.compare(0, 5, "$date"), 0);
  EXPECT_NE(vcd.find("$timescale 1 ns $end\r\n"), std::string::npos);
  EXPECT_NE(vcd.find("$var wire 1 ! TX $end\r\n"), std::string::npos);
  // The last of 32768 samples ends one sample period (125 ns) later.
  EXPECT_NE(vcd.find("\r\n#4096000\r\n"), std::string::npos);

  // The Russian locale's decimal comma stays out of the table.
  ASSERT_TRUE(run.SaveAs(2, dir + L"\\захват.csv"));
  const std::string csv = FileText(dir + L"\\захват.csv");
  EXPECT_EQ(csv.compare(0, 13, "Time [us],TX,"), 0);
  EXPECT_NE(csv.find("\r\n0.125000,1,0,"), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 32769);

  // The diagram file is still the raw memory image, with or without a type.
  ASSERT_TRUE(run.SaveAs(0, dir + L"\\uart.lan"));
  EXPECT_EQ(FileText(dir + L"\\uart.lan").size(), 65536u);
  ASSERT_TRUE(run.SaveAs(3, dir + L"\\any.dat"));
  EXPECT_EQ(FileText(dir + L"\\any.dat"), FileText(dir + L"\\uart.lan"));
}

}  // namespace
