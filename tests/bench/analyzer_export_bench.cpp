// Export of the full buffer with every line toggling on every sample, the
// worst case for VCD (every sample a timestamp and sixteen changes), and the
// same buffer as CSV. The file size is reported as a counter.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "analyzer/analyzer_config.h"
#include "analyzer/capture_export.h"
#include "analyzer/sample_buffer.h"

namespace {

std::unique_ptr<SampleBuffer> ToggleEverySample() {
  auto samples = std::make_unique<SampleBuffer>();
  for (std::size_t i = 0; i < kSampleBytes; ++i) (*samples)[i] = (i / 2) % 2 ? 0x00 : 0xFF;
  return samples;
}

template <typename Write>
void RunExport(benchmark::State& state, double rateMHz, Write write) {
  const auto samples = ToggleEverySample();
  TAnalyzerConfig config;
  SetDefaultConfig(config, kRateWhenMissing);
  const ExportSource source = SourceFromConfig(samples->data(), kSampleCount, config, rateMHz);
  std::string out;
  for (auto _ : state) {
    if (!write(source, out)) state.SkipWithError("export refused");
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = static_cast<double>(out.size());
}

void BM_VcdWorstCase(benchmark::State& state) {
  // 8 MHz: whole nanoseconds; 3 MHz: timestamps rounded from the index.
  RunExport(state, state.range(0) == 8 ? 8.0 : 3.0,
            [](const ExportSource& s, std::string& out) { return WriteVcd(s, "2024-05-17 14:03:09", out); });
}
BENCHMARK(BM_VcdWorstCase)->Arg(8)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_CsvFullBuffer(benchmark::State& state) {
  RunExport(state, 8.0, [](const ExportSource& s, std::string& out) { return WriteCsv(s, out); });
}
BENCHMARK(BM_CsvFullBuffer)->Unit(benchmark::kMillisecond);

}  // namespace
