// The dialog list panel inside the frame: tree contents after new, open, add
// and rename, and what a double click and the tree's focus ask of the shell.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/app/win/frame.h"
#include "editor/resources/resource.h"
#include "recording_hooks.h"
#include "win_test_util.h"

namespace {

using Texts = std::vector<std::wstring>;

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureShellClasses());
    ASSERT_NE(frame.Create(GetModuleHandleW(nullptr), &hooks), nullptr);
    ShowWindow(frame.Window(), SW_SHOW);
    tree = frame.Panel().Tree();
    ASSERT_NE(tree, nullptr);
  }
  HTREEITEM Root() const { return TreeView_GetRoot(tree); }
  HTREEITEM Folder() const { return TreeView_GetChild(tree, Root()); }
  HTREEITEM Item(const std::wstring& name) {
    for (HTREEITEM i = TreeView_GetChild(tree, Folder()); i; i = TreeView_GetNextSibling(tree, i))
      if (frame.Panel().ItemText(i) == name) return i;
    return nullptr;
  }
  void DoubleClick(HTREEITEM item) {
    TreeView_SelectItem(tree, item);
    NMHDR header = {tree, IDC_DIALOG_TREE, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(frame.Panel().Window(), WM_NOTIFY, IDC_DIALOG_TREE, reinterpret_cast<LPARAM>(&header));
  }
  RecordingHooks hooks;
  CFrame frame;
  HWND tree = nullptr;
};

}  // namespace

TEST_F(Panel, NewDocumentShowsOnlyTheBoldExpandedRoot) {
  ASSERT_EQ(frame.Panel().ResetDialogTree(L"Новый проект"), 1);
  EXPECT_EQ(frame.Panel().ChildTexts(nullptr), Texts{L"Новый проект"});
  EXPECT_EQ(TreeView_GetChild(tree, Root()), nullptr);
  EXPECT_EQ(TreeView_GetSelection(tree), Root());
  EXPECT_EQ(TreeView_GetItemState(tree, Root(), TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));
  EXPECT_EQ(GetFocus(), tree);
}

TEST_F(Panel, OpenedScriptListsItsDialogsInScriptOrderUnderTheFolder) {
  ASSERT_EQ(frame.Panel().FillDialogTree(L"app.rc", L"Диалоги", {L"IDD_MAIN", L"IDD_ABOUT", L"IDD_B"}), 1);
  EXPECT_EQ(frame.Panel().ChildTexts(nullptr), Texts{L"app.rc"});
  EXPECT_EQ(frame.Panel().ChildTexts(Root()), Texts{L"Диалоги"});
  EXPECT_EQ(frame.Panel().ChildTexts(Folder()), (Texts{L"IDD_MAIN", L"IDD_ABOUT", L"IDD_B"}));
  EXPECT_EQ(TreeView_GetSelection(tree), Root());

  // A script without dialogs: the root alone.
  ASSERT_EQ(frame.Panel().FillDialogTree(L"empty.rc", L"Диалоги", {}), 1);
  EXPECT_EQ(frame.Panel().ChildTexts(nullptr), Texts{L"empty.rc"});
  EXPECT_EQ(Folder(), nullptr);
}

TEST_F(Panel, AddedDialogsCreateTheFolderOnceAndAreSelected) {
  frame.Panel().ResetDialogTree(L"Новый проект");
  ASSERT_EQ(frame.Panel().AddDialogToTree(L"Диалоги", L"IDD_DLG1"), 1);
  ASSERT_EQ(frame.Panel().AddDialogToTree(L"Диалоги", L"IDD_DLG2"), 1);
  EXPECT_EQ(frame.Panel().ChildTexts(Root()), Texts{L"Диалоги"});
  EXPECT_EQ(frame.Panel().ChildTexts(Folder()), (Texts{L"IDD_DLG1", L"IDD_DLG2"}));
  EXPECT_EQ(TreeView_GetSelection(tree), Item(L"IDD_DLG2"));
  EXPECT_TRUE(TreeView_GetItemState(tree, Folder(), TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(Panel, RenameChangesOnlyTheNamedItem) {
  frame.Panel().FillDialogTree(L"app.rc", L"Диалоги", {L"IDD_A", L"IDD_B", L"IDD_C"});
  EXPECT_EQ(frame.Panel().RenameDialogInTree(L"Диалоги", L"IDD_B", L"IDD_RENAMED"), 1);
  EXPECT_EQ(frame.Panel().ChildTexts(Folder()), (Texts{L"IDD_A", L"IDD_RENAMED", L"IDD_C"}));
  EXPECT_EQ(frame.Panel().RenameDialogInTree(L"Диалоги", L"IDD_MISSING", L"X"), 0);
  EXPECT_EQ(frame.Panel().RenameDialogInTree(L"Other", L"IDD_A", L"X"), 0);
  // Long names are compared whole, not cut at a short read-back buffer.
  const std::wstring longName(150, L'N');
  frame.Panel().AddDialogToTree(L"Диалоги", longName);
  EXPECT_EQ(frame.Panel().RenameDialogInTree(L"Диалоги", longName, L"IDD_SHORT"), 1);
  EXPECT_NE(Item(L"IDD_SHORT"), nullptr);
}

TEST_F(Panel, DoubleClickOpensOnlyDialogItems) {
  frame.Panel().FillDialogTree(L"app.rc", L"Диалоги", {L"IDD_A", L"IDD_B"});
  hooks.calls.clear();
  DoubleClick(Root());
  DoubleClick(Folder());
  EXPECT_TRUE(hooks.calls.empty());
  EXPECT_EQ(frame.Panel().OpenedByDoubleClick(), 0);
  DoubleClick(Item(L"IDD_B"));
  EXPECT_EQ(hooks.calls, Texts{L"Open IDD_B"});
  EXPECT_EQ(frame.Panel().OpenedByDoubleClick(), 1);
}

TEST_F(Panel, TreeFocusTurnsTheActiveDesignWindowOffAndOn) {
  frame.Panel().FillDialogTree(L"app.rc", L"Диалоги", {L"IDD_A"});
  // Without a design window the focus changes ask nothing.
  hooks.calls.clear();
  SetFocus(tree);
  SetFocus(frame.MdiClient());
  EXPECT_TRUE(hooks.calls.empty());

  HWND design = frame.CreateDesignWindow(L"IDD_A", nullptr);
  ASSERT_NE(design, nullptr);
  hooks.calls.clear();
  SetFocus(tree);
  EXPECT_EQ(hooks.calls, (Texts{L"Active 0", L"Properties"}));
  hooks.calls.clear();
  SetFocus(design);
  EXPECT_EQ(hooks.calls, (Texts{L"Active 1", L"Properties"}));

  // Right after a double click opened it, the design window takes the focus on.
  DoubleClick(TreeView_GetChild(tree, Folder()));
  SetFocus(frame.MdiClient());
  hooks.calls.clear();
  SetFocus(tree);
  EXPECT_EQ(GetFocus(), design);
  EXPECT_EQ(frame.Panel().OpenedByDoubleClick(), 0);
  EXPECT_EQ(hooks.calls.front(), L"Active 1");
}
