#include "editor/design/alignment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/design/dlg_res.h"
#include "editor/design/drag_geometry.h"
#include "editor/foundation/document_u.h"

namespace {

// Whole pixels per dialog unit on each axis.
class ScaleMap : public CDialogUnitMap {
 public:
  ScaleMap(int x, int y) : x(x), y(y) {}
  int MapDialogRect(DlgRect& r) const override {
    if (fail) return 0;
    r = {r.left * x, r.top * y, r.right * x, r.bottom * y};
    return 1;
  }
  int x;
  int y;
  bool fail = false;
};

class ModifiedFlag : public CDocumentU {
 public:
  int ClearContents() override { return 1; }
  int Exchange(CFileU&, int) override { return 1; }
};

struct Box {
  int x, y, cx, cy;
};

bool operator==(const Box& a, const Box& b) { return a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy; }

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "{" << b.x << ", " << b.y << ", " << b.cx << ", " << b.cy << "}";
}

struct ArrangeCase {
  const char* name;
  int command;
  std::vector<Box> controls;
  std::vector<std::uint32_t> selection;  // orders, primary first
  std::vector<Box> expected;             // every control afterwards
  int scaleX = 1;
  int scaleY = 1;
  int clientWidth = 200;  // pixels
  int clientHeight = 100;
  int dialogWidth = 200;  // dialog units
  int dialogHeight = 100;
};

// The windows where the model puts them, as on a real surface.
std::vector<ArrangedControl> Selected(const CDlgRes& dialog, const std::vector<std::uint32_t>& orders,
                                      const CDialogUnitMap& map) {
  std::vector<ArrangedControl> selected;
  for (std::uint32_t order : orders) {
    ArrangedControl control;
    control.order = order;
    EXPECT_TRUE(dialog.RectPixels(order, map, control.window));
    selected.push_back(control);
  }
  return selected;
}

std::vector<Box> Boxes(const CDlgRes& dialog) {
  std::vector<Box> boxes;
  for (const auto& item : dialog.controls) boxes.push_back({item->x, item->y, item->cx, item->cy});
  return boxes;
}

void Fill(CDlgRes& dialog, const ArrangeCase& c) {
  dialog.cx = static_cast<std::int16_t>(c.dialogWidth);
  dialog.cy = static_cast<std::int16_t>(c.dialogHeight);
  for (const Box& b : c.controls) {
    DlgItem item;
    item.x = static_cast<std::int16_t>(b.x);
    item.y = static_cast<std::int16_t>(b.y);
    item.cx = static_cast<std::int16_t>(b.cx);
    item.cy = static_cast<std::int16_t>(b.cy);
    dialog.AppendCopy(item);
  }
}

const ArrangeCase kCases[] = {
    {"AlignLeftOfOneDoesNothing", kAlignLeft, {{10, 5, 20, 10}, {30, 20, 20, 10}}, {2}, {{10, 5, 20, 10}, {30, 20, 20, 10}}},
    {"AlignLeftMovesOnlyTheSecond", kAlignLeft, {{10, 5, 20, 10}, {30, 20, 25, 10}}, {1, 2},
     {{10, 5, 20, 10}, {10, 20, 25, 10}}},
    {"AlignLeftFollowsTheControlMadePrimary", kAlignLeft, {{10, 5, 20, 10}, {30, 20, 25, 10}, {50, 40, 5, 5}}, {2, 1, 3},
     {{30, 5, 20, 10}, {30, 20, 25, 10}, {30, 40, 5, 5}}},
    {"AlignTopKeepsHeights", kAlignTop, {{10, 5, 20, 10}, {30, 20, 20, 30}}, {1, 2}, {{10, 5, 20, 10}, {30, 5, 20, 30}}},
    {"SameWidthKeepsLeftEdges", kSameWidth, {{10, 5, 40, 10}, {60, 20, 20, 10}}, {1, 2},
     {{10, 5, 40, 10}, {60, 20, 40, 10}}},
    {"SameWidthBeyondTheDialogMovesLeftInsteadOfCutting", kSameWidth, {{10, 5, 60, 10}, {70, 20, 20, 10}}, {1, 2},
     {{10, 5, 60, 10}, {40, 20, 60, 10}}, 1, 1, 200, 100, 100, 100},
    {"SameWidthKeptInsideTheClientPixels", kSameWidth, {{10, 5, 40, 10}, {60, 20, 10, 10}}, {1, 2},
     {{10, 5, 40, 10}, {56, 20, 40, 10}}, 3, 2, 290, 200, 100, 100},
    {"SameHeightBeyondTheBottomMovesUp", kSameHeight, {{10, 5, 40, 50}, {60, 80, 20, 10}}, {1, 2},
     {{10, 5, 40, 50}, {60, 50, 20, 50}}},
    {"SameSizeSetsBoth", kSameSize, {{10, 5, 40, 30}, {60, 20, 20, 10}, {90, 40, 5, 5}}, {1, 2, 3},
     {{10, 5, 40, 30}, {60, 20, 40, 30}, {90, 40, 40, 30}}},
    {"SpreadOfTwoDoesNothing", kSpreadHorizontally, {{10, 5, 20, 10}, {90, 5, 20, 10}}, {1, 2},
     {{10, 5, 20, 10}, {90, 5, 20, 10}}},
    {"SpreadPutsTheMiddleOneHalfWay", kSpreadHorizontally, {{40, 5, 5, 5}, {10, 20, 5, 5}, {11, 40, 5, 5}}, {1, 2, 3},
     {{40, 5, 5, 5}, {10, 20, 5, 5}, {25, 40, 5, 5}}},
    // Step (21 - 10) / 3 = 3, truncated: the last control moves too.
    {"SpreadStepIsTruncated", kSpreadHorizontally, {{10, 0, 5, 5}, {11, 10, 5, 5}, {12, 20, 5, 5}, {21, 30, 5, 5}},
     {4, 3, 2, 1}, {{10, 0, 5, 5}, {13, 10, 5, 5}, {16, 20, 5, 5}, {19, 30, 5, 5}}},
    // Equal left edges keep selection order: the one selected first stays first.
    {"SpreadKeepsSelectionOrderOfEqualEdges", kSpreadHorizontally, {{10, 0, 5, 5}, {10, 10, 5, 5}, {30, 20, 5, 5}},
     {2, 1, 3}, {{20, 0, 5, 5}, {10, 10, 5, 5}, {30, 20, 5, 5}}},
    // Two pixels a unit: the middle top at 5 pixels is 2.5 units, and a half rounds down.
    {"SpreadVerticallyRoundsAHalfDown", kSpreadVertically, {{0, 0, 5, 5}, {10, 1, 5, 5}, {20, 5, 5, 5}}, {1, 2, 3},
     {{0, 0, 5, 5}, {10, 2, 5, 5}, {20, 5, 5, 5}}, 1, 2},
    {"CentreOneControl", kCentreHorizontally, {{5, 5, 20, 10}}, {1}, {{40, 5, 20, 10}}, 1, 1, 101},
    {"CentreVerticallyInTheClientHeight", kCentreVertically, {{5, 5, 20, 10}}, {1}, {{5, 20, 20, 10}}, 1, 2, 200, 100},
    // The span ends at the right edge of the control that starts last.
    {"CentreSpansToTheLastStartingControl", kCentreHorizontally, {{10, 5, 50, 10}, {20, 20, 10, 10}}, {1, 2},
     {{40, 5, 50, 10}, {50, 20, 10, 10}}, 1, 1, 100, 100, 100, 100},
    // (50 - 61) / 2 is -5, not -6; the outer controls are then kept inside.
    {"CentreOffsetTruncatesTowardZero", kCentreHorizontally, {{10, 0, 10, 5}, {30, 10, 5, 5}, {60, 20, 11, 5}},
     {1, 2, 3}, {{0, 0, 10, 5}, {15, 10, 5, 5}, {39, 20, 11, 5}}, 1, 1, 50, 100, 100, 100},
};

class Arrange : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(Arrange, MovesTheRecords) {
  const ArrangeCase& c = GetParam();
  CDlgRes dialog;
  Fill(dialog, c);
  const ScaleMap map(c.scaleX, c.scaleY);
  const CSurfaceGeometry surface(map, c.dialogWidth, c.dialogHeight, c.clientWidth, c.clientHeight);
  ArrangeControls(c.command, dialog, Selected(dialog, c.selection, map), surface);
  EXPECT_EQ(Boxes(dialog), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, Arrange, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ArrangeCase>& info) { return std::string(info.param.name); });

const ArrangeCase kThree = {"", 0, {{10, 5, 40, 30}, {60, 20, 20, 10}, {90, 40, 5, 5}}, {}, {}};

TEST(Arrange, ReportsWhatMovedAndMarksTheDocumentModified) {
  ModifiedFlag doc;
  CDlgRes dialog;
  Fill(dialog, kThree);
  const ScaleMap map(1, 1);
  const CSurfaceGeometry surface(map, 200, 100, 200, 100);
  EXPECT_TRUE(ArrangeControls(kSpreadHorizontally, dialog, Selected(dialog, {1, 2}, map), surface).empty());
  EXPECT_EQ(doc.modified, 0);

  EXPECT_EQ(ArrangeControls(kAlignLeft, dialog, Selected(dialog, {1, 2}, map), surface),
            (std::vector<std::uint32_t>{2}));
  EXPECT_EQ(doc.modified, 1);
  // Aligned again, nothing moves and nothing is marked.
  doc.modified = 0;
  EXPECT_TRUE(ArrangeControls(kAlignLeft, dialog, Selected(dialog, {1, 2}, map), surface).empty());
  EXPECT_EQ(doc.modified, 0);
  EXPECT_TRUE(ArrangeControls(3111, dialog, Selected(dialog, {1, 2, 3}, map), surface).empty());
}

TEST(Arrange, AFailedMappingChangesNothing) {
  CDlgRes dialog;
  Fill(dialog, kThree);
  ScaleMap map(1, 1);
  const auto selected = Selected(dialog, {1, 2, 3}, map);
  const CSurfaceGeometry surface(map, 200, 100, 200, 100);
  map.fail = true;
  for (int command = kAlignLeft; command <= kCentreVertically; ++command) {
    EXPECT_TRUE(ArrangeControls(command, dialog, selected, surface).empty()) << command;
    EXPECT_EQ(Boxes(dialog), kThree.controls) << command;
  }
}

}  // namespace
