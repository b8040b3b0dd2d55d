// What the design surface draws over the live dialog: the selection handles
// and the outlines that follow a drag.
#pragma once

#include <windows.h>

#include <vector>

#include "editor/design/selection_handles.h"
#include "editor/foundation/win/unique_handle.h"

// The eight handles around a rectangle (pixels of `dc`), filled where they
// can be dragged, joined by a 1-pixel outline, all in one colour.
void PaintHandles(HDC dc, const DlgRect& around, HandleSet set, COLORREF colour);

// GetDCEx flags of a window's client area that draws over its child windows
// too, as the handles and outlines must; overlapping siblings stay clipped.
constexpr DWORD kOverlayDcFlags = DCX_CACHE | DCX_CLIPSIBLINGS;

// Drag feedback without exclusive-or and without repainting any control: the
// window's client area is copied once when the drag starts; every pointer
// move composes that copy and the outlines in a memory bitmap and puts the
// result on the window in one block.
class CDragFeedback {
 public:
  enum class Pen { Solid, Dotted };

  CDragFeedback() = default;
  CDragFeedback(const CDragFeedback&) = delete;
  CDragFeedback& operator=(const CDragFeedback&) = delete;
  ~CDragFeedback();

  // Replaces the snapshot with the client area of `window` as it is now and
  // makes it the window the outlines go to. 0 when that fails.
  int TakeSnapshot(HWND window);
  // The snapshot with black 1-pixel frames of the rectangles (client pixels)
  // over it; 1 when it reached the window.
  int Show(const std::vector<RECT>& frames, Pen pen);
  // The memory of one drag goes; the snapshot stays until the next drag.
  void EndDrag();

  HWND Window() const { return window; }

  POINT start = {};  // where the drag started, client pixels of the window holding the capture

 private:
  void ReleaseSnapshot();

  HWND window = nullptr;
  int width = 0;
  int height = 0;
  UniqueHDc snapshotDc;
  UniqueHBitmap snapshot;
  HGDIOBJ snapshotOld = nullptr;
  UniqueHDc composeDc;
  UniqueHBitmap compose;
  HGDIOBJ composeOld = nullptr;
  UniqueHPen pens[2];
};

// The one drag of the editor: there is only one mouse.
extern CDragFeedback g_dragFeedback;
