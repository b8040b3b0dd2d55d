// Timing harness (run under Wine, prints figures, asserts nothing): the
// dialog menu's commands on 200 selected controls and Ctrl+Z of a deletion
// of 200 controls, in a maximised design window of a real document. Each
// figure runs from the command to the end of the repaint it causes. The
// paints are counted on one more run of each, untimed: the hook that counts
// them costs more than some of the commands.
//   arrange_timing.exe [RUNS]      (TIMING_TRACE=1 prints every run)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "design_grid.h"
#include "editor/design/win/design_window.h"
#include "editor/resources/resource.h"
#include "timing_figures.h"

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 10;

struct PaintCount {
  int command = 0;
  int repaint = 0;
  int* now = nullptr;
} g_paints;

LRESULT CALLBACK CountPaints(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && g_paints.now && message->message == WM_PAINT) ++*g_paints.now;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Figures {
  Figures(const char* name, int command) : name(name), command(command) {}
  std::string name;
  int command;
  std::vector<double> total;  // command and repaint
  std::vector<double> alone;  // the command alone
  PaintCount paints;
};

class Harness {
 public:
  bool Start() {
    // Push buttons of sizes around 18 × 9 units, each row a unit further
    // right, so that every command moves or sizes nearly all of them.
    const bool started = grid.Start("morvid_arrange_timing", kColumns * 24 + 10, kRows * 14 + 40,
                                    kColumns * kRows, [](int k) {
                                      const int x = 5 + (k % kColumns) * 24 + k / kColumns, y = 5 + (k / kColumns) * 14;
                                      return DlgRect{x, y, x + 16 + k % 5, y + 8 + k % 3};
                                    });
    if (!started) return false;
    for (const auto& item : grid.Dialog().controls)
      original.push_back({item->x, item->y, item->x + item->cx, item->y + item->cy});
    return true;
  }

  // The grid back as the script has it, all controls selected, the first primary.
  void Reset() {
    CDlgRes& dialog = grid.Dialog();
    const CWindowUnitMap map(grid.Surface());
    for (std::uint32_t order = 1; order <= original.size(); ++order) dialog.MoveControl(order, original[order - 1], map);
    grid.SelectAll();
    UpdateWindow(grid.Window());
    timing::Pump();
  }

  void Timed(Figures& figures) { grid.TimeCommand(figures.command, figures.name, figures.alone, figures.total); }

  void Counted(Figures& figures) {
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountPaints, nullptr, GetCurrentThreadId());
    g_paints.now = &figures.paints.command;
    grid.Command(figures.command);
    g_paints.now = &figures.paints.repaint;
    grid.PaintNow();
    g_paints.now = nullptr;
    UnhookWindowsHookEx(hook);
    timing::Pump();
  }

  // Del on every control, outside the timing.
  void DeleteAll() {
    grid.Command(IDM_DELETE);
    UpdateWindow(grid.Window());
    timing::Pump();
  }
  std::uint32_t Count() const { return grid.Dialog().ControlCount(); }

  timing::CDesignGrid grid;
  std::vector<DlgRect> original;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
  Harness harness;
  if (!harness.Start()) {
    std::printf("the grid could not be opened\n");
    return 1;
  }
  std::printf("%d controls selected in a maximised design window, %d runs each\n", kColumns * kRows, runs);
  timing::PrintLoad("before");
  std::vector<Figures> all = {{"align left", IDM_ALIGN_LEFT},
                              {"align top", IDM_ALIGN_TOP},
                              {"same size", IDM_SAME_BOTH},
                              {"spread horizontally", IDM_SPREAD_HORIZONTAL},
                              {"spread vertically", IDM_SPREAD_VERTICAL},
                              {"centre horizontally", IDM_CENTRE_HORIZONTAL},
                              {"centre vertically", IDM_CENTRE_VERTICAL},
                              {"undo of deleting 200", IDM_UNDO}};
  Figures& undo = all.back();
  for (int run = 0; run <= runs; ++run) {
    const bool counted = run == runs;
    for (Figures& figures : all) {
      harness.Reset();
      if (&figures == &undo) harness.DeleteAll();
      if (counted)
        harness.Counted(figures);
      else
        harness.Timed(figures);
    }
    if (harness.Count() != static_cast<std::uint32_t>(kColumns * kRows)) {
      std::printf("the undo did not bring the controls back\n");
      break;
    }
  }
  for (const Figures& f : all) {
    timing::PrintSpread((f.name + " (command and repaint)").c_str(), f.total);
    timing::PrintSpread((f.name + " (command alone)").c_str(), f.alone);
  }
  std::printf("paints (WM_PAINT) of one more run of each, untimed:\n");
  for (const Figures& f : all)
    std::printf("  %-22s during the command %d, in the repaint %d\n", f.name.c_str(), f.paints.command,
                f.paints.repaint);
  timing::PrintLoad("after");
  harness.grid.Stop();
  return 0;
}
