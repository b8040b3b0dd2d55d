#include "timing_figures.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace timing {

double NowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

namespace {

// Linear between the two nearest ranks, so that the median of an even count
// is the mean of the middle two.
double Quantile(const std::vector<double>& sorted, double q) {
  const double at = q * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(at);
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

}  // namespace

Spread SpreadOf(std::vector<double> values) {
  Spread s;
  if (values.empty()) return s;
  std::sort(values.begin(), values.end());
  s.n = values.size();
  s.min = values.front();
  s.p10 = Quantile(values, 0.1);
  s.median = Quantile(values, 0.5);
  s.p90 = Quantile(values, 0.9);
  s.max = values.back();
  return s;
}

std::string LoadAverage() {
  FILE* file = _wfopen(L"Z:\\proc\\loadavg", L"r");
  if (!file) return "unknown";
  char text[128] = {};
  const bool read = std::fgets(text, sizeof text, file) != nullptr;
  std::fclose(file);
  std::string load = read ? text : "";
  std::size_t end = 0;
  for (int field = 0; field < 3 && end != std::string::npos; ++field) end = load.find(' ', end + 1);
  load = load.substr(0, end);
  return load.empty() ? "unknown" : load;
}

void PrintLoad(const char* when) {
  std::printf("load average%s%s: %s\n", when ? " " : "", when ? when : "", LoadAverage().c_str());
}

void PrintSpread(const char* name, const std::vector<double>& ms) {
  if (ms.empty()) return;
  const Spread s = SpreadOf(ms);
  std::printf("%-44s median %8.2f ms  min %.2f  p10 %.2f  p90 %.2f  max %.2f  (%zu)\n", name, s.median, s.min, s.p10,
              s.p90, s.max, s.n);
}

}  // namespace timing
