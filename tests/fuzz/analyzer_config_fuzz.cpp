// la.cfg as read at start: any bytes give a record whose texts stay within
// their fields, and the rate conversion takes whatever text that holds.
#include <cstddef>
#include <cstdint>

#include "analyzer/analyzer_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TAnalyzerConfig config;
  ConfigFromBytes(data, size, config);
  for (int i = 0; i < 16; ++i) {
    if (LineName(config, i).size() > 11) __builtin_trap();
  }
  const std::string rate = RateText(config);
  if (rate.size() > 6) __builtin_trap();
  float mhz = 0;
  if (ConvertRate(rate, mhz) && !(mhz > 0)) __builtin_trap();
  PortName(config.PortIndex);
  return 0;
}
