#pragma once
// The model's view of the windows that show it. The portable core keeps
// window handles opaque; the design window implements CSurfaceLink and hands
// it to its dialog while it is open, so that edits of the model keep the
// control windows' child identifiers equal to the records' positions.

#include <cstdint>
#include <vector>

struct DlgItem;

using WindowHandle = void*;

struct DlgRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline bool operator==(const DlgRect& a, const DlgRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The window manager's dialog-unit mapping of one dialog window.
class CDialogUnitMap {
 public:
  virtual ~CDialogUnitMap() = default;
  // Dialog units to pixels in place; 0 when the mapping fails.
  virtual int MapDialogRect(DlgRect& rect) const = 0;
};

class CSurfaceLink {
 public:
  virtual ~CSurfaceLink() = default;
  // The control window whose child identifier is `order`, or null.
  virtual WindowHandle ControlWindow(std::uint16_t order) const = 0;
  // The windows of orders 1 to `count` in one go (null where there is none),
  // for edits that visit every control.
  virtual void ControlWindows(std::uint16_t count, std::vector<WindowHandle>& byOrder) const {
    byOrder.assign(count, nullptr);
    for (std::uint16_t order = 1; order <= count; ++order) byOrder[order - 1] = ControlWindow(order);
  }
  // The child identifier of a control window, 0 for none.
  virtual std::uint16_t OrderOf(WindowHandle window) const = 0;
  // Moves and sizes a control window to a rectangle of the surface dialog's
  // client pixels.
  virtual void MoveControlWindow(WindowHandle window, const DlgRect& pixels) = 0;
  // Gives the window that answers to `from` the child identifier `to`.
  virtual void RenumberControlWindow(std::uint16_t from, std::uint16_t to) = 0;
  // Creates the window of a record already in place at item.order, right
  // after its predecessor in Z-order; null when it cannot be created.
  virtual WindowHandle CreateControlWindow(const DlgItem& item) = 0;
  virtual void DestroyControlWindow(WindowHandle window) = 0;
  virtual void Repaint() = 0;
  // Closes the design window (the dialog is going away).
  virtual void CloseDesignWindow() = 0;
  // After a change of control styles: the windows of the selected controls
  // are made again from their records at their Z-order places, keeping the
  // selection and its primary. 0 when a window cannot be made.
  virtual int RecreateSelectedControls() { return 0; }
  // After a change of the dialog's own fields: the surface dialog is made
  // again from the model (the selection is emptied) and repainted.
  virtual int RebuildSurface() { return 0; }
  // After undo wrote a record's old fields back: its window moved and sized
  // to it, or, when `remake`, made again at its Z-order place and its place
  // in the selection.
  virtual void UpdateControlWindow(const DlgItem& item, bool remake) = 0;
};
