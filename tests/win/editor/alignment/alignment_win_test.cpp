// The dialog menu's alignment commands and Ctrl+Z on real design windows of
// a real document: the control windows follow the model, and the saved
// script has what the windows show.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor/app/win/design_host.h"
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"
#include "editor/foundation/win/float_tool_bar_u.h"
#include "editor/resources/resource.h"
#include "win_test_util.h"

namespace {

constexpr char kScript[] =
    "#include \"Resource.h\"\r\n"
    "IDD_ONE DIALOG 0, 0, 200, 120\r\n"
    "FONT 8, \"MS Sans Serif\"\r\n"
    "BEGIN\r\n"
    "    EDITTEXT        IDC_A,10,10,40,12\r\n"
    "    PUSHBUTTON      \"B\",IDC_B,30,40,50,14\r\n"
    "    LTEXT           \"C\",IDC_C,75,70,30,8\r\n"
    "    COMBOBOX        IDC_D,120,20,60,50,CBS_DROPDOWN\r\n"
    "END\r\n"
    "IDD_TWO DIALOG 0, 0, 100, 60\r\n"
    "FONT 8, \"MS Sans Serif\"\r\n"
    "BEGIN\r\n"
    "    EDITTEXT        IDC_E,5,5,40,12\r\n"
    "    EDITTEXT        IDC_F,50,30,40,12\r\n"
    "END\r\n";
constexpr char kHeader[] =
    "#define IDD_ONE 100\r\n#define IDD_TWO 101\r\n#define IDC_A 102\r\n#define IDC_B 103\r\n"
    "#define IDC_C 104\r\n#define IDC_D 105\r\n#define IDC_E 106\r\n#define IDC_F 107\r\n";

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(wintest::Narrow(path).c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(wintest::Narrow(path).c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

struct Rects {
  std::vector<DlgRect> model;   // dialog units
  std::vector<DlgRect> window;  // surface client pixels
};

// One frame, one document and one open design window for the whole suite,
// as in the program: hiding the palette of a closing design window waits
// for a window manager that Wine does not find here.
class Alignment : public ::testing::Test {
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
    SetWindowPos(frame->Window(), nullptr, 0, 0, 900, 650, SWP_NOZORDER);
    ShowWindow(frame->Window(), SW_SHOW);

    folder = TempFolder() + L"morvid_alignment_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    SetCurrentDirectoryW(folder.c_str());
    WriteBytes(Script(), kScript);
    WriteBytes(folder + L"\\Resource.h", kHeader);
    if (hooks->OpenScript(Script()) != 1) return;
    window = Open(L"IDD_ONE");
    if (window) original = RectsOf(window).model;
  }
  static void TearDownTestSuite() {
    Doc().modified = 0;
    hooks->Exit();
    if (g_palette.Palette()) DestroyWindow(g_palette.Palette());
    delete frame;
    delete host;
    delete hooks;
    CDesignWindow::SetHost(nullptr);
    for (const wchar_t* name : {L"s.rc", L"Resource.h"}) DeleteFileW((folder + L"\\" + name).c_str());
    SetCurrentDirectoryW(TempFolder().c_str());
    RemoveDirectoryW(folder.c_str());
  }
  // The first dialog active again, as the script lays it out, nothing selected.
  void SetUp() override {
    ASSERT_NE(window, nullptr);
    if (frame->ActiveDesignWindow() != window) {
      ASSERT_EQ(Open(L"IDD_ONE"), window);
    }
    CDlgRes& dialog = Dialog(window);
    const CWindowUnitMap map(Surface(window));
    for (std::uint32_t order = 1; order <= original.size(); ++order) {
      DlgRect pixels;
      dialog.SetRectDialogUnits(order, original[order - 1]);
      ASSERT_TRUE(dialog.RectPixels(order, map, pixels));
      MoveWindow(Control(window, static_cast<int>(order)), pixels.left, pixels.top, pixels.right - pixels.left,
                 pixels.bottom - pixels.top, TRUE);
    }
    dialog.selection.Clear();
    Doc().modified = 0;
  }

  static std::wstring TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return temp;
  }
  static CDoc& Doc() { return hooks->Document(); }
  static std::wstring Script() { return folder + L"\\s.rc"; }
  static HWND Open(const std::wstring& name) {
    if (!hooks->OpenDesignWindow(name)) return nullptr;
    wintest::PumpPending();
    return frame->ActiveDesignWindow();
  }
  static CDlgRes& Dialog(HWND designWindow) { return *CDesignWindow::DialogOf(designWindow); }
  static HWND Surface(HWND designWindow) { return CDesignWindow::FromWindow(designWindow)->SurfaceDialog(); }
  static HWND Control(HWND designWindow, int order) { return GetDlgItem(Surface(designWindow), order); }
  static void Command(int cmd) {
    SendMessageW(frame->Window(), WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
    wintest::PumpPending();
  }
  // Selects the controls with these orders, the first one primary.
  static void Select(HWND designWindow, const std::vector<int>& orders) {
    CDlgRes& dialog = Dialog(designWindow);
    dialog.selection.Clear();
    for (auto it = orders.rbegin(); it != orders.rend(); ++it) dialog.selection.AddAsPrimary(Control(designWindow, *it));
    dialog.dialogSelected = 0;
  }
  static Rects RectsOf(HWND designWindow) {
    Rects rects;
    CDlgRes& dialog = Dialog(designWindow);
    for (std::uint32_t order = 1; order <= dialog.ControlCount(); ++order) {
      DlgRect r;
      dialog.RectDialogUnits(order, r);
      rects.model.push_back(r);
      RECT rc;
      GetWindowRect(Control(designWindow, static_cast<int>(order)), &rc);
      MapWindowPoints(nullptr, Surface(designWindow), reinterpret_cast<POINT*>(&rc), 2);
      rects.window.push_back({rc.left, rc.top, rc.right, rc.bottom});
    }
    return rects;
  }
  // Every control window where its record puts it; the combo box's window
  // is only as high as its closed box.
  static void ExpectWindowsFollowTheModel(HWND designWindow) {
    CDlgRes& dialog = Dialog(designWindow);
    const CWindowUnitMap map(Surface(designWindow));
    const Rects rects = RectsOf(designWindow);
    for (std::uint32_t order = 1; order <= dialog.ControlCount(); ++order) {
      DlgRect expected;
      ASSERT_TRUE(dialog.RectPixels(order, map, expected));
      const DlgRect& got = rects.window[order - 1];
      EXPECT_EQ(got.left, expected.left) << "control " << order;
      EXPECT_EQ(got.top, expected.top) << "control " << order;
      EXPECT_EQ(got.right, expected.right) << "control " << order;
      if (dialog.KindAt(order) != ControlKind::ComboBox) {
        EXPECT_EQ(got.bottom, expected.bottom) << "control " << order;
      }
    }
  }

  // The child identifiers of the surface's control windows, top of the Z-order first.
  static std::vector<int> ZOrder(HWND designWindow) {
    std::vector<int> orders;
    for (HWND c = GetWindow(Surface(designWindow), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      orders.push_back(GetDlgCtrlID(c));
    return orders;
  }
  static std::vector<std::string> IdNames(const CDlgRes& dialog) {
    std::vector<std::string> names;
    for (const auto& item : dialog.controls) {
      std::string name;
      names.push_back(Doc().ids.NameOf(item->id, dialog.name.Ansi(), name) ? name : "?");
    }
    return names;
  }

  static DocShellHooks* hooks;
  static CFrame* frame;
  static CFrameDesignHost* host;
  static std::wstring folder;
  static HWND window;
  static std::vector<DlgRect> original;
};

DocShellHooks* Alignment::hooks = nullptr;
CFrame* Alignment::frame = nullptr;
CFrameDesignHost* Alignment::host = nullptr;
std::wstring Alignment::folder;
HWND Alignment::window = nullptr;
std::vector<DlgRect> Alignment::original;

class AlignmentCommand : public Alignment, public ::testing::WithParamInterface<int> {};

TEST_P(AlignmentCommand, MovesTheControlWindowsWhereTheModelPutsThem) {
  Select(window, {2, 1, 3, 4});
  const Rects before = RectsOf(window);
  Doc().modified = 0;
  Command(GetParam());
  const Rects after = RectsOf(window);
  EXPECT_FALSE(std::equal(before.model.begin(), before.model.end(), after.model.begin())) << "nothing moved";
  if (GetParam() <= IDM_SAME_BOTH) {
    EXPECT_EQ(before.model[1], after.model[1]);  // the anchor
  }
  ExpectWindowsFollowTheModel(window);
  EXPECT_EQ(Doc().modified, 1);
  EXPECT_EQ(Dialog(window).selection.Count(), 4u);
}

INSTANTIATE_TEST_SUITE_P(DialogMenu, AlignmentCommand,
                         ::testing::Values(IDM_ALIGN_LEFT, IDM_ALIGN_TOP, IDM_SAME_WIDTH, IDM_SAME_HEIGHT, IDM_SAME_BOTH,
                                           IDM_SPREAD_HORIZONTAL, IDM_SPREAD_VERTICAL, IDM_CENTRE_HORIZONTAL,
                                           IDM_CENTRE_VERTICAL));

TEST_F(Alignment, CommandsGoToTheActiveDesignWindowOnlyWhileItsMenuIsShown) {
  HWND other = Open(L"IDD_TWO");
  ASSERT_NE(other, window);
  Select(window, {1, 2});
  Select(other, {1, 2});
  const Rects first = RectsOf(window);
  const Rects second = RectsOf(other);

  hooks->SetDesignActive(other, 0);  // as when the dialog list takes the focus
  Command(IDM_ALIGN_LEFT);
  EXPECT_EQ(RectsOf(other).model[1], second.model[1]);

  hooks->SetDesignActive(other, 1);
  Command(IDM_ALIGN_LEFT);
  EXPECT_EQ(RectsOf(other).model[1].left, second.model[0].left);
  EXPECT_EQ(RectsOf(window).model[1], first.model[1]);
  ExpectWindowsFollowTheModel(other);
}

TEST_F(Alignment, TheSavedScriptHasTheAlignedCoordinates) {
  Select(window, {2, 1, 3});
  Command(IDM_ALIGN_LEFT);
  ASSERT_EQ(hooks->SaveCommand(), 1);
  const std::string saved = ReadBytes(Script());
  EXPECT_NE(saved.find("IDC_A,30,10,40,12"), std::string::npos) << saved;
  EXPECT_NE(saved.find("IDC_C,30,70,30,8"), std::string::npos) << saved;
  EXPECT_EQ(Doc().modified, 0);
}

TEST_F(Alignment, UndoAfterDeleteBringsTheControlsBackSelectedInTheirPlaces) {
  const std::vector<int> zOrder = ZOrder(window);
  ASSERT_EQ(zOrder, (std::vector<int>{1, 2, 3, 4}));
  Select(window, {4, 2});
  Command(IDM_DELETE);
  ASSERT_EQ(Dialog(window).ControlCount(), 2u);
  EXPECT_EQ(ZOrder(window), (std::vector<int>{1, 2}));

  Command(IDM_UNDO);
  CDlgRes& dialog = Dialog(window);
  EXPECT_EQ(IdNames(dialog), (std::vector<std::string>{"IDC_A", "IDC_B", "IDC_C", "IDC_D"}));
  EXPECT_EQ(ZOrder(window), zOrder);
  ASSERT_EQ(dialog.selection.Count(), 2u);
  EXPECT_EQ(dialog.selection.windows[0], Control(window, 4));  // the last one back is primary
  EXPECT_EQ(dialog.selection.windows[1], Control(window, 2));
  EXPECT_EQ(dialog.dialogSelected, 0);
  EXPECT_EQ(Doc().modified, 1);
  ExpectWindowsFollowTheModel(window);
}

// The entry belongs to its dialog: undone while another dialog is active or
// after its own window was closed, it restores that dialog all the same.
TEST_F(Alignment, UndoGoesToTheDialogItWasRecordedIn) {
  Select(window, {3});
  Command(IDM_DELETE);
  HWND other = Open(L"IDD_TWO");
  ASSERT_NE(other, window);
  Command(IDM_UNDO);
  EXPECT_EQ(Dialog(window).ControlCount(), 4u);
  EXPECT_EQ(Dialog(other).ControlCount(), 2u);
  EXPECT_TRUE(Dialog(window).IsSelectedAt(3));

  ASSERT_EQ(Open(L"IDD_ONE"), window);
  Select(window, {1, 2});
  Command(IDM_DELETE);
  CDlgRes& first = Dialog(window);
  SendMessageW(frame->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
  wintest::PumpPending();
  ASSERT_EQ(first.window, nullptr);
  Command(IDM_UNDO);
  EXPECT_EQ(IdNames(first), (std::vector<std::string>{"IDC_A", "IDC_B", "IDC_C", "IDC_D"}));
  window = Open(L"IDD_ONE");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ZOrder(window), (std::vector<int>{1, 2, 3, 4}));
  ExpectWindowsFollowTheModel(window);
}

}  // namespace
