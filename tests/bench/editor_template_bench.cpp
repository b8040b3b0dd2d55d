// Building the in-memory templates of a large dialog: the design surface
// does it on every opening and every rebuild after a dialog property change.
#include <benchmark/benchmark.h>

#include "editor/design/dlg_res.h"
#include "editor/design/toolbox.h"

namespace {

void FillLargeDialog(CDlgRes& dialog, int controls) {
  dialog.FillWithDefaults("IDD_BIG");
  for (int k = 0; dialog.ControlCount() < static_cast<std::uint32_t>(controls); ++k) {
    DlgItem item;
    if (!ToolboxDefaults(k % kToolCount, item)) continue;
    item.x = static_cast<std::int16_t>(k % 20 * 10);
    item.y = static_cast<std::int16_t>(k / 20 * 10);
    item.cx = 9;
    item.cy = 9;
    dialog.AppendCopy(item);
  }
  dialog.count = static_cast<std::uint16_t>(dialog.ControlCount());
}

void BM_BuildTemplates500(benchmark::State& state) {
  CDlgRes dialog;
  FillLargeDialog(dialog, 500);
  for (auto _ : state) {
    CDialogTemplate surface = dialog.BuildTemplate(TemplateMode::DesignSurface);
    CDialogTemplate test = dialog.BuildTemplate(TemplateMode::TestRun);
    benchmark::DoNotOptimize(surface.Data());
    benchmark::DoNotOptimize(test.Data());
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_BuildTemplates500);

}  // namespace
