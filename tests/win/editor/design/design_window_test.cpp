// Design windows in process: an MDI child of a real frame showing its dialog
// as a live child dialog, the palette beside it, the dialog menu while it is
// active, and the model's edits reaching the control windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "design_fixture.h"
#include "editor/design/win/placeholder_class.h"
#include "editor/foundation/win/float_tool_bar_u.h"
#include "win_test_util.h"

namespace {

using namespace morvidtest;

DlgItem CustomControl(const char* className, int x, int y, int cx, int cy) {
  DlgItem item;
  item.kind = ControlKind::Custom;
  item.style = WS_VISIBLE;
  item.className.Assign(className);
  item.classLength = static_cast<std::uint32_t>(item.className.Length() + 1);
  item.x = static_cast<std::int16_t>(x);
  item.y = static_cast<std::int16_t>(y);
  item.cx = static_cast<std::int16_t>(cx);
  item.cy = static_cast<std::int16_t>(cy);
  return item;
}

// Ok and Cancel, an edit, a progress bar, a combo box with an edit field, a
// control of a class registered here and a group box.
std::unique_ptr<CDlgRes> SampleDialog(const char* name) {
  auto dialog = std::make_unique<CDlgRes>();
  dialog->FillWithDefaults(name);
  dialog->AppendCopy(ToolControl(7, 5, 5, 40, 12));
  dialog->AppendCopy(ToolControl(13, 5, 25, 40, 12));
  DlgItem combo = ToolControl(8, 5, 45, 40, 12);
  combo.style = (combo.style & ~0xFu) | CBS_DROPDOWN;
  dialog->AppendCopy(combo);
  dialog->AppendCopy(CustomControl("MorvidTestWidget", 60, 5, 30, 20));
  DlgItem group = ToolControl(6, 60, 40, 60, 40);
  group.text.Assign(u"Группа");
  group.textLength = static_cast<std::uint32_t>(group.text.Length() + 1);
  dialog->AppendCopy(group);
  dialog->count = static_cast<std::uint16_t>(dialog->controls.size());
  return dialog;
}

// The whole dialog window, caption included, lies at 5, 5 dialog units.
void ExpectSurfaceAtItsMargin(HWND window) {
  HWND surface = SurfaceOf(window);
  RECT at = {5, 5, 0, 0}, placed;
  MapDialogRect(surface, &at);
  GetWindowRect(surface, &placed);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, at.left);
  EXPECT_EQ(placed.top, at.top);
}

class DesignWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { frame = new TestFrame(hooks); }
  static void TearDownTestSuite() { delete frame; }
  void SetUp() override {
    ASSERT_EQ(RegisterPlaceholderClass(CStringU("MorvidTestWidget")), 1);
    first = SampleDialog("IDD_FIRST");
    second = SampleDialog("IDD_SECOND");
  }
  void TearDown() override {
    first.reset();
    second.reset();
    wintest::PumpPending();
  }
  HWND Open(CDlgRes& dialog) {
    HWND window = frame->CreateDesignWindow(dialog.name.W(), &dialog);
    wintest::PumpPending();
    return window;
  }
  HWND Active() { return frame->ActiveDesignWindow(); }

  static EmptyDocumentHooks hooks;
  static TestFrame* frame;
  std::unique_ptr<CDlgRes> first;
  std::unique_ptr<CDlgRes> second;
};

EmptyDocumentHooks DesignWindow::hooks;
TestFrame* DesignWindow::frame = nullptr;

}  // namespace

TEST_F(DesignWindow, ShowsTheDialogLiveAsAMaximisedChild) {
  HWND window = Open(*first);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ClassOf(window), L"CHILD_WIN_UFC");
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(first->window, window);
  EXPECT_EQ(reinterpret_cast<CDlgRes*>(GetWindowLongPtrW(window, GWLP_USERDATA)), first.get());

  CDesignWindow* design = CDesignWindow::FromWindow(window);
  ASSERT_NE(design, nullptr);
  HWND surface = design->SurfaceDialog();
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(GetParent(surface), window);
  EXPECT_TRUE(IsWindowVisible(surface));
  ExpectSurfaceAtItsMargin(window);

  // One window per record, its child identifier the record's order.
  int children = 0;
  for (HWND c = GetWindow(surface, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(children, static_cast<int>(first->ControlCount()));
  EXPECT_EQ(TextOf(GetDlgItem(surface, 1)), L"Ok");
  EXPECT_EQ(TextOf(GetDlgItem(surface, 2)), L"Cancel");
  EXPECT_EQ(ClassOf(GetDlgItem(surface, 3)), L"Edit");
  EXPECT_EQ(TextOf(GetDlgItem(surface, 3)), L"Text");
  EXPECT_EQ(SendMessageW(GetDlgItem(surface, 4), PBM_GETPOS, 0, 0), 60);
  HWND combo = GetDlgItem(surface, 5);
  HWND comboEdit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(comboEdit, nullptr);
  EXPECT_FALSE(IsWindowEnabled(comboEdit));
  EXPECT_EQ(ClassOf(GetDlgItem(surface, 6)), L"MorvidTestWidget");
  EXPECT_EQ(TextOf(GetDlgItem(surface, 7)), L"Группа");
  EXPECT_TRUE(GetClassLongPtrW(GetDlgItem(surface, 1), GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(DesignWindow, ControlsTakeNoClicksOfTheirOwn) {
  HWND window = Open(*first);
  HWND surface = SurfaceOf(window);
  HWND button = GetDlgItem(surface, 1);
  RECT rc;
  GetWindowRect(button, &rc);
  const LPARAM centre = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  EXPECT_EQ(SendMessageW(button, WM_NCHITTEST, 0, centre), HTCLIENT);
  // A click pushes nothing: the button never reports it to the dialog.
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  EXPECT_EQ(GetFocus(), window);

  // Inside a group box the point belongs to what lies beneath; its frame is its own.
  HWND group = GetDlgItem(surface, 7);
  GetWindowRect(group, &rc);
  EXPECT_EQ(SendMessageW(group, WM_NCHITTEST, 0, MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2)),
            HTTRANSPARENT);
  EXPECT_EQ(SendMessageW(group, WM_NCHITTEST, 0, MAKELPARAM(rc.left, (rc.top + rc.bottom) / 2)), HTCLIENT);
}

TEST_F(DesignWindow, PaletteStandsBesideTheSurfaceDialog) {
  HWND window = Open(*first);
  HWND surface = SurfaceOf(window);
  HWND palette = g_palette.Palette();
  ASSERT_NE(palette, nullptr);
  EXPECT_TRUE(IsWindowVisible(palette));
  EXPECT_EQ(GetWindow(palette, GW_OWNER), frame->Window());
  RECT dialogRect, paletteRect;
  GetWindowRect(surface, &dialogRect);
  GetWindowRect(palette, &paletteRect);
  EXPECT_EQ(paletteRect.right - paletteRect.left, 48 + 2 * GetSystemMetrics(SM_CXEDGE));
  // The surface moved when the child was maximised after its creation, so
  // only the palette's place against the frame's client area is stable.
  EXPECT_GT(paletteRect.left, dialogRect.left);
  EXPECT_EQ(first->tool, 0);
}

TEST_F(DesignWindow, DialogMenuFollowsTheActiveWindow) {
  HMENU bar = GetMenu(frame->Window());
  const int before = GetMenuItemCount(bar);
  HWND one = Open(*first);
  EXPECT_TRUE(HasDialogMenu(frame->Window()));
  EXPECT_EQ(first->active, 1);
  HWND two = Open(*second);
  EXPECT_EQ(Active(), two);
  EXPECT_EQ(first->active, 0);
  EXPECT_EQ(second->active, 1);
  // One dialog menu, right after "П&роект", whatever the maximised child added in front.
  int at = -1, count = 0;
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(bar, i, text, 64, MF_BYPOSITION);
    if (std::wstring(text) == L"&Диалог") {
      ++count;
      at = i;
    }
  }
  EXPECT_EQ(count, 1);
  ASSERT_GT(at, 0);
  EXPECT_EQ(GetSubMenu(bar, at - 1), frame->ProjectMenu());

  // Closing the active one hands the menu to the other; closing the last removes it.
  SendMessageW(frame->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(two), 0);
  wintest::PumpPending();
  EXPECT_EQ(second->window, nullptr);
  EXPECT_EQ(second->surface, nullptr);
  EXPECT_EQ(Active(), one);
  EXPECT_TRUE(HasDialogMenu(frame->Window()));
  SendMessageW(frame->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(one), 0);
  wintest::PumpPending();
  EXPECT_FALSE(HasDialogMenu(frame->Window()));
  EXPECT_EQ(GetMenuItemCount(bar), before);
  EXPECT_TRUE(frame->OpenDesignWindows().empty());
  EXPECT_FALSE(IsWindowVisible(g_palette.Palette()));
}

TEST_F(DesignWindow, PanelFocusTogglesTheActiveFlagAndMenu) {
  HWND window = Open(*first);
  CDesignWindow::SetActive(window, 0);
  EXPECT_EQ(first->active, 0);
  EXPECT_FALSE(HasDialogMenu(frame->Window()));
  CDesignWindow::SetActive(window, 1);
  CDesignWindow::SetActive(window, 1);
  EXPECT_EQ(first->active, 1);
  EXPECT_TRUE(HasDialogMenu(frame->Window()));
}

// A template the window manager refuses leaves no window and no dangling
// link from the dialog to it.
TEST_F(DesignWindow, RefusedTemplateLeavesTheDialogWithoutWindow) {
  first->AppendCopy(CustomControl("MorvidNeverRegistered", 0, 0, 10, 10));
  first->count = static_cast<std::uint16_t>(first->controls.size());
  EXPECT_EQ(Open(*first), nullptr);
  EXPECT_EQ(first->window, nullptr);
  EXPECT_EQ(first->surface, nullptr);
  EXPECT_TRUE(frame->OpenDesignWindows().empty());
  EXPECT_FALSE(HasDialogMenu(frame->Window()));
}

TEST_F(DesignWindow, DestroyingTheDialogClosesItsWindow) {
  HWND window = Open(*first);
  first.reset();
  wintest::PumpPending();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(frame->OpenDesignWindows().empty());
}

// Removing and inserting records keeps every window's identifier equal to its
// record's order, and a re-created window comes back at its Z-order place.
TEST_F(DesignWindow, ModelEditsRenumberAndRecreateWindows) {
  HWND window = Open(*first);
  HWND surface = SurfaceOf(window);
  HWND edit = GetDlgItem(surface, 3);
  HWND progress = GetDlgItem(surface, 4);
  std::unique_ptr<DlgItem> removed = first->RemoveControl(3);
  ASSERT_NE(removed, nullptr);
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(GetDlgItem(surface, 3), progress);
  EXPECT_EQ(GetDlgItem(surface, 7), nullptr);

  DlgItem* back = first->InsertControl(3, std::move(removed));
  ASSERT_NE(back, nullptr);
  HWND again = GetDlgItem(surface, 3);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(ClassOf(again), L"Edit");
  EXPECT_EQ(GetDlgItem(surface, 4), progress);
  EXPECT_EQ(GetWindow(GetDlgItem(surface, 2), GW_HWNDNEXT), again);
  EXPECT_EQ(GetWindow(again, GW_HWNDNEXT), progress);
  EXPECT_EQ(SendMessageW(again, WM_GETFONT, 0, 0), SendMessageW(surface, WM_GETFONT, 0, 0));
}

// The design window keeps its control windows by order; whatever changed
// them, through the model or behind its back, it answers as GetDlgItem does.
TEST_F(DesignWindow, ControlWindowsByOrderFollowEveryChange) {
  HWND window = Open(*first);
  CDesignWindow* design = CDesignWindow::FromWindow(window);
  const auto surface = [&] { return design->SurfaceDialog(); };
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"remove", [&] { first->RemoveControl(2); }},
      {"insert", [&] { first->InsertControl(2, std::make_unique<DlgItem>(ToolControl(7, 5, 90, 40, 12))); }},
      {"paste", [&] { first->PasteControls({ToolControl(5, 5, 110, 40, 12), ToolControl(5, 50, 110, 40, 12)}); }},
      {"undo paste", [&] { first->Undo(); }},
      {"delete", [&] {
         first->SelectOnlyAt(1);
         first->AddAsPrimaryAt(4);
         first->DeleteSelectedControls();
       }},
      {"undo delete", [&] { first->Undo(); }},
      {"recreate", [&] {
         first->SelectOnlyAt(3);
         first->RecreateSelectedControls();
       }},
      {"destroyed elsewhere", [&] { DestroyWindow(GetDlgItem(surface(), 2)); }},
      {"identifiers swapped elsewhere", [&] {
         HWND one = GetDlgItem(surface(), 1), three = GetDlgItem(surface(), 3);
         SetWindowLongPtrW(one, GWLP_ID, 3);
         SetWindowLongPtrW(three, GWLP_ID, 1);
       }},
      {"rebuild", [&] { first->RebuildSurface(); }},
  };
  for (const auto& [name, step] : steps) {
    for (std::uint16_t order = 1; order <= 9; ++order) design->ControlWindow(order);  // remembered before
    step();
    for (std::uint16_t order = 1; order <= 9; ++order)
      EXPECT_EQ(design->ControlWindow(order), GetDlgItem(surface(), order)) << name << ", order " << order;
  }
}

// A full repaint paints once each control that nothing beneath it covers,
// and leaves the screen as painting every control again from the bottom up
// does: overlapping buttons and a check box inside a group box as they lie.
TEST_F(DesignWindow, FullRepaintPaintsUncoveredControlsOnce) {
  first->AppendCopy(ToolControl(3, 130, 90, 40, 14));
  first->AppendCopy(ToolControl(3, 150, 95, 40, 14));
  first->AppendCopy(ToolControl(5, 70, 55, 40, 10));
  first->count = static_cast<std::uint16_t>(first->controls.size());
  HWND window = Open(*first);
  HWND surface = SurfaceOf(window);
  static std::map<HWND, int> paints;
  paints.clear();
  HHOOK hook = SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_PAINT) ++paints[sent->hwnd];
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(paints[GetDlgItem(surface, 1)], 1);  // Ok
  EXPECT_EQ(paints[GetDlgItem(surface, 8)], 2);  // over the other button
  EXPECT_EQ(paints[GetDlgItem(surface, 7)], 2);  // the group box over the check box
  // Wine shows what was painted once its messages have been pumped.
  const auto shown = [&] {
    wintest::PumpUntil([] { return false; }, 300);
    return wintest::CaptureScreenOfWindow(window).data;
  };
  const std::vector<std::uint32_t> once = shown();
  for (HWND control = GetWindow(GetWindow(surface, GW_CHILD), GW_HWNDLAST); control;
       control = GetWindow(control, GW_HWNDPREV))
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_TRUE(shown() == once);
}

// The lowest control lying beyond the design window never paints; the
// handles still go on after the others have painted.
TEST_F(DesignWindow, FullRepaintDrawsHandlesWhenTheLowestControlIsOutOfView) {
  first->cx = 1500;
  first->AppendCopy(ToolControl(3, 1400, 5, 40, 14));
  first->count = static_cast<std::uint16_t>(first->controls.size());
  HWND window = Open(*first);
  CDesignWindow::SetActive(window, 1);
  first->SelectOnlyAt(1);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  wintest::PumpUntil([] { return false; }, 300);
  RECT ok;
  GetWindowRect(GetDlgItem(SurfaceOf(window), 1), &ok);
  for (std::uint32_t p : wintest::CaptureScreen({ok.right, ok.bottom, ok.right + 5, ok.bottom + 5}).data)
    EXPECT_EQ(p, 0x0000C8u);  // the primary blue, filled
}

TEST_F(DesignWindow, CreatedControlsFollowTheirRecord) {
  HWND window = Open(*first);
  CDesignWindow* design = CDesignWindow::FromWindow(window);
  DlgItem updown = ToolControl(12, 100, 5, 40, 12);
  updown.style |= UDS_SETBUDDYINT | WS_BORDER;
  DlgItem* placed = first->AppendCopy(updown);
  HWND created = static_cast<HWND>(design->CreateControlWindow(*placed));
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(GetDlgCtrlID(created), placed->order);
  EXPECT_EQ(GetWindowLongPtrW(created, GWL_STYLE) & UDS_SETBUDDYINT, 0);
  EXPECT_TRUE(GetWindowLongPtrW(created, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetClassLongPtrW(created, GCL_STYLE) & CS_DBLCLKS);  // double clicks open its properties
  HWND progress = static_cast<HWND>(design->CreateControlWindow(*first->AppendCopy(ToolControl(13, 100, 30, 40, 12))));
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 60);
}

// After a change of styles the selected windows are made again from their
// records at their Z-order places, and stay selected with the same primary.
TEST_F(DesignWindow, RecreatedControlsKeepZOrderAndSelection) {
  HWND window = Open(*first);
  HWND surface = SurfaceOf(window);
  HWND oldEdit = GetDlgItem(surface, 3);
  HWND oldCombo = GetDlgItem(surface, 5);
  first->SelectOnlyAt(5);
  first->AddAsPrimaryAt(1);
  first->AddAsPrimaryAt(3);  // primary: the edit
  first->ControlAt(3)->style |= ES_RIGHT;
  ASSERT_EQ(first->RecreateSelectedControls(), 1);
  HWND edit = GetDlgItem(surface, 3);
  ASSERT_NE(edit, nullptr);
  EXPECT_NE(edit, oldEdit);
  EXPECT_NE(GetDlgItem(surface, 5), oldCombo);
  EXPECT_TRUE(GetWindowLongPtrW(edit, GWL_STYLE) & ES_RIGHT);
  EXPECT_EQ(first->SelectedOrders(), (std::vector<std::uint32_t>{3, 5, 1}));
  EXPECT_EQ(ZOrderOf(window), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  // Still a control of the surface: it takes no click of its own.
  RECT rc;
  GetWindowRect(edit, &rc);
  EXPECT_EQ(SendMessageW(edit, WM_NCHITTEST, 0, MAKELPARAM(rc.left + 2, rc.top + 2)), HTCLIENT);
}

TEST_F(DesignWindow, RebuildingTheSurfaceFollowsTheDialogsFields) {
  HWND window = Open(*first);
  first->SelectOnlyAt(2);
  first->dialogSelected = 0;
  first->cx = 150;
  first->caption.Assign(u"Другой");
  first->captionLength = static_cast<std::uint32_t>(first->caption.Length() + 1);
  ASSERT_EQ(first->RebuildSurface(), 1);
  HWND surface = SurfaceOf(window);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(TextOf(surface), L"Другой");
  RECT client, width = {0, 0, 150, 0};
  GetClientRect(surface, &client);
  MapDialogRect(surface, &width);
  EXPECT_EQ(client.right, width.right);
  EXPECT_EQ(first->selection.Count(), 0u);
  EXPECT_EQ(first->dialogSelected, 1);
  ExpectSurfaceAtItsMargin(window);
  EXPECT_NE(GetDlgItem(surface, 7), nullptr);
}

TEST(PlaceholderClass, RegistersUnknownNamesOnlyOnce) {
  EXPECT_EQ(RegisterPlaceholderClass(CStringU("MorvidUnknownOne")), 1);
  EXPECT_EQ(RegisterPlaceholderClass(CStringU("MorvidUnknownOne")), 1);
  EXPECT_EQ(RegisterPlaceholderClass(CStringU("Button")), 1);
  EXPECT_EQ(RegisterPlaceholderClass(CStringU("")), 0);
  HWND w = CreateWindowExW(0, L"MorvidUnknownOne", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(w, nullptr);
  DestroyWindow(w);
}
