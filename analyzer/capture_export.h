// Captures in the formats other tools read: Value Change Dump (waveform
// viewers, protocol decoders) and CSV (spreadsheets). Both are text with CR LF
// line ends and locale-free numbers, so both builds write the same bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct TAnalyzerConfig;

// The samples as the buffer holds them (little-endian 16-bit, bit i = line i),
// the line names as la.cfg has them, and the sample rate.
struct ExportSource {
  const uint8_t* samples = nullptr;
  std::size_t sampleCount = 0;
  std::array<std::string, 16> lineNames;
  double rateMHz = 0;
};

// The names of the configuration with the given samples and rate.
ExportSource SourceFromConfig(const uint8_t* samples, std::size_t sampleCount, const TAnalyzerConfig& config,
                              double rateMHz);

enum class ExportFormat { Lan, Vcd, Csv };

// Rates the exports can time: 1 Hz to 1 THz.
bool ExportRateValid(double rateMHz);

// The VCD time unit: `multiple` (1, 10 or 100) of `unit`, and how many units
// one sample lasts; `whole` when that count is a whole number.
struct VcdTimescale {
  int multiple = 1;
  const char* unit = "ns";
  long double unitsPerSample = 0;
  bool whole = false;
};

// The coarsest unit in which the sample period is whole; 1 ns when none is
// (or finer, so that two samples never share a timestamp).
VcdTimescale ChooseTimescale(double rateMHz);

// Sample `index` in the unit of the timescale, rounded from the index itself.
uint64_t VcdTimestamp(const VcdTimescale& scale, std::size_t index);

// The line's name as an identifier: letters, digits and '_' kept, anything
// else '_'; "D<line>" when no letter or digit is left.
std::string ExportLineName(const std::string& name, int line);

// The whole capture as VCD; false (and nothing written) without samples or
// with a rate that cannot be timed.
bool WriteVcd(const ExportSource& source, const std::string& date, std::string& out);

// The whole capture as CSV: a header row, then per sample its time in
// microseconds and the sixteen levels.
bool WriteCsv(const ExportSource& source, std::string& out);

// The local date and time for the VCD header ("2024-05-17 14:03:09").
std::string ExportDateNow();
