// Timing harness (run under Wine, prints figures, asserts nothing): Ctrl+V of
// 200 copied controls into their own dialog (each gets a new name and is
// shifted back inside) and the Ctrl+Z that takes them back, in a maximised
// design window of a real document. Each figure runs from the command to the
// end of the repaint it causes.
//   paste_timing.exe [RUNS]      (TIMING_TRACE=1 prints every run)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "design_grid.h"
#include "editor/resources/resource.h"
#include "timing_figures.h"

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 10;
constexpr std::uint32_t kControls = kColumns * kRows;

struct Figures {
  std::string name;
  std::vector<double> total;  // command and repaint
  std::vector<double> alone;  // the command alone
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
  timing::CDesignGrid grid;
  // Push buttons of a few sizes; the last column reaches the dialog's right
  // edge, so pasting shifts it back.
  const bool started =
      grid.Start("morvid_paste_timing", kColumns * 24, kRows * 14 + 40, kControls, [](int k) {
        const int x = 4 + (k % kColumns) * 24, y = 5 + (k / kColumns) * 14;
        return DlgRect{x, y, x + 16 + k % 5, y + 8 + k % 3};
      });
  if (started) {
    grid.SelectAll();
    grid.Command(IDM_COPY);
  }
  if (!started || grid.hooks.Clipboard().Records().size() != kControls) {
    std::printf("the grid could not be opened and copied\n");
    return 1;
  }
  std::printf("%u controls copied from a maximised design window and pasted into it, %d runs\n", kControls, runs);
  timing::PrintLoad("before");
  Figures paste{"paste of 200", {}, {}};
  Figures undo{"undo of the paste", {}, {}};
  for (int run = 0; run < runs; ++run) {
    grid.TimeCommand(IDM_PASTE, paste.name, paste.alone, paste.total);
    if (grid.Dialog().ControlCount() != 2 * kControls) {
      std::printf("the paste did not add the controls\n");
      break;
    }
    grid.TimeCommand(IDM_UNDO, undo.name, undo.alone, undo.total);
    if (grid.Dialog().ControlCount() != kControls) {
      std::printf("the undo did not take the controls back\n");
      break;
    }
  }
  for (const Figures* f : {&paste, &undo}) {
    timing::PrintSpread((f->name + " (command and repaint)").c_str(), f->total);
    timing::PrintSpread((f->name + " (command alone)").c_str(), f->alone);
  }
  timing::PrintLoad("after");
  grid.Stop();
  return 0;
}
