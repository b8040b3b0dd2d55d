// Editing on the design surface in process, with real mouse and keyboard
// input: the selection rules, the rubber band, resizing a control and the
// dialog frame, and the handles and drag outlines as the screen shows them.
// Placing, moving, the arrow keys and Del: morvid_flows_test.cpp.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "design_fixture.h"
#include "editor/foundation/document_u.h"
#include "win_test_util.h"

namespace {

using namespace morvidtest;
using Orders = std::vector<std::uint32_t>;

constexpr std::uint32_t kOk = 1, kCancel = 2, kEdit = 3, kGroup = 4, kCheck = 5, kCombo = 6;
constexpr std::uint32_t kPrimaryBlue = 0x0000C8;  // as 0x00RRGGBB
constexpr std::uint32_t kSecondaryBlue = 0x000080;

// Counts the double clicks that ask for the properties window.
class CountingHooks : public EmptyDocumentHooks {
 public:
  void ShowProperties() override { ++shown; }
  int shown = 0;
};

// The document whose modified flag the surface sets.
class Document : public CDocumentU {
 public:
  int ClearContents() override { return 1; }
  int Exchange(CFileU&, int) override { return 1; }
};

// Ok and Cancel at x 150, an edit, a group box with a check box inside, a combo box.
std::unique_ptr<CDlgRes> SampleDialog(const char* name) {
  auto dialog = std::make_unique<CDlgRes>();
  dialog->FillWithDefaults(name);
  dialog->AppendCopy(ToolControl(7, 10, 10, 60, 14));
  dialog->AppendCopy(ToolControl(6, 10, 35, 80, 60));
  dialog->AppendCopy(ToolControl(5, 25, 55, 40, 10));
  dialog->AppendCopy(ToolControl(8, 100, 60, 60, 50));
  dialog->count = static_cast<std::uint16_t>(dialog->controls.size());
  return dialog;
}

class Surface : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    frame = new TestFrame(hooks);
    SetForegroundWindow(frame->Window());
  }
  static void TearDownTestSuite() { delete frame; }
  void SetUp() override {
    dialog = SampleDialog("IDD_SAMPLE");
    window = frame->CreateDesignWindow(dialog->name.W(), dialog.get());
    ASSERT_NE(window, nullptr);
    surface = SurfaceOf(window);
    ASSERT_NE(surface, nullptr);
    wintest::PumpUntil([&] { return dialog->active == 1; });
    document.modified = 0;
  }
  void TearDown() override {
    for (WORD key : {VK_CONTROL, VK_SHIFT}) wintest::KeyOnScreen(key, false);
    dialog.reset();
    wintest::PumpPending();
  }

  HWND Control(std::uint32_t order) const { return GetDlgItem(surface, static_cast<int>(order)); }
  // A point of a control's window, by fractions of its width and height.
  POINT On(std::uint32_t order, double fx = 0.5, double fy = 0.5) const {
    RECT rc;
    GetWindowRect(Control(order), &rc);
    return {rc.left + static_cast<LONG>((rc.right - rc.left) * fx),
            rc.top + static_cast<LONG>((rc.bottom - rc.top) * fy)};
  }
  POINT FromSurface(int x, int y) const {
    POINT at = {x, y};
    ClientToScreen(surface, &at);
    return at;
  }
  // Pixels of a rectangle in dialog units of the surface dialog: position
  // and size mapped apart, as the window manager places a control.
  RECT Pixels(int x, int y, int cx, int cy) const {
    RECT at = {x, y, 0, 0}, size = {0, 0, cx, cy};
    MapDialogRect(surface, &at);
    MapDialogRect(surface, &size);
    return {at.left, at.top, at.left + size.right, at.top + size.bottom};
  }
  DlgRect Units(std::uint32_t order) const { return UnitsOf(window, static_cast<int>(order)); }

  void Drag(POINT from, std::initializer_list<POINT> path, std::initializer_list<WORD> keys = {}) {
    morvidtest::Drag(window, from, path, keys, [&] { return dialog->overlayDrawn == 1; });
  }
  void Click(POINT at, std::initializer_list<WORD> keys = {}) { Drag(at, {}, keys); }

  static CountingHooks hooks;
  static TestFrame* frame;
  Document document;
  std::unique_ptr<CDlgRes> dialog;
  HWND window = nullptr;
  HWND surface = nullptr;
};

CountingHooks Surface::hooks;
TestFrame* Surface::frame = nullptr;

}  // namespace

TEST_F(Surface, ClicksSelectAddMakePrimaryAndDeselect) {
  EXPECT_EQ(dialog->dialogSelected, 1);
  Click(On(kEdit, 0.3));
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kEdit}));
  EXPECT_EQ(dialog->dialogSelected, 0);
  EXPECT_EQ(GetFocus(), window);
  Click(On(kOk, 0.3), {VK_CONTROL});
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kOk, kEdit}));
  Click(On(kEdit, 0.7), {VK_CONTROL});  // already selected: only becomes primary
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kEdit, kOk}));
  Click(On(kCancel, 0.5), {VK_SHIFT});  // not selected: left alone
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kEdit, kOk}));
  Click(On(kOk, 0.7));  // a click without a drag on one of several
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kOk}));
  Click(On(kEdit, 0.5), {VK_CONTROL});
  Click(On(kEdit, 0.2), {VK_SHIFT});
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kOk}));

  // Inside a group box, away from its frame, the click reaches the dialog.
  const RECT group = Pixels(10, 35, 80, 60);
  Click(FromSurface(group.left + 6, group.bottom - 8));
  EXPECT_TRUE(dialog->SelectedOrders().empty());
  EXPECT_EQ(dialog->dialogSelected, 1);
  Click(FromSurface(group.left + 1, (group.top + group.bottom) / 2));
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kGroup}));
  Click(On(kCheck, 0.5));
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kCheck}));

  const int shown = hooks.shown;
  wintest::ClickOnScreen(On(kCancel, 0.4), 2);
  EXPECT_TRUE(wintest::PumpUntil([&] { return hooks.shown == shown + 1; }, 3000));
  EXPECT_EQ(document.modified, 0);  // selecting changes nothing
}

TEST_F(Surface, RubberBandTakesOnlyWhatItWhollyCovers) {
  const RECT edit = Pixels(10, 10, 60, 14);
  const RECT ok = Pixels(150, 10, 40, 15);
  // From beside the dialog, over the edit, half over the Ok button.
  POINT start = {2, 2};
  ClientToScreen(window, &start);
  Drag(start, {FromSurface(edit.right, edit.bottom), FromSurface((ok.left + ok.right) / 2, edit.bottom + 2)});
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kEdit}));
  EXPECT_EQ(dialog->dialogSelected, 0);
  // Around both buttons, from the empty area: added in order sequence, the last primary.
  Drag(FromSurface(ok.left - 4, ok.top - 4), {FromSurface(ok.right + 4, ok.bottom + 60)});
  EXPECT_EQ(dialog->SelectedOrders(), (Orders{kCancel, kOk}));
  // Covering nothing: the dialog frame is the selected object.
  Drag(FromSurface(edit.left, edit.bottom + 2), {FromSurface(edit.left + 4, edit.bottom + 6)});
  EXPECT_TRUE(dialog->SelectedOrders().empty());
  EXPECT_EQ(dialog->dialogSelected, 1);
}

TEST_F(Surface, HandlesResizeOneControlAndTheDialogFrame) {
  Click(On(kOk, 0.5));
  RECT ok;
  GetWindowRect(Control(kOk), &ok);
  // The bottom-right handle, dragged by the pixels of 10 units across and 8 down.
  const RECT before = Pixels(0, 0, 40, 15), after = Pixels(0, 0, 50, 23);
  const POINT handle = {ok.right + 2, ok.bottom + 2};
  Drag(handle, {{handle.x + 3, handle.y + 3},
                {handle.x + after.right - before.right, handle.y + after.bottom - before.bottom}});
  // At 200 units its right edge, position and size each rounded to pixels,
  // would stick a pixel out of the client area: one unit less.
  EXPECT_EQ(Units(kOk), (DlgRect{150, 10, 199, 33}));
  EXPECT_EQ(document.modified, 1);

  // The frame: nothing selected, its bottom-right handle dragged far up and left.
  Click(FromSurface(4, Pixels(0, 118, 0, 0).top));
  ASSERT_EQ(dialog->dialogSelected, 1);
  RECT frameRect;
  GetWindowRect(surface, &frameRect);
  document.modified = 0;
  Drag({frameRect.right + 2, frameRect.bottom + 2},
       {{frameRect.right - 5, frameRect.bottom - 5}, {frameRect.left, frameRect.top}});
  int extentX = 0, extentY = 0;
  dialog->ExtentOfControls(extentX, extentY);
  EXPECT_EQ(dialog->cx, extentX);
  EXPECT_EQ(dialog->cy, extentY);
  EXPECT_EQ(dialog->x, 0);
  EXPECT_EQ(dialog->y, 0);
  RECT client;
  GetClientRect(surface, &client);
  EXPECT_EQ(client.right, Pixels(0, 0, extentX, 0).right);
  RECT placed;
  GetWindowRect(surface, &placed);
  EXPECT_EQ(placed.left, frameRect.left);  // resized, not moved
  EXPECT_EQ(document.modified, 1);
}

// Handles and outlines read back from the screen: the primary control's in
// the stronger blue, filled when it is the only one, hollow among several,
// and a drag drawn as a black frame over the dialog as it was.
TEST_F(Surface, HandlesAndDragOutlinesOnTheScreen) {
  const auto settle = [] { wintest::PumpUntil([] { return false; }, 300); };
  const auto screenRect = [&](const RECT& client) {
    RECT r = client;
    MapWindowPoints(surface, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  // The bottom-right handle of a control: its pixels, and whether filled.
  const auto bottomRight = [&](const RECT& control) {
    return wintest::CaptureScreen({control.right, control.bottom, control.right + 5, control.bottom + 5});
  };
  const auto topLeft = [&](const RECT& control) {
    return wintest::CaptureScreen({control.left - 5, control.top - 5, control.left, control.top});
  };

  Click(On(kOk, 0.5));
  settle();
  const RECT ok = screenRect(Pixels(150, 10, 40, 15));
  wintest::Pixels h = bottomRight(ok);
  for (std::uint32_t p : h.data) EXPECT_EQ(p, kPrimaryBlue);

  Click(On(kCancel, 0.5), {VK_CONTROL});
  settle();
  const RECT cancel = screenRect(Pixels(150, 30, 40, 15));
  h = bottomRight(cancel);
  EXPECT_EQ(h.At(0, 0), kPrimaryBlue);
  EXPECT_EQ(h.At(4, 4), kPrimaryBlue);
  EXPECT_NE(h.At(2, 2), kPrimaryBlue);  // hollow
  h = bottomRight(ok);
  EXPECT_EQ(h.At(0, 4), kSecondaryBlue);
  EXPECT_NE(h.At(2, 2), kSecondaryBlue);

  // A combo box alone: its top handles hollow, the others filled.
  Click(On(kCombo, 0.5, 0.3));
  settle();
  const RECT combo = screenRect(Pixels(100, 60, 60, 50));
  EXPECT_NE(topLeft(combo).At(2, 2), kPrimaryBlue);
  EXPECT_EQ(topLeft(combo).At(0, 0), kPrimaryBlue);
  EXPECT_EQ(bottomRight(combo).At(2, 2), kPrimaryBlue);
  EXPECT_TRUE(wintest::SavePng(wintest::ScreenshotPath(L"design_surface_handles"),
                               wintest::CaptureScreenOfWindow(window)));

  // Cancel dragged by exactly 10 units across and 8 down, not yet let go.
  const RECT by = Pixels(0, 0, 10, 8);
  const POINT from = On(kCancel, 0.5);
  wintest::LeftButtonOnScreen(from, true);
  ASSERT_TRUE(wintest::PumpUntil([] { return GetCapture() != nullptr; }, 3000));
  wintest::MoveOnScreen({from.x + 2, from.y + 1});
  wintest::MoveOnScreen({from.x + by.right, from.y + by.bottom});
  wintest::PumpUntil([&] { return dialog->overlayDrawn == 1; }, 3000);
  settle();
  const RECT outline = screenRect(Pixels(160, 38, 40, 15));
  const wintest::Pixels shown =
      wintest::CaptureScreen({outline.left, outline.top, outline.right, outline.bottom});
  EXPECT_EQ(shown.At(0, 0), 0u);
  EXPECT_EQ(shown.At(shown.width / 2, 0), 0u);
  EXPECT_EQ(shown.At(shown.width - 1, shown.height - 1), 0u);
  EXPECT_TRUE(wintest::SavePng(wintest::ScreenshotPath(L"design_surface_drag"),
                               wintest::CaptureScreenOfWindow(window)));
  wintest::LeftButtonOnScreen({from.x + by.right, from.y + by.bottom}, false);
  ASSERT_TRUE(wintest::PumpUntil([] { return GetCapture() == nullptr; }, 3000));
  EXPECT_EQ(Units(kCancel), (DlgRect{160, 38, 200, 53}));
}
