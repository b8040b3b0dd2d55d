#include "morvid_session.h"

#include "editor/resources/resource.h"
#include "remote_buffer.h"
#include "win_test_util.h"

using morvidtest::ReadBytes;
using morvidtest::TextOf;

namespace {

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

MorvidSession::MorvidSession()
    : folder(wintest::Widen(::testing::UnitTest::GetInstance()->current_test_info()->name())) {}

void MorvidSession::CopyData(const std::wstring& from, const std::wstring& to) {
  ASSERT_TRUE(CopyFileW(morvidtest::TestData(from).c_str(), (folder / to).c_str(), FALSE)) << wintest::Narrow(from);
}

void MorvidSession::Start(const std::wstring& arguments, const std::wstring& directory) {
  ASSERT_TRUE(program.Start(MorvidExePath(), arguments, directory.empty() ? folder.Path() : directory));
  Attach();
}

void MorvidSession::Attach() {
  frame = program.WaitForTopWindow(L"FRAME_WIN_UFC");
  ASSERT_NE(frame, nullptr);
  HWND panel = FindWindowExW(frame, nullptr, L"#32770", nullptr);
  ASSERT_NE(panel, nullptr);
  tree = GetDlgItem(panel, IDC_DIALOG_TREE);
  ASSERT_NE(tree, nullptr);
  mdiClient = FindWindowExW(frame, nullptr, L"MDICLIENT", nullptr);
  ASSERT_NE(mdiClient, nullptr);
}

void MorvidSession::Close() {
  if (!frame || !IsWindow(frame)) return;
  PostMessageW(frame, WM_CLOSE, 0, 0);
  wintest::PumpUntil([&] { return !IsWindow(frame) || program.FindTopWindow(L"#32770"); }, 5000);
  if (HWND box = program.FindTopWindow(L"#32770")) Answer(box, IDNO);
  program.WaitForExit(10000);
}

void MorvidSession::Answer(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  wintest::PumpUntil([&] { return !IsWindow(box); }, 5000);
}

std::wstring MorvidSession::BoxText(HWND box) {
  std::wstring text;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (morvidtest::ClassOf(c) == L"Static") text += TextOf(c);
  return text;
}

HWND MorvidSession::WaitForSavePrompt() {
  HWND box = WaitForBox();
  EXPECT_NE(box, nullptr);
  if (!box) return nullptr;
  EXPECT_EQ(TextOf(box), L"Resource Editor");
  EXPECT_NE(BoxText(box).find(L"Документ изменен. Сохранить изменения ?"), std::wstring::npos);
  return box;
}

void MorvidSession::ExpectSavePromptOnClose() {
  PostMessageW(frame, WM_CLOSE, 0, 0);
  HWND box = WaitForSavePrompt();
  ASSERT_NE(box, nullptr);
  Answer(box, IDCANCEL);
  EXPECT_TRUE(IsWindow(frame));
}

HTREEITEM MorvidSession::Next(HTREEITEM item, UINT how) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

std::wstring MorvidSession::ItemText(HTREEITEM item) {
  RemoteBuffer remote(program.Handle(), sizeof(TVITEMW) + 512);
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = reinterpret_cast<wchar_t*>(remote.At(sizeof(TVITEMW)));
  tv.cchTextMax = 200;
  remote.Write(tv);
  SendMessageW(tree, TVM_GETITEMW, 0, remote.Param());
  return remote.Text(sizeof(TVITEMW));
}

std::vector<std::wstring> MorvidSession::TreeLines() {
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

HTREEITEM MorvidSession::DialogItem(const std::wstring& name) {
  HTREEITEM folderItem = Next(Next(nullptr, TVGN_ROOT), TVGN_CHILD);
  for (HTREEITEM item = Next(folderItem, TVGN_CHILD); item; item = Next(item, TVGN_NEXT))
    if (ItemText(item) == name) return item;
  return nullptr;
}

void MorvidSession::DoubleClick(HTREEITEM item) {
  RemoteBuffer remote(program.Handle(), sizeof(RECT));
  remote.Write(item);
  ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, remote.Param()));
  const RECT rc = remote.Read<RECT>();
  POINT at = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ClientToScreen(tree, &at);
  wintest::ClickOnScreen(at, 2);
}

HWND MorvidSession::OpenByDoubleClick(const std::wstring& name) {
  HTREEITEM item = DialogItem(name);
  EXPECT_NE(item, nullptr) << wintest::Narrow(name);
  if (!item) return nullptr;
  // Again when the first one came before the tree was ready for it.
  HWND found = nullptr;
  for (int attempt = 0; attempt < 3 && !found; ++attempt) {
    DoubleClick(item);
    if (!wintest::PumpUntil([&] { return (found = ActiveChild()) && TextOf(found) == name; }, 3000)) found = nullptr;
  }
  return found;
}

HWND MorvidSession::ActiveChild() {
  return reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0));
}

int MorvidSession::ChildCount() {
  int n = 0;
  for (HWND c = GetWindow(mdiClient, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (morvidtest::ClassOf(c) == L"CHILD_WIN_UFC") ++n;
  return n;
}

std::string MorvidSession::SaveScript(const std::wstring& name) {
  const std::wstring path = folder / name;
  const std::string before = ReadBytes(path);
  Command(IDM_SAVE);
  wintest::PumpUntil([&] { return ReadBytes(path) != before; }, 10000);
  wintest::PumpUntil([&] { return !Exists(folder / L"ex0001.tmp") && !Exists(folder / L"ex0002.tmp"); }, 5000);
  return ReadBytes(path);
}
