// Timing harness (run under Wine, prints figures, asserts nothing): one mouse
// move of a drag that moves 50 selected controls of a 200-control dialog in
// a maximised design window (the snapshot and the outlines composed and put
// on the window), and the Del command on all 200 controls, with and without
// the repaint that follows it.
//   drag_timing.exe [RUNS]        (DRAG_TIMING_RAW=1 prints every sample too)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "design_grid.h"
#include "editor/resources/resource.h"
#include "timing_figures.h"

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 10;
constexpr int kDragged = 50;
constexpr int kMovesPerDrag = 100;

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

void Print(const char* name, const std::vector<double>& ms) {
  if (std::getenv("DRAG_TIMING_RAW")) {
    for (double v : ms) std::printf("%.1f ", v);
    std::printf("\n");
  }
  timing::PrintSpread(name, ms);
}

class Harness {
 public:
  bool Start() {
    return grid.Start("morvid_drag_timing", kColumns * 22 + 10, kRows * 14 + 40, kColumns * kRows, [](int k) {
      const int x = 5 + (k % kColumns) * 22, y = 5 + (k / kColumns) * 14;
      return DlgRect{x, y, x + 18, y + 10};
    });
  }
  POINT CentreOf(std::uint32_t order) {
    RECT rc;
    GetWindowRect(GetDlgItem(grid.Surface(), static_cast<int>(order)), &rc);
    POINT p = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ScreenToClient(grid.Surface(), &p);
    return p;
  }

  // Every fourth control selected, then dragged about without letting go
  // where it would change anything.
  void Drag(std::vector<double>& moves) {
    CDlgRes& dialog = grid.Dialog();
    dialog.selection.Clear();
    for (std::uint32_t order = 1; order <= kDragged; ++order) dialog.AddAsPrimaryAt(order * 4);
    const POINT start = CentreOf(4);
    HWND surface = grid.Surface();
    SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, At(start));
    timing::Pump();
    for (int k = 1; k <= kMovesPerDrag; ++k) {
      const POINT to = {start.x + (k % 40) - 20, start.y + (k % 16) - 8};
      const double begin = timing::NowMs();
      SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, At(to));
      moves.push_back(timing::NowMs() - begin);
    }
    SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, At(start));
    SendMessageW(surface, WM_LBUTTONUP, 0, At(start));
    UpdateWindow(grid.Window());
    timing::Pump();
  }

  // Del on all 200, then Ctrl+Z to have them back, outside the timing.
  void Delete(std::vector<double>& command, std::vector<double>& withRepaint) {
    grid.SelectAll();
    UpdateWindow(grid.Window());
    timing::Pump();
    const double begin = timing::NowMs();
    grid.Command(IDM_DELETE);
    const double commanded = timing::NowMs();
    grid.PaintNow();
    const double end = timing::NowMs();
    command.push_back(commanded - begin);
    withRepaint.push_back(end - begin);
    timing::Pump();
    grid.Command(IDM_UNDO);
    UpdateWindow(grid.Window());
    timing::Pump();
  }

  timing::CDesignGrid grid;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
  Harness harness;
  if (!harness.Start()) {
    std::printf("the grid could not be opened in a maximised design window\n");
    return 1;
  }
  RECT client;
  GetClientRect(harness.grid.Surface(), &client);
  std::printf("%d controls, surface dialog %ld x %ld pixels, %d runs\n", kColumns * kRows, client.right,
              client.bottom, runs);
  timing::PrintLoad("before");
  std::vector<double> moves, deleted, deletedAndPainted;
  for (int run = 0; run < runs; ++run) {
    harness.Drag(moves);
    harness.Delete(deleted, deletedAndPainted);
    if (harness.grid.Dialog().ControlCount() != kColumns * kRows) {
      std::printf("the controls did not come back after the deletion\n");
      break;
    }
  }
  Print("drag move, 50 of 200 selected", moves);
  Print("Del of 200 (command)", deleted);
  Print("Del of 200 (command and repaint)", deletedAndPainted);
  timing::PrintLoad("after");
  harness.grid.Stop();
  return 0;
}
