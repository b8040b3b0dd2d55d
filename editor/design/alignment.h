#pragma once
// The dialog menu's commands that line up, equalise, spread and centre the
// selected controls. They work on the records, in dialog units, and move the
// control windows after them.

#include <cstdint>
#include <vector>

#include "editor/design/surface_link.h"

class CDlgRes;
class CSurfaceGeometry;

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

// Runs the command on the selected controls, primary first, keeping them
// inside the surface by shifting. Returns the orders of the controls that
// moved, in the order they were moved, and marks the document modified when
// there are any; none when the command is unknown, fewer controls are
// selected than it needs, or a rectangle cannot be mapped (then nothing is
// changed).
std::vector<std::uint32_t> ArrangeControls(int command, CDlgRes& dialog, const std::vector<ArrangedControl>& selected,
                                           const CSurfaceGeometry& surface);
