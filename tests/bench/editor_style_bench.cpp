// Formatting the styles of many controls, as saving a large script does.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "editor/script/style_vocabulary.h"

namespace {

struct Control {
  ControlKind kind;
  std::uint32_t style;
  std::uint32_t exStyle;
};

std::vector<Control> MakeControls(std::size_t count) {
  std::vector<Control> controls;
  controls.reserve(count);
  std::uint32_t seed = 1;
  for (std::size_t i = 0; i < count; ++i) {
    seed = seed * 1103515245u + 12345u;
    const auto kind = static_cast<ControlKind>(i % kControlKindCount);
    // Typical controls: visible children with a few flags of their own.
    const std::uint32_t style = 0x50000000u | (seed & 0x00830000u) | ((seed >> 8) & 0xFFFFu);
    const std::uint32_t exStyle = (seed >> 20) & 0x20201u;
    controls.push_back({kind, style, exStyle});
  }
  return controls;
}

void BM_FormatStylesOf100000Controls(benchmark::State& state) {
  const std::vector<Control> controls = MakeControls(100000);
  for (auto _ : state) {
    std::size_t characters = 0;
    for (const Control& control : controls) {
      const ControlStyle style = ControlStyleText(control.kind, control.style);
      characters += style.text.size() + style.className.size();
      characters += ExStyleText(control.exStyle).size();
    }
    benchmark::DoNotOptimize(characters);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(controls.size()));
}
BENCHMARK(BM_FormatStylesOf100000Controls)->Unit(benchmark::kMillisecond);

void BM_StyleFromName(benchmark::State& state) {
  const char* names[] = {"WS_CHILD", "WS_VISIBLE", "TCS_FOCUSNEVER", "BS_PUSHBUTTON", "NOT_A_STYLE"};
  for (auto _ : state) {
    std::uint32_t value = 0;
    for (const char* name : names) benchmark::DoNotOptimize(StyleFromName(name, value));
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_StyleFromName);

}  // namespace
