// The shipped Morvid.exe driven from this process: design windows opened
// from the dialog list, New, Save, the next dialog name, and controls
// placed, moved, resized and deleted with real input, as the saved script
// and header show them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <string>
#include <vector>

#include "editor/resources/resource.h"
#include "morvid_session.h"
#include "remote_buffer.h"
#include "win_test_util.h"

namespace {

using morvidtest::ClassOf;
using morvidtest::DialogBlock;
using morvidtest::ReadBytes;
using morvidtest::TextOf;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

POINT CentreOf(HWND window) {
  RECT rc;
  GetWindowRect(window, &rc);
  return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// The numbers of a control line: x, y, cx, cy.
std::vector<int> Numbers(const std::smatch& m) {
  std::vector<int> n;
  for (size_t i = 1; i < m.size(); ++i) n.push_back(std::stoi(m[i].str()));
  return n;
}

// A point of the surface dialog given in dialog units, by the scale of a
// control whose rectangle in units is known.
struct UnitScale {
  HWND surface;
  double x;
  double y;
  POINT At(double ux, double uy) const {
    POINT p = {static_cast<LONG>(ux * x + 0.5), static_cast<LONG>(uy * y + 0.5)};
    ClientToScreen(surface, &p);
    return p;
  }
};

UnitScale ScaleOf(HWND surface, int order, int cx, int cy) {
  RECT rc;
  GetWindowRect(GetDlgItem(surface, order), &rc);
  return {surface, (rc.right - rc.left) / static_cast<double>(cx), (rc.bottom - rc.top) / static_cast<double>(cy)};
}

class Morvid : public MorvidSession {
 protected:
  void StartOnDialogs() {
    CopyData(L"design\\dialogs.rc", L"dialogs.rc");
    CopyData(L"design\\Resource.h", L"Resource.h");
    Start(L"dialogs.rc");
  }
  // The surface dialog of a dialog of dialogs.rc opened in the program.
  HWND StartOnDialog(const std::wstring& name) {
    StartOnDialogs();
    HWND window = OpenByDoubleClick(name);
    return window ? GetWindow(window, GW_CHILD) : nullptr;
  }
  void Drag(POINT from, std::initializer_list<POINT> path, std::initializer_list<WORD> keys = {}) {
    morvidtest::Drag(frame, from, path, keys);
  }
  void Click(POINT at, std::initializer_list<WORD> keys = {}) { Drag(at, {}, keys); }
  // The dialog's lines in the script saved once closing has asked first.
  std::string SavedAfterThePrompt(const std::string& dialog) {
    ExpectSavePromptOnClose();
    return DialogBlock(SaveScript(L"dialogs.rc"), dialog);
  }
};

}  // namespace

TEST_F(Morvid, DoubleClickOpensTheDialogLiveAndThenOnlyActivatesIt) {
  StartOnDialogs();
  HWND zeta = OpenByDoubleClick(L"IDD_ZETA");
  ASSERT_NE(zeta, nullptr);
  EXPECT_EQ(ClassOf(zeta), L"CHILD_WIN_UFC");
  EXPECT_TRUE(IsZoomed(zeta));
  HWND surface = GetWindow(zeta, GW_CHILD);
  ASSERT_NE(surface, nullptr);
  struct Expected {
    const wchar_t* cls;
    const wchar_t* text;
  };
  const Expected controls[] = {{L"Button", L"OK"},   {L"Button", L"Отмена"},         {L"Static", L"Имя:"},
                               {L"Edit", L"Text"},   {L"msctls_progress32", L""}, {L"Button", L"Флажок"}};
  int order = 1;
  for (const Expected& e : controls) {
    HWND control = GetDlgItem(surface, order);
    ASSERT_NE(control, nullptr) << order;
    EXPECT_EQ(ClassOf(control), e.cls) << order;
    EXPECT_EQ(TextOf(control), e.text) << order;
    ++order;
  }
  EXPECT_EQ(GetDlgItem(surface, order), nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(surface, 5), PBM_GETPOS, 0, 0), 60);
  HWND palette = program.FindTopWindow(L"ParentTB_ClassName");
  EXPECT_NE(palette, nullptr);

  // The unknown custom class shows through its placeholder.
  HWND alpha = OpenByDoubleClick(L"IDD_ALPHA");
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(ClassOf(GetDlgItem(GetWindow(alpha, GW_CHILD), 2)), L"nosuchwidget");  // the reader keeps class names in lower case
  EXPECT_EQ(ChildCount(), 2);

  HWND again = OpenByDoubleClick(L"IDD_ZETA");
  EXPECT_EQ(again, zeta);
  EXPECT_EQ(ChildCount(), 2);

  // The test run is modal: the palette is disabled until it ends.
  Command(IDM_TEST);
  HWND run = WaitForBox();
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(TextOf(run), L"Зета");
  ASSERT_NE(palette, nullptr);
  EXPECT_FALSE(IsWindowEnabled(palette));
  PostMessageW(run, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);  // the control with id IDOK
  EXPECT_TRUE(wintest::PumpUntil([&] { return !IsWindow(run); }));
  EXPECT_TRUE(wintest::PumpUntil([&] { return IsWindowEnabled(palette) != FALSE; }));

  // The frame with its design window, as the screen shows it.
  wintest::PumpUntil([] { return false; }, 300);
  RECT rc;
  GetWindowRect(frame, &rc);
  if (palette) {
    RECT p;
    GetWindowRect(palette, &p);
    UnionRect(&rc, &rc, &p);
  }
  const wintest::Pixels shot = wintest::CaptureScreen(rc);
  EXPECT_TRUE(wintest::SavePng(wintest::ScreenshotPath(L"morvid_design_window"), shot));
}

// An added dialog is an unsaved change: New asks first, where Cancel keeps
// everything and No discards it, and so does closing, where No closes.
TEST_F(Morvid, NewAndCloseWithUnsavedChangesAskFirst) {
  Start(L"");
  EXPECT_EQ(TreeLines(), std::vector<std::wstring>{L"Новый проект"});
  const auto addDialog = [&] {
    Command(IDM_ADD_DIALOG);
    return wintest::PumpUntil([&] { return ChildCount() == 1; });
  };
  ASSERT_TRUE(addDialog());
  EXPECT_EQ(TextOf(ActiveChild()), L"IDD_DLG1");
  EXPECT_EQ(TreeLines(), (std::vector<std::wstring>{L"Новый проект", L" Диалоги", L"  IDD_DLG1"}));
  Command(IDM_NEW);
  HWND box = WaitForSavePrompt();
  ASSERT_NE(box, nullptr);
  Answer(box, IDCANCEL);
  EXPECT_EQ(ChildCount(), 1);
  Command(IDM_NEW);
  box = WaitForSavePrompt();
  ASSERT_NE(box, nullptr);
  Answer(box, IDNO);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ChildCount() == 0; }));
  EXPECT_EQ(TreeLines(), std::vector<std::wstring>{L"Новый проект"});

  ASSERT_TRUE(addDialog());
  PostMessageW(frame, WM_CLOSE, 0, 0);
  box = WaitForSavePrompt();
  ASSERT_NE(box, nullptr);
  Answer(box, IDNO);
  EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(Morvid, SaveWritesScriptAndHeaderAndLeavesNoTemporaryFiles) {
  StartOnDialogs();
  Command(IDM_ADD_DIALOG);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ChildCount() == 1; }));
  EXPECT_EQ(SaveScript(L"dialogs.rc"), ReadBytes(morvidtest::TestData(L"design\\saved\\dialogs.rc")));
  EXPECT_EQ(ReadBytes(folder / L"Resource.h"), ReadBytes(morvidtest::TestData(L"design\\saved\\Resource.h")));
  EXPECT_FALSE(Exists(folder / L"ex0001.tmp"));
  EXPECT_FALSE(Exists(folder / L"ex0002.tmp"));
  // Saved: closing asks nothing.
  PostMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(Morvid, NextDialogNameFillsTheGap) {
  CopyData(L"design\\gaps\\gaps.rc", L"gaps.rc");
  CopyData(L"design\\gaps\\Resource.h", L"Resource.h");
  Start(L"gaps.rc");
  EXPECT_EQ(TreeLines(), (std::vector<std::wstring>{L"gaps.rc", L" Диалоги", L"  IDD_DLG1", L"  IDD_DLG3"}));
  Command(IDM_ADD_DIALOG);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ChildCount() == 1; }));
  EXPECT_EQ(TextOf(ActiveChild()), L"IDD_DLG2");
  EXPECT_EQ(TreeLines(),
            (std::vector<std::wstring>{L"gaps.rc", L" Диалоги", L"  IDD_DLG1", L"  IDD_DLG3", L"  IDD_DLG2"}));
}

TEST_F(Morvid, PlacingAPushButtonAndSavingWritesItsLineAndDefine) {
  HWND surface = StartOnDialog(L"IDD_MID");
  ASSERT_NE(surface, nullptr);
  const UnitScale units = ScaleOf(surface, 1, 40, 14);

  HWND palette = program.FindTopWindow(L"ParentTB_ClassName");
  ASSERT_NE(palette, nullptr);
  HWND toolbar = FindWindowExW(palette, nullptr, L"ToolbarWindow32", nullptr);
  ASSERT_NE(toolbar, nullptr);
  const LRESULT index = SendMessageW(toolbar, TB_COMMANDTOINDEX, IDM_TOOL_PUSH_BUTTON, 0);
  RemoteBuffer remote(program.Handle(), sizeof(RECT));
  ASSERT_TRUE(SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), remote.Param()));
  RECT tool = remote.Read<RECT>();
  MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&tool), 2);
  wintest::ClickOnScreen({(tool.left + tool.right) / 2, (tool.top + tool.bottom) / 2});
  ASSERT_TRUE(wintest::PumpUntil([&] { return SendMessageW(toolbar, TB_ISBUTTONCHECKED, IDM_TOOL_PUSH_BUTTON, 0) != 0; }));

  Drag(units.At(50, 6), {units.At(90, 6)});  // only across: nothing, and the tool stays
  EXPECT_EQ(GetDlgItem(surface, 2), nullptr);
  EXPECT_NE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, IDM_TOOL_PUSH_BUTTON, 0), 0);
  Drag(units.At(90, 26), {units.At(80, 20), units.At(50, 6)});  // from right to left
  ASSERT_TRUE(wintest::PumpUntil([&] { return GetDlgItem(surface, 2) != nullptr; }));
  EXPECT_EQ(TextOf(GetDlgItem(surface, 2)), L"Button");
  EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONCHECKED, IDM_TOOL_PUSH_BUTTON, 0), 0);  // one control per tool

  const std::string mid_block = SavedAfterThePrompt("IDD_MID");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(mid_block, m, std::regex("\r\n   PUSHBUTTON \"Button\",IDC_BUTTON1,(\\d+),(\\d+),(\\d+),(\\d+)\r\n")))
      << mid_block;
  const std::vector<int> rect = Numbers(m);
  const int drawn[] = {50, 6, 40, 20};  // as far as the pixels of this font allow
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(rect[static_cast<size_t>(i)], drawn[i], 1) << i;
  EXPECT_TRUE(std::regex_search(ReadBytes(folder / L"Resource.h"), std::regex("\r\n#define IDC_BUTTON1\t\t\\d+\r\n")));
}

// Two controls moved together by the mouse, one widened by Shift+Right
// (Shift with two selected and Ctrl with an arrow do nothing): the saved
// script has them where they were left, and closing asked first.
TEST_F(Morvid, MovedAndResizedControlsEndInTheSavedScript) {
  HWND surface = StartOnDialog(L"IDD_ZETA");
  ASSERT_NE(surface, nullptr);
  const UnitScale units = ScaleOf(surface, 1, 50, 14);
  const POINT edit = units.At(50, 27), check = units.At(20, 60);  // IDC_NAME at 7,20; IDC_CHECK at 7,55
  Click(edit);
  Click(check, {VK_CONTROL});
  const POINT to = units.At(30, 65);
  Drag(check, {{check.x + 3, check.y + 2}, to});
  wintest::PressKey(VK_DOWN, {VK_SHIFT});   // two selected: no resize
  wintest::PressKey(VK_RIGHT, {VK_CONTROL});  // with Ctrl: nothing
  wintest::PumpUntil([] { return false; }, 300);
  Click({to.x + 4, to.y});  // a click on one of several: it alone stays selected
  wintest::PressKey(VK_RIGHT, {VK_SHIFT});
  wintest::PumpUntil([] { return false; }, 300);

  const std::string zeta_block = SavedAfterThePrompt("IDD_ZETA");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(zeta_block, m, std::regex("\r\n   EDITTEXT IDC_NAME,(\\d+),(\\d+),(\\d+),(\\d+),")))
      << zeta_block;
  const std::vector<int> moved = Numbers(m);
  ASSERT_TRUE(std::regex_search(zeta_block, m, std::regex(",IDC_CHECK,(\\d+),(\\d+),(\\d+),(\\d+)\r\n"))) << zeta_block;
  const std::vector<int> widened = Numbers(m);
  EXPECT_NEAR(moved[0] - 7, 10, 1);
  EXPECT_NEAR(moved[1] - 20, 5, 1);
  EXPECT_EQ(widened[0] - 7, moved[0] - 7);  // the group kept its shape
  EXPECT_EQ(widened[1] - 55, moved[1] - 20);
  EXPECT_EQ(widened[2], 61);
  EXPECT_EQ(widened[3], 10);
  EXPECT_EQ(moved[3], 14);
}

TEST_F(Morvid, DelRemovesTheSelectionFromScriptAndHeader) {
  HWND surface = StartOnDialog(L"IDD_ZETA");
  ASSERT_NE(surface, nullptr);
  Click(CentreOf(GetDlgItem(surface, 5)));
  Click(CentreOf(GetDlgItem(surface, 6)), {VK_CONTROL});
  wintest::PressKey(VK_DELETE);
  ASSERT_TRUE(wintest::PumpUntil([&] { return GetDlgItem(surface, 5) == nullptr; }));
  EXPECT_NE(GetDlgItem(surface, 4), nullptr);
  // Recorded for Ctrl+Z, which brings both back selected; Del again.
  wintest::PressKey('Z', {VK_CONTROL});
  ASSERT_TRUE(wintest::PumpUntil([&] { return GetDlgItem(surface, 6) != nullptr; }));
  wintest::PressKey(VK_DELETE);
  ASSERT_TRUE(wintest::PumpUntil([&] { return GetDlgItem(surface, 5) == nullptr; }));

  const std::string zeta_block = SavedAfterThePrompt("IDD_ZETA");
  EXPECT_NE(zeta_block.find("IDC_NAME"), std::string::npos);
  EXPECT_EQ(zeta_block.find("IDC_BAR"), std::string::npos);
  EXPECT_EQ(zeta_block.find("IDC_CHECK"), std::string::npos);
  const std::string header = ReadBytes(folder / L"Resource.h");
  EXPECT_NE(header.find("#define IDC_NAME"), std::string::npos);
  EXPECT_EQ(header.find("IDC_BAR"), std::string::npos);
  EXPECT_EQ(header.find("IDC_CHECK"), std::string::npos);
}
