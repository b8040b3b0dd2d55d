// The shipped Morvid.exe driven from this process: opening scripts named on
// the command line, the dialog list, design windows opened from it, New,
// Save and the next dialog name. Each test works on copies of the scripts
// in a fresh folder, the program's current directory.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "editor/resources/resource.h"
#include "morvid_process.h"
#include "win_test_util.h"

namespace {

constexpr int kTreeId = 1101;

const std::wstring kMorvid = wintest::Widen(MORVID_EXE);
const std::wstring kData = wintest::Widen(DESIGN_DATA_DIR);

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &result);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t text[64] = {};
  GetClassNameW(window, text, 64);
  return text;
}

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(wintest::Narrow(path).c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A buffer inside the other process, for the tree view's messages that
// carry pointers (Wine does not carry them across processes).
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size) : process(process) {
    data = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (data) VirtualFreeEx(process, data, 0, MEM_RELEASE);
  }
  template <typename T>
  void Write(const T& value, size_t offset = 0) {
    WriteProcessMemory(process, static_cast<char*>(data) + offset, &value, sizeof(T), nullptr);
  }
  template <typename T>
  T Read(size_t offset = 0) const {
    T value{};
    ReadProcessMemory(process, static_cast<char*>(data) + offset, &value, sizeof(T), nullptr);
    return value;
  }
  char* At(size_t offset) const { return static_cast<char*>(data) + offset; }
  LPARAM Param() const { return reinterpret_cast<LPARAM>(data); }

 private:
  HANDLE process;
  void* data = nullptr;
};

class Morvid : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"morvid_design_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
             wintest::Widen(::testing::UnitTest::GetInstance()->current_test_info()->name());
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  void TearDown() override {
    Close();
    for (const wchar_t* name : {L"dialogs.rc", L"Resource.h", L"missing_id.rc", L"gaps.rc"})
      DeleteFileW((folder + L"\\" + name).c_str());
    DeleteFileW((folder + L"\\with blank\\dialogs.rc").c_str());
    DeleteFileW((folder + L"\\with blank\\Resource.h").c_str());
    RemoveDirectoryW((folder + L"\\with blank").c_str());
    RemoveDirectoryW(folder.c_str());
  }
  void Copy(const std::wstring& from, const std::wstring& to) {
    ASSERT_TRUE(CopyFileW((kData + L"\\" + from).c_str(), (folder + L"\\" + to).c_str(), FALSE))
        << wintest::Narrow(from);
  }
  void Start(const std::wstring& arguments, const std::wstring& directory) {
    ASSERT_TRUE(program.Start(kMorvid, arguments, directory));
    Attach();
  }
  void Attach() {
    frame = program.WaitForTopWindow(L"FRAME_WIN_UFC");
    ASSERT_NE(frame, nullptr);
    HWND panel = FindWindowExW(frame, nullptr, L"#32770", nullptr);
    ASSERT_NE(panel, nullptr);
    tree = GetDlgItem(panel, kTreeId);
    ASSERT_NE(tree, nullptr);
    mdiClient = FindWindowExW(frame, nullptr, L"MDICLIENT", nullptr);
    ASSERT_NE(mdiClient, nullptr);
  }
  // Closes the program, declining to save.
  void Close() {
    if (!frame || !IsWindow(frame)) return;
    PostMessageW(frame, WM_CLOSE, 0, 0);
    wintest::PumpUntil([&] { return !IsWindow(frame) || program.FindTopWindow(L"#32770"); }, 5000);
    if (HWND box = program.FindTopWindow(L"#32770")) Answer(box, IDNO);
    program.WaitForExit(10000);
  }
  HWND WaitForBox() { return program.WaitForTopWindow(L"#32770", 10000); }
  void Answer(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    wintest::PumpUntil([&] { return !IsWindow(box); }, 5000);
  }
  // The texts of a box's static controls, joined.
  std::wstring BoxText(HWND box) {
    std::wstring text;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (ClassOf(c) == L"Static") text += Text(c);
    return text;
  }
  void Command(int cmd) { PostMessageW(frame, WM_COMMAND, MAKEWPARAM(cmd, 0), 0); }

  HTREEITEM Next(HTREEITEM item, UINT how) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
  }
  std::wstring ItemText(HTREEITEM item) {
    RemoteBuffer remote(program.Handle(), sizeof(TVITEMW) + 512);
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = reinterpret_cast<wchar_t*>(remote.At(sizeof(TVITEMW)));
    tv.cchTextMax = 200;
    remote.Write(tv);
    SendMessageW(tree, TVM_GETITEMW, 0, remote.Param());
    wchar_t text[201] = {};
    ReadProcessMemory(program.Handle(), remote.At(sizeof(TVITEMW)), text, 400, nullptr);
    return text;
  }
  // Root, then each level's children indented by one blank per level.
  std::vector<std::wstring> TreeLines() {
    std::vector<std::wstring> lines;
    HTREEITEM root = Next(nullptr, TVGN_ROOT);
    if (!root) return lines;
    lines.push_back(ItemText(root));
    for (HTREEITEM folderItem = Next(root, TVGN_CHILD); folderItem; folderItem = Next(folderItem, TVGN_NEXT)) {
      lines.push_back(L" " + ItemText(folderItem));
      for (HTREEITEM item = Next(folderItem, TVGN_CHILD); item; item = Next(item, TVGN_NEXT))
        lines.push_back(L"  " + ItemText(item));
    }
    return lines;
  }
  HTREEITEM DialogItem(const std::wstring& name) {
    HTREEITEM folderItem = Next(Next(nullptr, TVGN_ROOT), TVGN_CHILD);
    for (HTREEITEM item = Next(folderItem, TVGN_CHILD); item; item = Next(item, TVGN_NEXT))
      if (ItemText(item) == name) return item;
    return nullptr;
  }
  void DoubleClick(HTREEITEM item) {
    RemoteBuffer remote(program.Handle(), sizeof(RECT));
    remote.Write(item);
    ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, remote.Param()));
    RECT rc = remote.Read<RECT>();
    POINT at = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ClientToScreen(tree, &at);
    wintest::ClickOnScreen(at, 2);
  }
  HWND ActiveChild() { return reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0)); }
  int ChildCount() {
    int n = 0;
    for (HWND c = GetWindow(mdiClient, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (ClassOf(c) == L"CHILD_WIN_UFC") ++n;
    return n;
  }
  HWND OpenByDoubleClick(const std::wstring& name) {
    HTREEITEM item = DialogItem(name);
    EXPECT_NE(item, nullptr) << wintest::Narrow(name);
    if (!item) return nullptr;
    // Again when the first one came before the tree was ready for it.
    HWND found = nullptr;
    for (int attempt = 0; attempt < 3 && !found; ++attempt) {
      DoubleClick(item);
      if (!wintest::PumpUntil([&] { return (found = ActiveChild()) && Text(found) == name; }, 3000)) found = nullptr;
    }
    return found;
  }

  // Editing on a design window from outside, with real input.
  HWND Surface(HWND designWindow) { return GetWindow(designWindow, GW_CHILD); }
  bool Captured() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &info) && info.hwndCapture != nullptr;
  }
  static void Settle(DWORD ms = 150) { wintest::PumpUntil([] { return false; }, ms); }
  void Drag(POINT from, std::initializer_list<POINT> path, std::initializer_list<WORD> keys = {}) {
    for (WORD key : keys) wintest::KeyOnScreen(key, true);
    wintest::LeftButtonOnScreen(from, true);
    wintest::PumpUntil([&] { return Captured(); }, 3000);
    // The capture makes Wine read the keys back from the X server, which
    // never saw them held: they are pressed again for mouse up.
    for (WORD key : keys) wintest::KeyOnScreen(key, true);
    POINT last = from;
    for (POINT at : path) {
      wintest::MoveOnScreen(at);
      Settle();
      last = at;
    }
    wintest::LeftButtonOnScreen(last, false);
    wintest::PumpUntil([&] { return !Captured(); }, 3000);
    for (WORD key : keys) wintest::KeyOnScreen(key, false);
    Settle();
  }
  void Click(POINT at, std::initializer_list<WORD> keys = {}) { Drag(at, {}, keys); }
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
  POINT CentreOf(HWND window) {
    RECT rc;
    GetWindowRect(window, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  }
  // Saves and waits for the script to change.
  std::string SaveScript() {
    const std::string before = ReadBytes(folder + L"\\dialogs.rc");
    Command(IDM_SAVE);
    wintest::PumpUntil([&] { return ReadBytes(folder + L"\\dialogs.rc") != before; }, 10000);
    wintest::PumpUntil([&] { return !Exists(folder + L"\\ex0001.tmp"); }, 5000);
    return ReadBytes(folder + L"\\dialogs.rc");
  }
  // Closing with unsaved changes asks first; Cancel keeps the program.
  void ExpectSavePromptOnClose() {
    PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(BoxText(box).find(L"Документ изменен. Сохранить изменения ?"), std::wstring::npos);
    Answer(box, IDCANCEL);
    EXPECT_TRUE(IsWindow(frame));
  }

  std::wstring folder;
  ChildProcess program;
  HWND frame = nullptr;
  HWND tree = nullptr;
  HWND mdiClient = nullptr;
};

const std::vector<std::wstring> kDialogsTree = {L"dialogs.rc", L" Диалоги", L"  IDD_ZETA", L"  IDD_ALPHA", L"  IDD_MID"};

}  // namespace

TEST_F(Morvid, OpensARelativePathAndShowsDialogsInScriptOrder) {
  Copy(L"dialogs.rc", L"dialogs.rc");
  Copy(L"Resource.h", L"Resource.h");
  Start(L"dialogs.rc", folder);
  EXPECT_EQ(TreeLines(), kDialogsTree);
}

// Quoted, with a blank in the folder's name, relative to another directory:
// the script's folder becomes the current one, so its Resource.h is found.
TEST_F(Morvid, OpensAQuotedPathWithABlank) {
  CreateDirectoryW((folder + L"\\with blank").c_str(), nullptr);
  Copy(L"with blank\\dialogs.rc", L"with blank\\dialogs.rc");
  Copy(L"with blank\\Resource.h", L"with blank\\Resource.h");
  Start(L"\"with blank\\dialogs.rc\"", folder);
  EXPECT_EQ(TreeLines(), kDialogsTree);
}

TEST_F(Morvid, DoubleClickOpensTheDialogLiveAndThenOnlyActivatesIt) {
  Copy(L"dialogs.rc", L"dialogs.rc");
  Copy(L"Resource.h", L"Resource.h");
  Start(L"dialogs.rc", folder);
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
    EXPECT_EQ(Text(control), e.text) << order;
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
  EXPECT_EQ(Text(run), L"Зета");
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

TEST_F(Morvid, NewWithUnsavedChangesAsksFirst) {
  Start(L"", folder);
  EXPECT_EQ(TreeLines(), std::vector<std::wstring>{L"Новый проект"});
  Command(IDM_ADD_DIALOG);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ChildCount() == 1; }));
  EXPECT_EQ(TreeLines(), (std::vector<std::wstring>{L"Новый проект", L" Диалоги", L"  IDD_DLG1"}));
  Command(IDM_NEW);
  HWND box = WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box), L"Resource Editor");
  EXPECT_NE(BoxText(box).find(L"Документ изменен. Сохранить изменения ?"), std::wstring::npos);
  // Cancel keeps everything; No discards it.
  Answer(box, IDCANCEL);
  EXPECT_EQ(ChildCount(), 1);
  Command(IDM_NEW);
  box = WaitForBox();
  ASSERT_NE(box, nullptr);
  Answer(box, IDNO);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ChildCount() == 0; }));
  EXPECT_EQ(TreeLines(), std::vector<std::wstring>{L"Новый проект"});
}

TEST_F(Morvid, SaveWritesScriptAndHeaderAndLeavesNoTemporaryFiles) {
  Copy(L"dialogs.rc", L"dialogs.rc");
  Copy(L"Resource.h", L"Resource.h");
  Start(L"dialogs.rc", folder);
  Command(IDM_ADD_DIALOG);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ChildCount() == 1; }));
  const std::string before = ReadBytes(folder + L"\\dialogs.rc");
  Command(IDM_SAVE);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ReadBytes(folder + L"\\dialogs.rc") != before; }, 10000));
  wintest::PumpUntil([&] { return !Exists(folder + L"\\ex0001.tmp") && !Exists(folder + L"\\ex0002.tmp"); }, 5000);
  EXPECT_EQ(ReadBytes(folder + L"\\dialogs.rc"), ReadBytes(kData + L"\\saved\\dialogs.rc"));
  EXPECT_EQ(ReadBytes(folder + L"\\Resource.h"), ReadBytes(kData + L"\\saved\\Resource.h"));
  EXPECT_FALSE(Exists(folder + L"\\ex0001.tmp"));
  EXPECT_FALSE(Exists(folder + L"\\ex0002.tmp"));
  // Saved: closing asks nothing.
  PostMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(Morvid, AScriptThatFailsToOpenLeavesANewDocument) {
  Copy(L"missing_id.rc", L"missing_id.rc");
  Copy(L"Resource.h", L"Resource.h");
  ASSERT_TRUE(program.Start(kMorvid, L"missing_id.rc", folder));
  HWND box = WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box), L"Resource Editor");
  EXPECT_NE(BoxText(box).find(L"IDC_NOWHERE - Not found"), std::wstring::npos) << wintest::Narrow(BoxText(box));
  Answer(box, IDOK);
  box = WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(BoxText(box).find(L"Ошибка при загрузке файла"), std::wstring::npos) << wintest::Narrow(BoxText(box));
  Answer(box, IDOK);
  Attach();
  EXPECT_EQ(TreeLines(), std::vector<std::wstring>{L"Новый проект"});
  EXPECT_EQ(ChildCount(), 0);
}

TEST_F(Morvid, NextDialogNameFillsTheGap) {
  Copy(L"gaps\\gaps.rc", L"gaps.rc");
  Copy(L"gaps\\Resource.h", L"Resource.h");
  Start(L"gaps.rc", folder);
  EXPECT_EQ(TreeLines(), (std::vector<std::wstring>{L"gaps.rc", L" Диалоги", L"  IDD_DLG1", L"  IDD_DLG3"}));
  Command(IDM_ADD_DIALOG);
  ASSERT_TRUE(wintest::PumpUntil([&] { return ChildCount() == 1; }));
  EXPECT_EQ(Text(ActiveChild()), L"IDD_DLG2");
  EXPECT_EQ(TreeLines(),
            (std::vector<std::wstring>{L"gaps.rc", L" Диалоги", L"  IDD_DLG1", L"  IDD_DLG3", L"  IDD_DLG2"}));
}

namespace {

// The text from a dialog's statement to its END.
std::string DialogBlock(const std::string& script, const std::string& name) {
  const size_t start = script.find("\r\n" + name + " DIALOG");
  if (start == std::string::npos) return {};
  const size_t end = script.find("\r\nEND\r\n", start);
  return script.substr(start, end == std::string::npos ? std::string::npos : end + 7 - start);
}

// The numbers of a control line: x, y, cx, cy.
std::vector<int> Numbers(const std::smatch& m) {
  std::vector<int> n;
  for (size_t i = 1; i < m.size(); ++i) n.push_back(std::stoi(m[i].str()));
  return n;
}

}  // namespace

TEST_F(Morvid, PlacingAPushButtonAndSavingWritesItsLineAndDefine) {
  Copy(L"dialogs.rc", L"dialogs.rc");
  Copy(L"Resource.h", L"Resource.h");
  Start(L"dialogs.rc", folder);
  HWND mid = OpenByDoubleClick(L"IDD_MID");
  ASSERT_NE(mid, nullptr);
  HWND surface = Surface(mid);
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
  EXPECT_EQ(Text(GetDlgItem(surface, 2)), L"Button");
  EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONCHECKED, IDM_TOOL_PUSH_BUTTON, 0), 0);  // one control per tool

  ExpectSavePromptOnClose();
  const std::string mid_block = DialogBlock(SaveScript(), "IDD_MID");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(mid_block, m, std::regex("\r\n   PUSHBUTTON \"Button\",IDC_BUTTON1,(\\d+),(\\d+),(\\d+),(\\d+)\r\n")))
      << mid_block;
  const std::vector<int> rect = Numbers(m);
  const int drawn[] = {50, 6, 40, 20};  // as far as the pixels of this font allow
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(rect[static_cast<size_t>(i)], drawn[i], 1) << i;
  EXPECT_TRUE(std::regex_search(ReadBytes(folder + L"\\Resource.h"), std::regex("\r\n#define IDC_BUTTON1\t\t\\d+\r\n")));
}

// Two controls moved together by the mouse, one widened by Shift+Right
// (Shift with two selected and Ctrl with an arrow do nothing): the saved
// script has them where they were left, and closing asked first.
TEST_F(Morvid, MovedAndResizedControlsEndInTheSavedScript) {
  Copy(L"dialogs.rc", L"dialogs.rc");
  Copy(L"Resource.h", L"Resource.h");
  Start(L"dialogs.rc", folder);
  HWND zeta = OpenByDoubleClick(L"IDD_ZETA");
  ASSERT_NE(zeta, nullptr);
  HWND surface = Surface(zeta);
  const UnitScale units = ScaleOf(surface, 1, 50, 14);
  const POINT edit = units.At(50, 27), check = units.At(20, 60);  // IDC_NAME at 7,20; IDC_CHECK at 7,55
  Click(edit);
  Click(check, {VK_CONTROL});
  const POINT to = units.At(30, 65);
  Drag(check, {{check.x + 3, check.y + 2}, to});
  wintest::PressKey(VK_DOWN, {VK_SHIFT});   // two selected: no resize
  wintest::PressKey(VK_RIGHT, {VK_CONTROL});  // with Ctrl: nothing
  Settle(300);
  Click({to.x + 4, to.y});  // a click on one of several: it alone stays selected
  wintest::PressKey(VK_RIGHT, {VK_SHIFT});
  Settle(300);

  ExpectSavePromptOnClose();
  const std::string zeta_block = DialogBlock(SaveScript(), "IDD_ZETA");
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
  Copy(L"dialogs.rc", L"dialogs.rc");
  Copy(L"Resource.h", L"Resource.h");
  Start(L"dialogs.rc", folder);
  HWND zeta = OpenByDoubleClick(L"IDD_ZETA");
  ASSERT_NE(zeta, nullptr);
  HWND surface = Surface(zeta);
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

  ExpectSavePromptOnClose();
  const std::string zeta_block = DialogBlock(SaveScript(), "IDD_ZETA");
  EXPECT_NE(zeta_block.find("IDC_NAME"), std::string::npos);
  EXPECT_EQ(zeta_block.find("IDC_BAR"), std::string::npos);
  EXPECT_EQ(zeta_block.find("IDC_CHECK"), std::string::npos);
  const std::string header = ReadBytes(folder + L"\\Resource.h");
  EXPECT_NE(header.find("#define IDC_NAME"), std::string::npos);
  EXPECT_EQ(header.find("IDC_BAR"), std::string::npos);
  EXPECT_EQ(header.find("IDC_CHECK"), std::string::npos);
}
