#pragma once
// The dialog menu's commands that line up, equalise, spread and centre the
// selected controls. They change the records, in dialog units; the caller
// then moves the control windows (and sizes them, for the size commands).

#include <cstdint>
#include <vector>

#include "editor/design/surface_link.h"

class CDlgRes;

// The commands in menu order.
enum ArrangeCommand : int {
  kAlignLeft = 3102,
  kAlignTop,
  kSameWidth,
  kSameHeight,
  kSameSize,
  kSpreadHorizontally,
  kSpreadVertically,
  kCentreHorizontally,
  kCentreVertically,
};

// A selected control and where its window lies, in the surface dialog's
// client pixels: spreading and centring go by the windows, and a combo box
// window is not as high as its record.
struct ArrangedControl {
  std::uint32_t order = 0;
  DlgRect window;
};

// The surface dialog the controls are kept inside.
struct ArrangeSurface {
  const CDialogUnitMap& map;
  int clientWidth = 0;
  int clientHeight = 0;
};

// 1 for the commands that change sizes, whose windows are sized as well as moved.
int ArrangeChangesSizes(int command);

// Runs the command on the selected controls, primary first, and marks the
// document modified. Returns the orders of the records written, in the
// order they were written; none when the command is unknown, fewer controls
// are selected than it needs, or a rectangle cannot be mapped (then no
// record is changed).
std::vector<std::uint32_t> ArrangeControls(int command, CDlgRes& dialog, const std::vector<ArrangedControl>& selected,
                                           const ArrangeSurface& surface);
