// Copy, paste and Ctrl+Z on real design windows of a real document, with the
// keys going through the frame's accelerators as in the program's message
// loop: the menu items follow the selection and the control clipboard, the
// system clipboard gets script lines, and what is pasted or undone ends in
// the saved script and header.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "editor/app/win/design_host.h"
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"
#include "editor/foundation/win/float_tool_bar_u.h"
#include "editor/properties/win/property_dlg.h"
#include "editor/resources/resource.h"
#include "win_test_util.h"

namespace {

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

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(wintest::Narrow(path).c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(wintest::Narrow(path).c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The lines of one dialog statement of a saved script.
std::string DialogBlock(const std::string& script, const std::string& name) {
  const size_t begin = script.find(name + " DIALOGEX");
  if (begin == std::string::npos) return std::string();
  return script.substr(begin, script.find("END\r\n", begin) - begin);
}

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

class ClipboardAndUndo : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX init = {sizeof init, 0x4FF};
    InitCommonControlsEx(&init);
    CFrame::RegisterClasses(GetModuleHandleW(nullptr), CDesignWindow::WindowProc);
    hooks = new DocShellHooks;
    frame = new CFrame;
    frame->Create(GetModuleHandleW(nullptr), hooks);
    host = new CFrameDesignHost(*frame, &hooks->Document());
    CDesignWindow::SetHost(host);
    accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    SetWindowPos(frame->Window(), nullptr, 0, 0, 900, 650, SWP_NOZORDER);
    ShowWindow(frame->Window(), SW_SHOW);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"morvid_clipboard_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    SetCurrentDirectoryW(folder.c_str());
  }
  static void TearDownTestSuite() {
    hooks->Exit();
    if (g_palette.Palette()) DestroyWindow(g_palette.Palette());
    delete frame;
    delete host;
    delete hooks;
    if (accelerators) DestroyAcceleratorTable(accelerators);
    CDesignWindow::SetHost(nullptr);
    SetCurrentDirectoryW(L"C:\\");
    for (const wchar_t* name : {L"s.rc", L"Resource.h"}) DeleteFileW((folder + L"\\" + name).c_str());
    RemoveDirectoryW(folder.c_str());
  }
  void SetUp() override {
    WriteBytes(Script(), kScript);
    WriteBytes(folder + L"\\Resource.h", kHeader);
    ASSERT_EQ(hooks->OpenScript(Script()), 1);
    SetForegroundWindow(frame->Window());
    one = Open(L"IDD_ONE");
    ASSERT_NE(one, nullptr);
  }
  void TearDown() override {
    for (WORD key : {VK_CONTROL, VK_SHIFT}) wintest::KeyOnScreen(key, false);
    hooks->Document().modified = 0;
    hooks->NewCommand();
    wintest::PumpPending();
  }

  static std::wstring Script() { return folder + L"\\s.rc"; }
  static HWND Open(const std::wstring& name) {
    if (!hooks->OpenDesignWindow(name)) return nullptr;
    wintest::PumpPending();
    HWND window = frame->ActiveDesignWindow();
    wintest::PumpUntil([&] { return window && Dialog(window).active == 1; });
    return window;
  }
  static CDlgRes& Dialog(HWND window) { return *CDesignWindow::DialogOf(window); }
  static HWND Surface(HWND window) { return CDesignWindow::FromWindow(window)->SurfaceDialog(); }
  static HWND Control(HWND window, int order) { return GetDlgItem(Surface(window), order); }
  static void Command(int cmd) {
    SendMessageW(frame->Window(), WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
    wintest::PumpPending();
  }
  // Selects by order, the first one primary, as clicks would, menu states included.
  static void Select(HWND window, const std::vector<int>& orders) {
    CDlgRes& dialog = Dialog(window);
    dialog.selection.Clear();
    for (auto it = orders.rbegin(); it != orders.rend(); ++it)
      dialog.selection.AddAsPrimary(Control(window, *it));
    dialog.dialogSelected = orders.empty() ? 1 : 0;
    frame->RefreshProperties();
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
  static POINT AtUnits(HWND window, int x, int y) {
    RECT at = {x, y, 0, 0};
    MapDialogRect(Surface(window), &at);
    POINT p = {at.left, at.top};
    ClientToScreen(Surface(window), &p);
    return p;
  }
  static DlgRect Units(HWND window, int order) {
    DlgRect r;
    Dialog(window).RectDialogUnits(static_cast<std::uint32_t>(order), r);
    return r;
  }
  static void ExpectWindowFollowsTheModel(HWND window, int order) {
    DlgRect expected;
    ASSERT_TRUE(Dialog(window).RectPixels(static_cast<std::uint32_t>(order), CWindowUnitMap(Surface(window)),
                                          expected));
    RECT rc;
    GetWindowRect(Control(window, order), &rc);
    MapWindowPoints(nullptr, Surface(window), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ((DlgRect{rc.left, rc.top, rc.right, rc.bottom}), expected) << "control " << order;
  }

  static DocShellHooks* hooks;
  static CFrame* frame;
  static CFrameDesignHost* host;
  static HACCEL accelerators;
  static std::wstring folder;
  HWND one = nullptr;
};

DocShellHooks* ClipboardAndUndo::hooks = nullptr;
CFrame* ClipboardAndUndo::frame = nullptr;
CFrameDesignHost* ClipboardAndUndo::host = nullptr;
HACCEL ClipboardAndUndo::accelerators = nullptr;
std::wstring ClipboardAndUndo::folder;

}  // namespace

// Clicks change the selection without any command: the items follow all the same.
TEST_F(ClipboardAndUndo, MenuItemsFollowTheSelectionAndTheClipboard) {
  EXPECT_TRUE(Greyed(IDM_COPY));
  EXPECT_EQ(Greyed(IDM_PASTE), hooks->Clipboard().Empty());
  wintest::ClickOnScreen(AtUnits(one, 20, 15));
  ASSERT_TRUE(PumpUntil([] { return !Greyed(IDM_COPY); })) << "a click selected the edit box";
  CtrlKey('C', [] { return !Greyed(IDM_PASTE); });
  EXPECT_EQ(hooks->Clipboard().Records().size(), 1u);

  wintest::ClickOnScreen(AtUnits(one, 190, 110));  // empty dialog area
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
  CtrlKey('V', [&] { return Dialog(two).ControlCount() == 3; });
  CDlgRes& dialog = Dialog(two);
  ASSERT_EQ(dialog.selection.Count(), 2u);
  EXPECT_EQ(dialog.selection.windows[0], Control(two, 3));
  for (int order = 1; order <= 3; ++order) ExpectWindowFollowsTheModel(two, order);

  ASSERT_EQ(hooks->SaveCommand(), 1);
  const std::string block = DialogBlock(ReadBytes(Script()), "IDD_TWO");
  EXPECT_NE(block.find("   EDITTEXT IDC_A,5,5,40,12,WS_BORDER|WS_TABSTOP|ES_LEFT\r\n"
                       "   EDITTEXT IDC_EDIT1,10,10,40,12,WS_BORDER|WS_TABSTOP|ES_LEFT\r\n"
                       "   PUSHBUTTON \"B\",IDC_B,30,40,50,14\r\n"),
            std::string::npos)
      << block;
  EXPECT_NE(ReadBytes(folder + L"\\Resource.h").find("#define IDC_EDIT1\t"), std::string::npos);

  CtrlKey('Z', [&] { return Dialog(two).ControlCount() == 1; });
  ASSERT_EQ(hooks->SaveCommand(), 1);
  EXPECT_EQ(DialogBlock(ReadBytes(Script()), "IDD_TWO").find("IDC_B"), std::string::npos);
  EXPECT_EQ(ReadBytes(folder + L"\\Resource.h").find("IDC_EDIT1"), std::string::npos);
}

// Tapping one arrow is one step; Shift with it is another.
TEST_F(ClipboardAndUndo, ArrowRunsAreUndoneAStepAtATime) {
  const DlgRect edit = Units(one, 1);
  Select(one, {1});
  SetFocus(one);
  for (int k = 0; k < 3; ++k) {
    wintest::KeyOnScreen(VK_RIGHT, true);
    wintest::KeyOnScreen(VK_RIGHT, false);
  }
  ASSERT_TRUE(PumpUntil([&] { return Units(one, 1).left == edit.left + 3; }));
  wintest::PressKey(VK_RIGHT, {VK_SHIFT});
  ASSERT_TRUE(PumpUntil([&] { return Units(one, 1).right == edit.right + 4; }));

  CtrlKey('Z', [&] { return Units(one, 1).right == edit.right + 3; });
  CtrlKey('Z', [&] { return Units(one, 1).left == edit.left; });
  EXPECT_EQ(Units(one, 1), edit);
  ExpectWindowFollowsTheModel(one, 1);

}

// A caption typed during one visit of its page is one step.
TEST_F(ClipboardAndUndo, ACaptionTypedOnAPageIsOneStep) {
  Select(one, {2});
  hooks->ShowProperties();
  HWND caption = g_propertyDlg.pageWindow ? GetDlgItem(g_propertyDlg.pageWindow, IDC_GEN_CAPTION) : nullptr;
  ASSERT_NE(caption, nullptr);
  for (const wchar_t* typed : {L"X", L"XY", L"XYZ"}) SetWindowTextW(caption, typed);
  ASSERT_EQ(Dialog(one).ControlAt(2)->text.View(), u"XYZ");
  Command(IDM_UNDO);
  EXPECT_EQ(Dialog(one).ControlAt(2)->text.View(), u"B");
  wchar_t shown[16] = {};
  GetWindowTextW(Control(one, 2), shown, 16);
  EXPECT_STREQ(shown, L"B");
}
