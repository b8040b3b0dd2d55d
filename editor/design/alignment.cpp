#include "editor/design/alignment.h"

#include <algorithm>
#include <cstddef>

#include "editor/design/dlg_res.h"
#include "editor/design/drag_geometry.h"
#include "editor/foundation/document_u.h"

namespace {

enum class Operation { Align, SameSize, Spread, Centre };

// One axis of a rectangle, so that every operation is written once for both.
struct Axis {
  int DlgRect::*low;
  int DlgRect::*high;
  int CSurfaceGeometry::*clientExtent;  // pixels
  int (CSurfaceGeometry::*units)(int pixels) const;
};

constexpr Axis kHorizontal{&DlgRect::left, &DlgRect::right, &CSurfaceGeometry::clientWidth,
                           &CSurfaceGeometry::UnitsX};
constexpr Axis kVertical{&DlgRect::top, &DlgRect::bottom, &CSurfaceGeometry::clientHeight,
                         &CSurfaceGeometry::UnitsY};

struct ArrangeRule {
  int command;
  Operation operation;
  bool horizontal;
  bool vertical;
  std::size_t minimum;  // selected controls the command needs
};

constexpr ArrangeRule kRules[] = {
    {kAlignLeft, Operation::Align, true, false, 2},
    {kAlignTop, Operation::Align, false, true, 2},
    {kSameWidth, Operation::SameSize, true, false, 2},
    {kSameHeight, Operation::SameSize, false, true, 2},
    {kSameSize, Operation::SameSize, true, true, 2},
    {kSpreadHorizontally, Operation::Spread, true, false, 3},
    {kSpreadVertically, Operation::Spread, false, true, 3},
    {kCentreHorizontally, Operation::Centre, true, false, 1},
    {kCentreVertically, Operation::Centre, false, true, 1},
};

const ArrangeRule* RuleOf(int command) {
  for (const ArrangeRule& rule : kRules)
    if (rule.command == command) return &rule;
  return nullptr;
}

void Shift(DlgRect& rect, const Axis& axis, int by) {
  rect.*axis.low += by;
  rect.*axis.high += by;
}

class Arranger {
 public:
  Arranger(CDlgRes& dialog, const CSurfaceGeometry& surface) : dialog(dialog), surface(surface) {}

  int Run(const ArrangeRule& rule, const std::vector<ArrangedControl>& selected) {
    for (const Axis* axis : {rule.horizontal ? &kHorizontal : nullptr, rule.vertical ? &kVertical : nullptr}) {
      if (axis == nullptr) continue;
      switch (rule.operation) {
        case Operation::Align:
        case Operation::SameSize:
          if (!MatchAnchor(rule.operation, *axis, selected)) return 0;
          break;
        case Operation::Spread:
          if (!Spread(*axis, selected)) return 0;
          break;
        case Operation::Centre:
          if (!Centre(*axis, selected)) return 0;
          break;
      }
    }
    return 1;
  }

  // The records and windows change only once every rectangle was computed,
  // and only those that moved: a window move is the costly part.
  std::vector<std::uint32_t> Commit() {
    std::vector<std::uint32_t> orders;
    orders.reserve(changed.size());
    for (const Change& change : changed) {
      DlgRect current;
      if (dialog.RectDialogUnits(change.order, current) && current == change.rect) continue;
      dialog.MoveControl(change.order, change.rect, surface.map);
      orders.push_back(change.order);
    }
    return orders;
  }

 private:
  struct Change {
    std::uint32_t order;
    DlgRect rect;
  };

  // The rectangle as this command has left it so far.
  int Current(std::uint32_t order, DlgRect& rect) const {
    for (const Change& change : changed) {
      if (change.order == order) {
        rect = change.rect;
        return 1;
      }
    }
    return dialog.RectDialogUnits(order, rect);
  }

  int Write(std::uint32_t order, DlgRect rect) {
    if (!ShiftIntoDialog(surface, rect)) return 0;
    for (Change& change : changed) {
      if (change.order == order) {
        change.rect = rect;
        return 1;
      }
    }
    changed.push_back({order, rect});
    return 1;
  }

  // Align: every other control's near edge on the anchor's, keeping its
  // extent. Same size: its extent the anchor's, keeping its near edge.
  int MatchAnchor(Operation operation, const Axis& axis, const std::vector<ArrangedControl>& selected) {
    DlgRect anchor;
    if (!Current(selected.front().order, anchor)) return 0;
    for (std::size_t i = 1; i < selected.size(); ++i) {
      DlgRect rect;
      if (!Current(selected[i].order, rect)) return 0;
      if (operation == Operation::Align)
        Shift(rect, axis, anchor.*axis.low - rect.*axis.low);
      else
        rect.*axis.high = rect.*axis.low + (anchor.*axis.high - anchor.*axis.low);
      if (!Write(selected[i].order, rect)) return 0;
    }
    return 1;
  }

  // By the windows' near edges; equal edges keep selection order.
  static std::vector<ArrangedControl> SortedByWindows(const Axis& axis, std::vector<ArrangedControl> controls) {
    std::stable_sort(controls.begin(), controls.end(), [&axis](const ArrangedControl& a, const ArrangedControl& b) {
      return a.window.*axis.low < b.window.*axis.low;
    });
    return controls;
  }

  // The control's near edge to this client pixel, keeping its extent.
  int MoveTo(const Axis& axis, std::uint32_t order, int pixel) {
    DlgRect rect;
    if (!Current(order, rect)) return 0;
    const int units = (surface.*axis.units)(pixel);
    Shift(rect, axis, units - rect.*axis.low);
    return Write(order, rect);
  }

  // The first control stays; the others follow at a whole-pixel step, so
  // the last may move by the truncation too.
  int Spread(const Axis& axis, const std::vector<ArrangedControl>& selected) {
    const std::vector<ArrangedControl> sorted = SortedByWindows(axis, selected);
    const int first = sorted.front().window.*axis.low;
    const int n = static_cast<int>(sorted.size());
    const int step = (sorted.back().window.*axis.low - first) / (n - 1);
    for (int k = 1; k < n; ++k)
      if (!MoveTo(axis, sorted[static_cast<std::size_t>(k)].order, first + k * step)) return 0;
    return 1;
  }

  // The group's span runs from the first window's near edge to the far edge
  // of the window that starts last, not necessarily the one reaching furthest.
  int Centre(const Axis& axis, const std::vector<ArrangedControl>& selected) {
    const std::vector<ArrangedControl> sorted = SortedByWindows(axis, selected);
    const int low = sorted.front().window.*axis.low;
    const int high = sorted.back().window.*axis.high;
    const int offset = (surface.*axis.clientExtent - (high - low)) / 2 - low;
    for (const ArrangedControl& control : sorted)
      if (!MoveTo(axis, control.order, control.window.*axis.low + offset)) return 0;
    return 1;
  }

  CDlgRes& dialog;
  const CSurfaceGeometry& surface;
  std::vector<Change> changed;
};

}  // namespace

std::vector<std::uint32_t> ArrangeControls(int command, CDlgRes& dialog, const std::vector<ArrangedControl>& selected,
                                           const CSurfaceGeometry& surface) {
  const ArrangeRule* rule = RuleOf(command);
  if (rule == nullptr || selected.size() < rule->minimum || !surface.Valid()) return {};
  Arranger arranger(dialog, surface);
  if (!arranger.Run(*rule, selected)) return {};
  std::vector<std::uint32_t> moved = arranger.Commit();
  if (!moved.empty()) CDocumentU::MarkModified();
  return moved;
}
