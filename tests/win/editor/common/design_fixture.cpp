#include "design_fixture.h"

#include <commctrl.h>

#include "editor/design/toolbox.h"
#include "editor/foundation/win/float_tool_bar_u.h"
#include "editor/properties/win/property_dlg.h"
#include "win_test_util.h"

namespace morvidtest {

TestFrame::TestFrame(ShellHooks& hooks, CDoc* doc) : host(*this, doc) {
  INITCOMMONCONTROLSEX init = {sizeof init, 0x4FF};
  InitCommonControlsEx(&init);
  CFrame::RegisterClasses(GetModuleHandleW(nullptr), CDesignWindow::WindowProc);
  Create(GetModuleHandleW(nullptr), &hooks);
  CDesignWindow::SetHost(&host);
  SetWindowPos(Window(), nullptr, 0, 0, 900, 650, SWP_NOZORDER);
  ShowWindow(Window(), SW_SHOW);
}

// The design windows go with the frame while their host is still there.
TestFrame::~TestFrame() {
  if (g_propertyDlg.window) DestroyWindow(g_propertyDlg.window);
  if (g_palette.Palette()) DestroyWindow(g_palette.Palette());
  if (IsWindow(Window())) DestroyWindow(Window());
  CDesignWindow::SetHost(nullptr);
}

CDlgRes& DialogOf(HWND designWindow) { return *CDesignWindow::DialogOf(designWindow); }

HWND SurfaceOf(HWND designWindow) { return CDesignWindow::FromWindow(designWindow)->SurfaceDialog(); }

HWND ControlOf(HWND designWindow, int order) { return GetDlgItem(SurfaceOf(designWindow), order); }

DlgRect UnitsOf(HWND designWindow, int order) {
  DlgRect r;
  DialogOf(designWindow).RectDialogUnits(static_cast<std::uint32_t>(order), r);
  return r;
}

POINT ScreenAtUnits(HWND designWindow, int x, int y) {
  HWND surface = SurfaceOf(designWindow);
  RECT at = {x, y, 0, 0};
  MapDialogRect(surface, &at);
  POINT p = {at.left, at.top};
  ClientToScreen(surface, &p);
  return p;
}

std::vector<int> ZOrderOf(HWND designWindow) {
  std::vector<int> orders;
  for (HWND c = GetWindow(SurfaceOf(designWindow), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    orders.push_back(GetDlgCtrlID(c));
  return orders;
}

void ExpectWindowsFollowTheModel(HWND designWindow) {
  CDlgRes& dialog = DialogOf(designWindow);
  HWND surface = SurfaceOf(designWindow);
  const CWindowUnitMap map(surface);
  for (std::uint32_t order = 1; order <= dialog.ControlCount(); ++order) {
    DlgRect expected;
    ASSERT_TRUE(dialog.RectPixels(order, map, expected));
    RECT got;
    GetWindowRect(GetDlgItem(surface, static_cast<int>(order)), &got);
    MapWindowPoints(nullptr, surface, reinterpret_cast<POINT*>(&got), 2);
    EXPECT_EQ(got.left, expected.left) << "control " << order;
    EXPECT_EQ(got.top, expected.top) << "control " << order;
    EXPECT_EQ(got.right, expected.right) << "control " << order;
    if (dialog.KindAt(order) != ControlKind::ComboBox) {
      EXPECT_EQ(got.bottom, expected.bottom) << "control " << order;
    }
  }
}

DlgItem ToolControl(int tool, int x, int y, int cx, int cy) {
  DlgItem item;
  ToolboxDefaults(tool, item);
  item.x = static_cast<std::int16_t>(x);
  item.y = static_cast<std::int16_t>(y);
  item.cx = static_cast<std::int16_t>(cx);
  item.cy = static_cast<std::int16_t>(cy);
  return item;
}

DocShellHooks* DocumentSuite::hooks = nullptr;
TestFrame* DocumentSuite::frame = nullptr;
ScratchFolder* DocumentSuite::folder = nullptr;

void DocumentSuite::SetUpTestSuite() {
  hooks = new DocShellHooks;
  frame = new TestFrame(*hooks, &hooks->Document());
  folder = new ScratchFolder(wintest::Widen(::testing::UnitTest::GetInstance()->current_test_suite()->name()));
  SetCurrentDirectoryW(folder->Path().c_str());
}

void DocumentSuite::TearDownTestSuite() {
  Doc().modified = 0;
  hooks->Exit();
  delete frame;
  delete hooks;
  delete folder;
  frame = nullptr;
  hooks = nullptr;
  folder = nullptr;
}

int DocumentSuite::OpenScript(const std::string& script, const std::string& header) {
  WriteBytes(PathOf(L"s.rc"), script);
  WriteBytes(PathOf(L"Resource.h"), header);
  return hooks->OpenScript(PathOf(L"s.rc"));
}

int DocumentSuite::OpenDataScript(const std::wstring& dataFolder, const std::wstring& name) {
  for (const std::wstring& file : {name, std::wstring(L"Resource.h")}) {
    if (!CopyFileW(TestData(dataFolder + L"\\" + file).c_str(), PathOf(file).c_str(), FALSE)) return 0;
  }
  return hooks->OpenScript(PathOf(name));
}

HWND DocumentSuite::Open(const std::wstring& dialog) {
  if (!hooks->OpenDesignWindow(dialog)) return nullptr;
  wintest::PumpPending();
  HWND window = frame->ActiveDesignWindow();
  if (window) wintest::PumpUntil([&] { return DialogOf(window).active == 1; });
  return window;
}

void DocumentSuite::Command(int cmd) {
  SendMessageW(frame->Window(), WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
  wintest::PumpPending();
}

void DocumentSuite::Select(HWND designWindow, const std::vector<int>& orders) {
  CDlgRes& dialog = DialogOf(designWindow);
  dialog.selection.Clear();
  for (auto it = orders.rbegin(); it != orders.rend(); ++it) dialog.selection.AddAsPrimary(ControlOf(designWindow, *it));
  dialog.dialogSelected = orders.empty() ? 1 : 0;
  frame->RefreshProperties();
}

void DocumentSuite::CloseDocument() {
  Doc().modified = 0;
  hooks->NewCommand();
  wintest::PumpPending();
}

}  // namespace morvidtest
