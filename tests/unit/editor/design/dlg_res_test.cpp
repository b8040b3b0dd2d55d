#include "editor/design/dlg_res.h"

#include <gtest/gtest.h>

#include "fake_surface.h"

#include <map>
#include <string>
#include <vector>

namespace {

using designtest::FakeMap;
using designtest::FakeSurface;

DlgItem Control(int x, int y, int cx, int cy, std::uint16_t id) {
  DlgItem item;
  item.x = static_cast<std::int16_t>(x);
  item.y = static_cast<std::int16_t>(y);
  item.cx = static_cast<std::int16_t>(cx);
  item.cy = static_cast<std::int16_t>(cy);
  item.id = id;
  item.kind = ControlKind::Edit;
  return item;
}

// A dialog of four controls with ids 101 to 104.
void FourControls(CDlgRes& dialog) {
  for (int k = 0; k < 4; ++k) dialog.AppendCopy(Control(10 * k, 5, 8, 8, static_cast<std::uint16_t>(101 + k)));
  dialog.count = 4;
}

std::vector<int> Ids(const CDlgRes& dialog) {
  std::vector<int> ids;
  for (const auto& item : dialog.controls) ids.push_back(item->id);
  return ids;
}

void ExpectOrdersMatchPositions(const CDlgRes& dialog) {
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) EXPECT_EQ(dialog.controls[i]->order, i + 1);
  EXPECT_EQ(dialog.count, dialog.controls.size());
}

// The lengths must agree with the strings: the template is sized by them.
TEST(DlgRes, NewDialogDefaults) {
  CDlgRes dialog;
  EXPECT_EQ(dialog.type, 1);
  EXPECT_EQ(dialog.dialogSelected, 1);
  ASSERT_EQ(dialog.FillWithDefaults("IDD_DLG1"), 1);
  EXPECT_EQ(dialog.captionLength, 13u);
  EXPECT_EQ(dialog.caption.Length() + 1u, dialog.captionLength);
  EXPECT_EQ(dialog.fontLength, 15u);
  EXPECT_TRUE(dialog.name.IsEqual("IDD_DLG1"));
  ASSERT_EQ(dialog.count, 2);
  const DlgItem& cancel = *dialog.ControlAt(2);
  EXPECT_TRUE(cancel.text.IsEqual("Cancel"));
  EXPECT_EQ(cancel.textLength, 7u);
  EXPECT_EQ(cancel.id, 2);
  EXPECT_EQ(cancel.order, 2);
  EXPECT_EQ(dialog.ControlAt(1)->id, 1);
}

TEST(DlgRes, AppendCopyIsAWholeCopyNumberedByPosition) {
  CDlgRes dialog;
  DlgItem source = Control(1, 2, 3, 4, 7);
  source.order = 42;
  source.text.Assign("first");
  DlgItem* copy = dialog.AppendCopy(source);
  source.text.Assign("changed");
  EXPECT_EQ(copy->order, 1);
  EXPECT_TRUE(copy->text.IsEqual("first"));
  EXPECT_EQ(dialog.AppendCopy(source)->order, 2);
  EXPECT_EQ(dialog.ControlAt(0), nullptr);
  EXPECT_EQ(dialog.ControlAt(3), nullptr);
}

TEST(DlgRes, RectanglesInDialogUnitsAndPixels) {
  CDlgRes dialog;
  dialog.AppendCopy(Control(10, 20, 30, 40, 1));
  DlgRect r;
  ASSERT_EQ(dialog.RectDialogUnits(1, r), 1);
  EXPECT_EQ(r, (DlgRect{10, 20, 40, 60}));
  EXPECT_EQ(dialog.RectDialogUnits(2, r), 0);

  ASSERT_EQ(dialog.SetRectDialogUnits(1, DlgRect{-3, 4, 70000 - 3, 14}), 1);
  const DlgItem& item = *dialog.ControlAt(1);
  EXPECT_EQ(item.x, -3);
  EXPECT_EQ(item.cx, static_cast<std::int16_t>(70000));  // 16-bit truncation
  EXPECT_EQ(item.cy, 10);
  EXPECT_EQ(dialog.SetRectDialogUnits(5, r), 0);

  FakeMap map;
  dialog.SetRectDialogUnits(1, DlgRect{10, 20, 40, 60});
  ASSERT_EQ(dialog.RectPixels(1, map, r), 1);
  EXPECT_EQ(r, (DlgRect{30, 40, 120, 120}));
  map.fail = true;
  EXPECT_EQ(dialog.RectPixels(1, map, r), 0);
}

TEST(DlgRes, ExtentOfControlsIsAtLeastTenByTen) {
  CDlgRes dialog;
  int width = 0;
  int height = 0;
  dialog.ExtentOfControls(width, height);
  EXPECT_EQ(width, 10);
  EXPECT_EQ(height, 10);
  dialog.AppendCopy(Control(0, 0, 4, 4, 1));
  dialog.AppendCopy(Control(50, 2, 20, 3, 2));
  dialog.ExtentOfControls(width, height);
  EXPECT_EQ(width, 70);
  EXPECT_EQ(height, 10);
}

TEST(DlgRes, RemovingOrderTwoOfFourRenumbersRecordsAndWindows) {
  CDlgRes dialog;
  FourControls(dialog);
  FakeSurface surface(dialog);
  dialog.surface = &surface;
  WindowHandle third = surface.ControlWindow(3);
  dialog.selection.SelectOnly(surface.ControlWindow(2));

  std::unique_ptr<DlgItem> removed = dialog.RemoveControl(2);
  ASSERT_NE(removed, nullptr);
  EXPECT_EQ(removed->id, 102);
  EXPECT_EQ(Ids(dialog), (std::vector<int>{101, 103, 104}));
  ExpectOrdersMatchPositions(dialog);
  EXPECT_EQ(surface.log, (std::vector<std::string>{"destroy 2", "id 3->2", "id 4->3"}));
  EXPECT_EQ(surface.ControlWindow(2), third);
  EXPECT_EQ(dialog.selection.Count(), 0u);  // no handle of a destroyed window is kept
  EXPECT_EQ(dialog.RemoveControl(4), nullptr);
  dialog.surface = nullptr;
}

TEST(DlgRes, InsertingRenumbersFromTheLastBackwards) {
  CDlgRes dialog;
  FourControls(dialog);
  FakeSurface surface(dialog);
  dialog.surface = &surface;
  DlgItem* inserted = dialog.InsertControl(2, std::make_unique<DlgItem>(Control(0, 0, 1, 1, 200)));
  ASSERT_NE(inserted, nullptr);
  EXPECT_EQ(inserted->order, 2);
  EXPECT_EQ(Ids(dialog), (std::vector<int>{101, 200, 102, 103, 104}));
  ExpectOrdersMatchPositions(dialog);
  EXPECT_EQ(surface.log, (std::vector<std::string>{"id 4->5", "id 3->4", "id 2->3", "create 2"}));
  EXPECT_NE(dialog.InsertControl(6, std::make_unique<DlgItem>()), nullptr);  // at the end
  EXPECT_EQ(dialog.InsertControl(8, std::make_unique<DlgItem>()), nullptr);
  EXPECT_EQ(dialog.InsertControl(0, std::make_unique<DlgItem>()), nullptr);
  dialog.surface = nullptr;
}

TEST(DlgRes, CopySelectedInOrderSequence) {
  CDlgRes dialog;
  FourControls(dialog);
  EXPECT_EQ(dialog.CopySelected(nullptr), 0u);  // no windows, nothing selected
  FakeSurface surface(dialog);
  dialog.surface = &surface;
  dialog.selection.SelectOnly(surface.ControlWindow(4));
  dialog.selection.AddAsPrimary(surface.ControlWindow(2));
  EXPECT_EQ(dialog.CopySelected(nullptr), 2u);
  std::vector<DlgItem> buffer(5);
  EXPECT_EQ(dialog.CopySelected(&buffer), 2u);
  ASSERT_EQ(buffer.size(), 2u);
  EXPECT_EQ(buffer[0].id, 102);
  EXPECT_EQ(buffer[1].id, 104);
  dialog.surface = nullptr;
}

// Deletes the given orders (ascending) as the design surface does and keeps
// the removed records with their former order.
void DeleteControls(CDlgRes& dialog, const std::vector<std::uint32_t>& orders) {
  std::vector<DlgItem> removed;
  std::uint32_t gone = 0;
  for (std::uint32_t order : orders) {
    std::unique_ptr<DlgItem> item = dialog.RemoveControl(order - gone++);
    item->order = static_cast<std::uint16_t>(order);
    removed.push_back(*item);
  }
  dialog.PushControlsDeleted(std::move(removed));
  dialog.dialogSelected = 1;
}

TEST(DlgRes, UndoOfDeletionRestoresPlacesAndSelection) {
  CDlgRes dialog;
  FourControls(dialog);
  FakeSurface surface(dialog);
  dialog.surface = &surface;
  DeleteControls(dialog, {2, 4});
  EXPECT_EQ(Ids(dialog), (std::vector<int>{101, 103}));
  surface.log.clear();

  EXPECT_EQ(dialog.Undo(), 1);
  EXPECT_EQ(Ids(dialog), (std::vector<int>{101, 102, 103, 104}));
  ExpectOrdersMatchPositions(dialog);
  EXPECT_EQ(surface.log, (std::vector<std::string>{"id 2->3", "create 2", "create 4", "repaint"}));
  EXPECT_EQ(dialog.dialogSelected, 0);
  ASSERT_EQ(dialog.selection.Count(), 2u);
  EXPECT_EQ(dialog.selection.windows[0], surface.ControlWindow(4));  // the last restored is primary
  EXPECT_EQ(dialog.selection.windows[1], surface.ControlWindow(2));
  EXPECT_EQ(dialog.Undo(), 0);
  dialog.surface = nullptr;
}

TEST(DlgRes, UndoOfPlacementRemovesTheLastControl) {
  CDlgRes dialog;
  FourControls(dialog);
  dialog.dialogSelected = 0;
  dialog.PushControlAdded();
  UndoRecord foreign;
  foreign.kind = UndoRecord::kIdentifierSnapshot;  // not a dialog's kind: ignored
  dialog.undo.Push(foreign);
  EXPECT_EQ(dialog.Undo(), 1);
  EXPECT_EQ(dialog.ControlCount(), 4u);
  EXPECT_EQ(dialog.Undo(), 1);
  EXPECT_EQ(Ids(dialog), (std::vector<int>{101, 102, 103}));
  EXPECT_EQ(dialog.count, 3);
  EXPECT_EQ(dialog.dialogSelected, 1);
}

// The journal is shared by all dialogs, so a deletion can be undone after the
// dialog has lost controls it knew nothing of; the records must not be lost.
TEST(DlgRes, UndoPutsControlsWhoseFormerPlaceIsGoneAtTheEnd) {
  CDlgRes dialog;
  FourControls(dialog);
  DeleteControls(dialog, {4});
  dialog.RemoveControl(3);
  dialog.RemoveControl(2);
  EXPECT_EQ(dialog.Undo(), 1);
  EXPECT_EQ(Ids(dialog), (std::vector<int>{101, 104}));
  ExpectOrdersMatchPositions(dialog);
}

// Deleting orders 1, 3 and 4 of five keeps the records with their former
// orders, leaves the second and fifth at 1 and 2 answering to those
// identifiers, and an undo brings all back where they were.
TEST(DlgRes, DeletingTheSelectionKeepsFormerOrdersForUndo) {
  CDlgRes dialog;
  FourControls(dialog);
  dialog.AppendCopy(Control(50, 5, 8, 8, 105));
  dialog.count = 5;
  FakeSurface surface(dialog);
  dialog.surface = &surface;
  EXPECT_EQ(dialog.DeleteSelectedControls(), 0u);
  EXPECT_TRUE(dialog.undo.Size() == 0);
  WindowHandle fifth = surface.ControlWindow(5);
  EXPECT_EQ(dialog.SelectOnlyAt(4), 1);
  EXPECT_EQ(dialog.AddAsPrimaryAt(1), 1);
  EXPECT_EQ(dialog.AddAsPrimaryAt(3), 1);
  EXPECT_EQ(dialog.AddAsPrimaryAt(6), 0);
  EXPECT_EQ(dialog.SelectedOrders(), (std::vector<std::uint32_t>{3, 1, 4}));
  EXPECT_EQ(dialog.SelectedIds(), (std::vector<std::uint16_t>{101, 103, 104}));
  EXPECT_EQ(dialog.IsSelectedAt(2), 0);
  dialog.dialogSelected = 0;

  EXPECT_EQ(dialog.DeleteSelectedControls(), 3u);
  EXPECT_EQ(Ids(dialog), (std::vector<int>{102, 105}));
  ExpectOrdersMatchPositions(dialog);
  EXPECT_EQ(surface.log, (std::vector<std::string>{"destroy 1", "id 2->1", "destroy 3", "destroy 4", "id 5->2",
                                                   "repaint"}));
  EXPECT_EQ(surface.ControlWindow(2), fifth);
  EXPECT_EQ(dialog.selection.Count(), 0u);
  EXPECT_EQ(dialog.dialogSelected, 1);

  UndoRecord record;
  ASSERT_EQ(dialog.undo.Pop(record), 1);
  EXPECT_EQ(record.kind, UndoRecord::kControlsDeleted);
  EXPECT_EQ(record.count, 3);
  dialog.undo.Push(record);
  EXPECT_EQ(dialog.Undo(), 1);
  EXPECT_EQ(Ids(dialog), (std::vector<int>{101, 102, 103, 104, 105}));
  ExpectOrdersMatchPositions(dialog);
  EXPECT_EQ(surface.ControlWindow(5), fifth);
  dialog.surface = nullptr;
}

TEST(DlgRes, PlacingSelectsOnlyTheNewControlAndRecordsIt) {
  CDlgRes dialog;
  FourControls(dialog);
  FakeSurface surface(dialog);
  dialog.surface = &surface;
  dialog.SelectOnlyAt(2);
  ASSERT_EQ(dialog.PlaceNewControl(Control(1, 2, 30, 12, 300)), 1);
  EXPECT_EQ(dialog.count, 5);
  EXPECT_EQ(dialog.ControlAt(5)->order, 5);
  EXPECT_EQ(dialog.SelectedOrders(), (std::vector<std::uint32_t>{5}));
  EXPECT_EQ(dialog.dialogSelected, 0);
  EXPECT_EQ(dialog.undo.Size(), 1u);
  EXPECT_EQ(dialog.Undo(), 1);
  EXPECT_EQ(dialog.count, 4);

  // Without a window the record stays but nothing is recorded.
  dialog.surface = nullptr;
  EXPECT_EQ(dialog.PlaceNewControl(Control(1, 2, 30, 12, 301)), 0);
  EXPECT_EQ(dialog.count, 5);
  EXPECT_EQ(dialog.undo.Size(), 0u);
}

TEST(DlgRes, MovingAControlWritesTheRecordAndPlacesItsWindow) {
  CDlgRes dialog;
  FourControls(dialog);
  FakeSurface surface(dialog);
  dialog.surface = &surface;
  FakeMap map;
  ASSERT_EQ(dialog.MoveControl(2, DlgRect{1, 2, 11, 7}, map), 1);
  EXPECT_EQ(surface.log, (std::vector<std::string>{"move 2 to 3,4,33,14"}));
  DlgRect r;
  dialog.RectDialogUnits(2, r);
  EXPECT_EQ(r, (DlgRect{1, 2, 11, 7}));
  map.fail = true;
  EXPECT_EQ(dialog.MoveControl(2, DlgRect{0, 0, 5, 5}, map), 0);
  dialog.RectDialogUnits(2, r);
  EXPECT_EQ(r, (DlgRect{1, 2, 11, 7}));
  EXPECT_EQ(dialog.MoveControl(9, DlgRect{0, 0, 5, 5}, FakeMap()), 0);
  dialog.surface = nullptr;
}

TEST(DlgRes, DestructionClosesTheDesignWindow) {
  auto dialog = std::make_unique<CDlgRes>();
  FourControls(*dialog);
  FakeSurface surface(*dialog);
  dialog->surface = &surface;
  DeleteControls(*dialog, {1, 3});
  surface.log.clear();
  dialog.reset();
  EXPECT_EQ(surface.log, (std::vector<std::string>{"close"}));
}

}  // namespace

namespace {

TEST(DlgRes, TestRunEndsOnTheOrderOfAControlWhoseIdIsOneOrTwo) {
  CDlgRes dialog;
  dialog.AppendCopy(Control(0, 0, 1, 1, 0xFFFF));  // Enter arrives as order 1: a static text
  dialog.AppendCopy(Control(0, 0, 1, 1, 1));
  dialog.AppendCopy(Control(0, 0, 1, 1, 2));
  int code = 0;
  EXPECT_EQ(dialog.TestRunEndCode(1, code), 0);
  ASSERT_EQ(dialog.TestRunEndCode(2, code), 1);
  EXPECT_EQ(code, 1);
  ASSERT_EQ(dialog.TestRunEndCode(3, code), 1);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(dialog.TestRunEndCode(4, code), 0);
}

}  // namespace
