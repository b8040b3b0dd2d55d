// TAnalyzerConfig: the exact 210-byte image of la.cfg (no header,
// little-endian, texts in the system's 8-bit code page):
//   0   4      Colour0     colour of level 0, 0x00BBGGRR
//   4   4      Colour1     colour of level 1
//   8   12x16  LineNames   zero-terminated names of lines 0..15
//   200 4      PortIndex   0 selects "COM1", anything else "COM2"
//   204 6      RateText    sample rate in MHz; six characters fill it unterminated
// Bytes after a terminator mean nothing; readers take at most 11 characters
// of a name and 6 of the rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class MessageSink;

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

constexpr std::size_t kConfigBytes = sizeof(TAnalyzerConfig);
constexpr const char kConfigFileName[] = "la.cfg";
// A missing file defaults the rate with the comma, a damaged one with the point.
constexpr const char kRateWhenMissing[] = "8,000";
constexpr const char kRateWhenDamaged[] = "8.000";
constexpr float kFallbackRateMHz = 8.0f;

void SetDefaultConfig(TAnalyzerConfig& config, const char* rateText);

enum class ConfigRead { Loaded, Missing, Damaged };

// The record from the bytes of a file: its first 210 bytes, or the defaults
// (rate "8.000") when there are fewer.
ConfigRead ConfigFromBytes(const uint8_t* data, std::size_t size, TAnalyzerConfig& config);

// Reads the file at start; a missing or short file gives the defaults and its
// message. The program goes on in every case.
ConfigRead LoadConfig(const std::string& path, TAnalyzerConfig& config, MessageSink& sink);
// Writes the 210 bytes at the end; returns false (after its message) when the
// file cannot be created or written.
bool SaveConfig(const std::string& path, const TAnalyzerConfig& config, MessageSink& sink);

std::string LineName(const TAnalyzerConfig& config, int line);
void SetLineName(TAnalyzerConfig& config, int line, const std::string& name);
std::string RateText(const TAnalyzerConfig& config);
void SetRateText(TAnalyzerConfig& config, const std::string& text);

// "COM1" for index 0, "COM2" for every other value.
const char* PortName(int32_t portIndex);

// The rate text as MHz: "," or "." as the decimal separator, blanks around
// the number ignored. False when it is no number or not above zero.
bool ConvertRate(const std::string& text, float& mhz);
