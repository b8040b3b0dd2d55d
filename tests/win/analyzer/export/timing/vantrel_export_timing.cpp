// Timed harness: saving the worst case for VCD, the full buffer with every
// line toggling on every sample, as VCD and as CSV through the Win32 file
// layer. Prints each run, the median and spread, the file sizes and the load.
//   vantrel_export_timing.exe [FOLDER]   (default: the temporary folder)
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "analyzer/analyzer_config.h"
#include "analyzer/win/diagram_io.h"
#include "timing_figures.h"

namespace {

constexpr int kRuns = 21;

long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

bool Time(const wchar_t* name, const std::wstring& path, ExportFormat format, const ExportSource& source) {
  std::vector<double> runs;
  for (int i = 0; i < kRuns; ++i) {
    const double start = timing::NowMs();
    const DiagramStatus status = SaveExportFile(path, format, source);
    const double end = timing::NowMs();
    if (status != DiagramStatus::Ok) {
      std::printf("%ls: cannot write %ls\n", name, path.c_str());
      return false;
    }
    runs.push_back(end - start);
  }
  std::printf("%ls runs (ms):", name);
  for (double ms : runs) std::printf(" %.1f", ms);
  const timing::Spread s = timing::SpreadOf(runs);
  std::printf("\n%ls: median %.1f ms, min %.1f, max %.1f, file %lld bytes\n", name, s.median, s.min, s.max,
              FileSize(path));
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring dir = argc > 1 ? std::wstring(argv[1]) + L"\\" : std::wstring(temp);

  auto samples = std::make_unique<SampleBuffer>();
  for (std::size_t i = 0; i < kSampleCount; ++i) {
    const uint8_t level = i % 2 ? 0x00 : 0xFF;
    (*samples)[2 * i] = level;
    (*samples)[2 * i + 1] = level;
  }
  TAnalyzerConfig config;
  SetDefaultConfig(config, kRateWhenMissing);
  const ExportSource source = SourceFromConfig(samples->data(), kSampleCount, config, 8.0);

  timing::PrintLoad("before");
  const bool ok = Time(L"VCD", dir + L"export_timing.vcd", ExportFormat::Vcd, source) &&
                  Time(L"CSV", dir + L"export_timing.csv", ExportFormat::Csv, source);
  timing::PrintLoad("after");
  DeleteFileW((dir + L"export_timing.vcd").c_str());
  DeleteFileW((dir + L"export_timing.csv").c_str());
  return ok ? 0 : 1;
}
