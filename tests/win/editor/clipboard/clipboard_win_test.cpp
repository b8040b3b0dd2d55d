// Copy, paste and Ctrl+Z on real design windows of a real document, with the
// keys going through the frame's accelerators as in the program's message
// loop: the menu items follow the selection and the control clipboard, the
// system clipboard gets script lines, and what is pasted or undone ends in
// the saved script and header.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "design_fixture.h"
#include "editor/properties/win/property_dlg.h"
#include "editor/resources/resource.h"
#include "win_test_util.h"

namespace {

using namespace morvidtest;

// IDC_A is used in both dialogs: pasted into the second it needs a new name.
constexpr char kScript[] =
    "#include \"Resource.h\"\r\n"
    "IDD_ONE DIALOG 0, 0, 200, 120\r\n"
    "FONT 8, \"MS Sans Serif\"\r\n"
    "BEGIN\r\n"
    "    EDITTEXT        IDC_A,10,10,40,12\r\n"
    "    PUSHBUTTON      \"B\",IDC_B,30,40,50,14\r\n"
    "    LTEXT           \"C\",IDC_C,75,70,30,8\r\n"
    "END\r\n"
    "IDD_TWO DIALOG 0, 0, 100, 60\r\n"
    "FONT 8, \"MS Sans Serif\"\r\n"
    "BEGIN\r\n"
    "    EDITTEXT        IDC_A,5,5,40,12\r\n"
    "END\r\n";
constexpr char kHeader[] =
    "#define IDD_ONE 100\r\n#define IDD_TWO 101\r\n#define IDC_A 102\r\n#define IDC_B 103\r\n"
    "#define IDC_C 104\r\n";

std::wstring SystemClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

class ClipboardAndUndo : public DocumentSuite {
 protected:
  static void SetUpTestSuite() {
    DocumentSuite::SetUpTestSuite();
    accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
  }
  static void TearDownTestSuite() {
    DocumentSuite::TearDownTestSuite();
    if (accelerators) DestroyAcceleratorTable(accelerators);
  }
  void SetUp() override {
    ASSERT_EQ(OpenScript(kScript, kHeader), 1);
    SetForegroundWindow(frame->Window());
    one = Open(L"IDD_ONE");
    ASSERT_NE(one, nullptr);
  }
  void TearDown() override {
    for (WORD key : {VK_CONTROL, VK_SHIFT}) wintest::KeyOnScreen(key, false);
    CloseDocument();
  }

  static bool Greyed(int cmd) {
    return (GetMenuState(GetMenu(frame->Window()), cmd, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }
  // The program's message loop: the frame's accelerators first.
  static bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    for (;;) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (frame->PreTranslate(&msg, accelerators)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      if (done()) return true;
      if (GetTickCount() - start > timeoutMs) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  // A key pressed with Ctrl held, handled as the program would.
  static void CtrlKey(WORD key, const std::function<bool()>& done) {
    wintest::PressKey(key, {VK_CONTROL});
    EXPECT_TRUE(PumpUntil(done)) << "Ctrl+" << static_cast<char>(key);
  }

  static HACCEL accelerators;
  HWND one = nullptr;
};

HACCEL ClipboardAndUndo::accelerators = nullptr;

}  // namespace

// Clicks change the selection without any command: the items follow all the same.
TEST_F(ClipboardAndUndo, MenuItemsFollowTheSelectionAndTheClipboard) {
  EXPECT_TRUE(Greyed(IDM_COPY));
  EXPECT_EQ(Greyed(IDM_PASTE), hooks->Clipboard().Empty());
  wintest::ClickOnScreen(ScreenAtUnits(one, 20, 15));
  ASSERT_TRUE(PumpUntil([] { return !Greyed(IDM_COPY); })) << "a click selected the edit box";
  CtrlKey('C', [] { return !Greyed(IDM_PASTE); });
  EXPECT_EQ(hooks->Clipboard().Records().size(), 1u);

  wintest::ClickOnScreen(ScreenAtUnits(one, 190, 110));  // empty dialog area
  ASSERT_TRUE(PumpUntil([] { return Greyed(IDM_COPY); }));
  EXPECT_FALSE(Greyed(IDM_PASTE));

  frame->SetDesignActive(one, 0);  // the dialog list took the focus
  EXPECT_TRUE(Greyed(IDM_PASTE));
  frame->SetDesignActive(one, 1);
  EXPECT_FALSE(Greyed(IDM_PASTE));
}

// The system clipboard gets script lines; the paste comes from the control clipboard.
TEST_F(ClipboardAndUndo, CtrlCCtrlVBetweenTwoDesignWindowsEndsInTheSavedScriptAndHeader) {
  Select(one, {2, 1});
  CtrlKey('C', [] { return !hooks->Clipboard().Empty(); });
  EXPECT_EQ(SystemClipboardText(),
            L"   EDITTEXT IDC_A,10,10,40,12,WS_BORDER|WS_TABSTOP|ES_LEFT\r\n"
            L"   PUSHBUTTON \"B\",IDC_B,30,40,50,14\r\n");
  HWND two = Open(L"IDD_TWO");
  ASSERT_NE(two, nullptr);
  CtrlKey('V', [&] { return DialogOf(two).ControlCount() == 3; });
  CDlgRes& dialog = DialogOf(two);
  ASSERT_EQ(dialog.selection.Count(), 2u);
  EXPECT_EQ(dialog.selection.windows[0], ControlOf(two, 3));
  ExpectWindowsFollowTheModel(two);

  ASSERT_EQ(hooks->SaveCommand(), 1);
  const std::string block = DialogBlock(ReadBytes(PathOf(L"s.rc")), "IDD_TWO");
  EXPECT_NE(block.find("   EDITTEXT IDC_A,5,5,40,12,WS_BORDER|WS_TABSTOP|ES_LEFT\r\n"
                       "   EDITTEXT IDC_EDIT1,10,10,40,12,WS_BORDER|WS_TABSTOP|ES_LEFT\r\n"
                       "   PUSHBUTTON \"B\",IDC_B,30,40,50,14\r\n"),
            std::string::npos)
      << block;
  EXPECT_NE(ReadBytes(PathOf(L"Resource.h")).find("#define IDC_EDIT1\t"), std::string::npos);

  CtrlKey('Z', [&] { return DialogOf(two).ControlCount() == 1; });
  ASSERT_EQ(hooks->SaveCommand(), 1);
  EXPECT_EQ(DialogBlock(ReadBytes(PathOf(L"s.rc")), "IDD_TWO").find("IDC_B"), std::string::npos);
  EXPECT_EQ(ReadBytes(PathOf(L"Resource.h")).find("IDC_EDIT1"), std::string::npos);
}

// Tapping one arrow is one step; Shift with it is another.
TEST_F(ClipboardAndUndo, ArrowRunsAreUndoneAStepAtATime) {
  const DlgRect edit = UnitsOf(one, 1);
  Select(one, {1});
  SetFocus(one);
  for (int k = 0; k < 3; ++k) {
    wintest::KeyOnScreen(VK_RIGHT, true);
    wintest::KeyOnScreen(VK_RIGHT, false);
  }
  ASSERT_TRUE(PumpUntil([&] { return UnitsOf(one, 1).left == edit.left + 3; }));
  wintest::PressKey(VK_RIGHT, {VK_SHIFT});
  ASSERT_TRUE(PumpUntil([&] { return UnitsOf(one, 1).right == edit.right + 4; }));

  CtrlKey('Z', [&] { return UnitsOf(one, 1).right == edit.right + 3; });
  CtrlKey('Z', [&] { return UnitsOf(one, 1).left == edit.left; });
  EXPECT_EQ(UnitsOf(one, 1), edit);
  ExpectWindowsFollowTheModel(one);
}

// A caption typed during one visit of its page is one step.
TEST_F(ClipboardAndUndo, ACaptionTypedOnAPageIsOneStep) {
  Select(one, {2});
  hooks->ShowProperties();
  HWND caption = g_propertyDlg.pageWindow ? GetDlgItem(g_propertyDlg.pageWindow, IDC_GEN_CAPTION) : nullptr;
  ASSERT_NE(caption, nullptr);
  for (const wchar_t* typed : {L"X", L"XY", L"XYZ"}) SetWindowTextW(caption, typed);
  ASSERT_EQ(DialogOf(one).ControlAt(2)->text.View(), u"XYZ");
  Command(IDM_UNDO);
  EXPECT_EQ(DialogOf(one).ControlAt(2)->text.View(), u"B");
  wchar_t shown[16] = {};
  GetWindowTextW(ControlOf(one, 2), shown, 16);
  EXPECT_STREQ(shown, L"B");
}
