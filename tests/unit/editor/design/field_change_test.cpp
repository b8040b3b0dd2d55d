#include "editor/design/field_change.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/design/alignment.h"
#include "editor/design/drag_geometry.h"
#include "editor/design/journal.h"
#include "editor/properties/identifier_table.h"
#include "fake_surface.h"

namespace {

using Result = CJournal::Result;

constexpr int kGroupMove = 0;  // beside the alignment commands

// One dialog of three edit boxes on a fake surface, edited as the surface
// and the pages do: each gesture inside a CEditStep.
class EditSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.cx = 120;
    dialog.cy = 80;
    for (const DlgRect& r : {DlgRect{10, 10, 50, 22}, DlgRect{10, 30, 50, 42}, DlgRect{60, 12, 90, 26}}) {
      DlgItem item;
      item.kind = ControlKind::Edit;
      dialog.SetRectDialogUnits(dialog.AppendCopy(item)->order, r);
    }
    dialog.count = 3;
    surface = std::make_unique<designtest::FakeSurface>(dialog);
    dialog.surface = surface.get();
  }
  void TearDown() override { dialog.surface = nullptr; }

  std::vector<DlgRect> Rects() const {
    std::vector<DlgRect> rects;
    for (std::uint32_t order = 1; order <= dialog.ControlCount(); ++order) {
      DlgRect r;
      dialog.RectDialogUnits(order, r);
      rects.push_back(r);
    }
    return rects;
  }

  std::uint64_t MoveBy(const std::vector<std::uint32_t>& orders, int dx, int dy) {
    CEditStep step(dialog, &journal);
    step.KeepControls(orders);
    std::vector<DlgRect> rects;
    for (std::uint32_t order : orders) {
      DlgRect r;
      dialog.RectDialogUnits(order, r);
      rects.push_back(r);
    }
    EXPECT_TRUE(MoveGroup(geometry, rects, dx, dy));
    for (std::size_t i = 0; i < orders.size(); ++i) dialog.MoveControl(orders[i], rects[i], map);
    return step.Finish();
  }

  Result Undo() {
    CDlgRes* undone = nullptr;
    return journal.Undo(ids, undone);
  }

  designtest::FakeMap map;
  CSurfaceGeometry geometry{map, 120, 80, 360, 160};
  IdentifierTable ids;
  CJournal journal;
  CDlgRes dialog;
  std::unique_ptr<designtest::FakeSurface> surface;
};

class Gesture : public EditSteps, public ::testing::WithParamInterface<int> {};

// Whatever the gesture moved or sized comes back to the unit, its window
// follows, and the selection is the one the gesture worked on.
TEST_P(Gesture, OneUndoRestoresEveryRectangle) {
  const std::vector<DlgRect> before = Rects();
  for (std::uint32_t order : {3u, 1u, 2u}) dialog.AddAsPrimaryAt(order);
  if (GetParam() == kGroupMove) {
    ASSERT_NE(MoveBy({2, 1, 3}, 100, -3), 0u);  // stopped at the right edge as a group
  } else {
    std::vector<ArrangedControl> selected;
    for (std::uint32_t order : dialog.SelectedOrders()) {
      DlgRect pixels;
      ASSERT_TRUE(dialog.RectPixels(order, map, pixels));
      selected.push_back({order, pixels});
    }
    CEditStep step(dialog, &journal);
    step.KeepControls(dialog.SelectedOrders());
    ASSERT_FALSE(ArrangeControls(GetParam(), dialog, selected, geometry).empty());
  }
  ASSERT_NE(Rects(), before);
  surface->log.clear();
  dialog.selection.Clear();

  ASSERT_EQ(Undo(), Result::Undone);
  EXPECT_EQ(Rects(), before);
  for (const std::string& line : surface->log)
    EXPECT_TRUE(line.rfind("update ", 0) == 0 || line == "repaint") << line;
  EXPECT_EQ(dialog.SelectedOrders(), (std::vector<std::uint32_t>{2, 1, 3}));
  EXPECT_EQ(Undo(), Result::Empty);
}

INSTANTIATE_TEST_SUITE_P(MovesAndDialogMenu, Gesture,
                         ::testing::Values(kGroupMove, kAlignLeft, kAlignTop, kSameWidth, kSameHeight,
                                           kSameSize, kSpreadHorizontally, kSpreadVertically,
                                           kCentreHorizontally, kCentreVertically));

TEST_F(EditSteps, AHundredMovesAreUndoneOneByOne) {
  const std::vector<DlgRect> before = Rects();
  for (int k = 0; k < 100; ++k) ASSERT_NE(MoveBy({3}, k % 2 ? 1 : -1, k % 2 ? 0 : 1), 0u) << k;
  EXPECT_EQ(dialog.undo.Size(), 100u);
  for (int k = 0; k < 100; ++k) ASSERT_EQ(Undo(), Result::Undone) << k;
  EXPECT_EQ(Rects(), before);
  EXPECT_EQ(Undo(), Result::Empty);
}

TEST_F(EditSteps, KeyPressesMakeARunWhileTheKeyAndSelectionStayAndHalfASecondAtMostPasses) {
  struct Press {
    int key;
    std::uint32_t time;
    std::vector<std::uint32_t> orders;
    bool continues;
  };
  const Press presses[] = {
      {0, 1000, {1}, false},           {0, 1300, {1}, true},    {0, 1800, {1}, true},
      {0, 2301, {1}, false},           {1, 2400, {1}, false},   {1, 2500, {1, 2}, false},
      {1, 0xFFFFFF00u, {1, 2}, false}, {1, 0x10, {1, 2}, true},  // the clock wrapped
  };
  CKeyRun keys;
  std::uint64_t serial = 0;
  for (const Press& p : presses) {
    const std::uint64_t run = keys.Press(p.key, p.time, p.orders);
    EXPECT_EQ(run != 0, p.continues) << p.time;
    keys.Recorded(run != 0 ? run : ++serial);
  }
}

}  // namespace
