// The dialog menu's alignment commands and Ctrl+Z on real design windows of
// a real document: the control windows follow the model, and the saved
// script has what the windows show.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design_fixture.h"
#include "editor/resources/resource.h"
#include "win_test_util.h"

namespace {

using namespace morvidtest;

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

struct Rects {
  std::vector<DlgRect> model;   // dialog units
  std::vector<DlgRect> window;  // surface client pixels
};

Rects RectsOf(HWND designWindow) {
  Rects rects;
  CDlgRes& dialog = DialogOf(designWindow);
  for (std::uint32_t order = 1; order <= dialog.ControlCount(); ++order) {
    rects.model.push_back(UnitsOf(designWindow, static_cast<int>(order)));
    RECT rc;
    GetWindowRect(ControlOf(designWindow, static_cast<int>(order)), &rc);
    MapWindowPoints(nullptr, SurfaceOf(designWindow), reinterpret_cast<POINT*>(&rc), 2);
    rects.window.push_back({rc.left, rc.top, rc.right, rc.bottom});
  }
  return rects;
}

// One document and one open design window for the whole suite, as in the
// program: hiding the palette of a closing design window waits for a window
// manager that Wine does not find here.
class Alignment : public DocumentSuite {
 protected:
  static void SetUpTestSuite() {
    DocumentSuite::SetUpTestSuite();
    if (OpenScript(kScript, kHeader) != 1) return;
    window = Open(L"IDD_ONE");
    if (window) original = RectsOf(window).model;
  }
  // The first dialog active again, as the script lays it out, nothing selected.
  void SetUp() override {
    ASSERT_NE(window, nullptr);
    if (frame->ActiveDesignWindow() != window) {
      ASSERT_EQ(Open(L"IDD_ONE"), window);
    }
    CDlgRes& dialog = DialogOf(window);
    const CWindowUnitMap map(SurfaceOf(window));
    for (std::uint32_t order = 1; order <= original.size(); ++order) {
      DlgRect pixels;
      dialog.SetRectDialogUnits(order, original[order - 1]);
      ASSERT_TRUE(dialog.RectPixels(order, map, pixels));
      MoveWindow(ControlOf(window, static_cast<int>(order)), pixels.left, pixels.top, pixels.right - pixels.left,
                 pixels.bottom - pixels.top, TRUE);
    }
    dialog.selection.Clear();
    Doc().modified = 0;
  }

  static std::vector<std::string> IdNames(const CDlgRes& dialog) {
    std::vector<std::string> names;
    for (const auto& item : dialog.controls) {
      std::string name;
      names.push_back(Doc().ids.NameOf(item->id, dialog.name.Ansi(), name) ? name : "?");
    }
    return names;
  }

  static HWND window;
  static std::vector<DlgRect> original;
};

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
  EXPECT_EQ(DialogOf(window).selection.Count(), 4u);
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
  const std::string saved = ReadBytes(PathOf(L"s.rc"));
  EXPECT_NE(saved.find("IDC_A,30,10,40,12"), std::string::npos) << saved;
  EXPECT_NE(saved.find("IDC_C,30,70,30,8"), std::string::npos) << saved;
  EXPECT_EQ(Doc().modified, 0);
}

TEST_F(Alignment, UndoAfterDeleteBringsTheControlsBackSelectedInTheirPlaces) {
  const std::vector<int> zOrder = ZOrderOf(window);
  ASSERT_EQ(zOrder, (std::vector<int>{1, 2, 3, 4}));
  Select(window, {4, 2});
  Command(IDM_DELETE);
  ASSERT_EQ(DialogOf(window).ControlCount(), 2u);
  EXPECT_EQ(ZOrderOf(window), (std::vector<int>{1, 2}));

  Command(IDM_UNDO);
  CDlgRes& dialog = DialogOf(window);
  EXPECT_EQ(IdNames(dialog), (std::vector<std::string>{"IDC_A", "IDC_B", "IDC_C", "IDC_D"}));
  EXPECT_EQ(ZOrderOf(window), zOrder);
  ASSERT_EQ(dialog.selection.Count(), 2u);
  EXPECT_EQ(dialog.selection.windows[0], ControlOf(window, 4));  // the last one back is primary
  EXPECT_EQ(dialog.selection.windows[1], ControlOf(window, 2));
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
  EXPECT_EQ(DialogOf(window).ControlCount(), 4u);
  EXPECT_EQ(DialogOf(other).ControlCount(), 2u);
  EXPECT_TRUE(DialogOf(window).IsSelectedAt(3));

  ASSERT_EQ(Open(L"IDD_ONE"), window);
  Select(window, {1, 2});
  Command(IDM_DELETE);
  CDlgRes& first = DialogOf(window);
  SendMessageW(frame->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
  wintest::PumpPending();
  ASSERT_EQ(first.window, nullptr);
  Command(IDM_UNDO);
  EXPECT_EQ(IdNames(first), (std::vector<std::string>{"IDC_A", "IDC_B", "IDC_C", "IDC_D"}));
  window = Open(L"IDD_ONE");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ZOrderOf(window), (std::vector<int>{1, 2, 3, 4}));
  ExpectWindowsFollowTheModel(window);
}

}  // namespace
