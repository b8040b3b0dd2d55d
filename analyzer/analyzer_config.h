// TAnalyzerConfig: the exact 210-byte image of la.cfg (no header,
// little-endian, texts in the system's 8-bit code page):
//   0   4      Colour0     colour of level 0, 0x00BBGGRR
//   4   4      Colour1     colour of level 1
//   8   12x16  LineNames   zero-terminated names of lines 0..15
//   200 4      PortIndex   0 selects "COM1", anything else "COM2"
//   204 6      RateText    sample rate in MHz; six characters fill it unterminated
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TAnalyzerConfig {
  uint32_t Colour0;
  uint32_t Colour1;
  char LineNames[16][12];
  int32_t PortIndex;
  char RateText[6];
};
#pragma pack(pop)

static_assert(sizeof(TAnalyzerConfig) == 210, "la.cfg is 210 bytes");
static_assert(offsetof(TAnalyzerConfig, PortIndex) == 200, "PortIndex at 200");
static_assert(offsetof(TAnalyzerConfig, RateText) == 204, "RateText at 204");
