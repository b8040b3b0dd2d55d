// Timed harness: saving the worst case for VCD, the full buffer with every
// line toggling on every sample, as VCD and as CSV through the Win32 file
// layer. Prints each run, the median and spread, the file sizes and the load.
//   vantrel_export_timing.exe [FOLDER]   (default: the temporary folder)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "analyzer/analyzer_config.h"
#include "analyzer/win/diagram_io.h"

namespace {

constexpr int kRuns = 21;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

void PrintLoad() {
  FILE* file = _wfopen(L"Z:\\proc\\loadavg", L"r");
  char line[128] = {};
  if (file && std::fgets(line, sizeof line, file)) std::printf("load average: %s", line);
  if (file) std::fclose(file);
}

bool Time(const wchar_t* name, const std::wstring& path, ExportFormat format, const ExportSource& source) {
  std::vector<double> runs;
  for (int i = 0; i < kRuns; ++i) {
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    const DiagramStatus status = SaveExportFile(path, format, source);
    QueryPerformanceCounter(&b);
    if (status != DiagramStatus::Ok) {
      std::printf("%ls: cannot write %ls\n", name, path.c_str());
      return false;
    }
    runs.push_back(Milliseconds(a, b));
  }
  std::printf("%ls runs (ms):", name);
  for (double ms : runs) std::printf(" %.1f", ms);
  std::sort(runs.begin(), runs.end());
  std::printf("\n%ls: median %.1f ms, min %.1f, max %.1f, file %lld bytes\n", name, runs[runs.size() / 2], runs.front(),
              runs.back(), FileSize(path));
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

  PrintLoad();
  const bool ok = Time(L"VCD", dir + L"export_timing.vcd", ExportFormat::Vcd, source) &&
                  Time(L"CSV", dir + L"export_timing.csv", ExportFormat::Csv, source);
  PrintLoad();
  DeleteFileW((dir + L"export_timing.vcd").c_str());
  DeleteFileW((dir + L"export_timing.csv").c_str());
  return ok ? 0 : 1;
}
