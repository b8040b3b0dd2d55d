#include "analyzer/capture_export.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "analyzer/analyzer_config.h"

namespace {

struct TimeUnit {
  int multiple;
  const char* unit;
  long double femtoseconds;
};

// Coarsest first.
constexpr TimeUnit kTimeUnits[] = {
    {100, "s", 1e17L}, {10, "s", 1e16L}, {1, "s", 1e15L},  {100, "ms", 1e14L}, {10, "ms", 1e13L}, {1, "ms", 1e12L},
    {100, "us", 1e11L}, {10, "us", 1e10L}, {1, "us", 1e9L},  {100, "ns", 1e8L},  {10, "ns", 1e7L},  {1, "ns", 1e6L},
    {100, "ps", 1e5L}, {10, "ps", 1e4L}, {1, "ps", 1e3L},  {100, "fs", 1e2L},  {10, "fs", 1e1L},  {1, "fs", 1L},
};
constexpr std::size_t kNanosecond = 11;

// The rate in Hz to seven significant digits: the float rate of the settings
// then gives back the decimal the user typed (12.5, 3.333), whose period is
// what decides the timescale.
long double RateHz(double rateMHz) {
  const long double hz = static_cast<long double>(rateMHz) * 1e6L;
  const int exponent = static_cast<int>(std::floor(std::log10(hz)));
  // Powers of ten by multiplication are exact; powl need not be.
  long double power = 1;
  for (int i = 0; i < std::abs(exponent - 6); ++i) power *= 10;
  return exponent >= 6 ? std::round(hz / power) * power : std::round(hz * power) / power;
}

bool IsIdentifierChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

void AppendNumber(std::string& out, uint64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

uint16_t Sample(const ExportSource& source, std::size_t index) {
  return static_cast<uint16_t>(source.samples[2 * index] | (source.samples[2 * index + 1] << 8));
}

// The most one sample adds to the VCD body: a timestamp of up to 20 digits
// and sixteen changes.
constexpr std::size_t kMaxVcdRecord = 1 + 20 + 2 + 16 * 4;

// Line i's identifier code in the VCD body: '!' for line 0, '0' for line 15.
char VcdCode(int line) { return static_cast<char>('!' + line); }

bool Exportable(const ExportSource& source) {
  return source.samples && source.sampleCount > 0 && ExportRateValid(source.rateMHz);
}

}  // namespace

ExportSource SourceFromConfig(const uint8_t* samples, std::size_t sampleCount, const TAnalyzerConfig& config,
                              double rateMHz) {
  ExportSource source;
  source.samples = samples;
  source.sampleCount = sampleCount;
  for (int i = 0; i < 16; ++i) source.lineNames[static_cast<std::size_t>(i)] = LineName(config, i);
  source.rateMHz = rateMHz;
  return source;
}

bool ExportRateValid(double rateMHz) { return std::isfinite(rateMHz) && rateMHz >= 1e-6 && rateMHz <= 1e6; }

VcdTimescale ChooseTimescale(double rateMHz) {
  VcdTimescale scale;
  if (!ExportRateValid(rateMHz)) return scale;
  const long double periodFs = 1e15L / RateHz(rateMHz);
  for (const TimeUnit& unit : kTimeUnits) {
    const long double count = periodFs / unit.femtoseconds;
    if (count < 0.5L || count > 1e9L) continue;
    if (std::fabs(count - std::round(count)) <= 1e-6L) {
      scale.multiple = unit.multiple;
      scale.unit = unit.unit;
      scale.unitsPerSample = std::round(count);
      scale.whole = true;
      return scale;
    }
  }
  std::size_t fallback = kNanosecond;
  while (periodFs / kTimeUnits[fallback].femtoseconds < 1.0L && fallback + 1 < std::size(kTimeUnits)) ++fallback;
  scale.multiple = kTimeUnits[fallback].multiple;
  scale.unit = kTimeUnits[fallback].unit;
  scale.unitsPerSample = periodFs / kTimeUnits[fallback].femtoseconds;
  return scale;
}

uint64_t VcdTimestamp(const VcdTimescale& scale, std::size_t index) {
  if (scale.whole) return static_cast<uint64_t>(scale.unitsPerSample) * index;
  return static_cast<uint64_t>(std::llround(scale.unitsPerSample * static_cast<long double>(index)));
}

std::string ExportLineName(const std::string& name, int line) {
  std::string result = name;
  bool meaningful = false;
  for (char& c : result) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (!IsIdentifierChar(u)) c = '_';
    else if (c != '_') meaningful = true;
  }
  return meaningful ? result : "D" + std::to_string(line);
}

// $date, $version, $timescale, one scope with a 1-bit wire per line, then
// #0 with $dumpvars of every line, a timestamp and the changed lines for each
// sample that differs from the one before, and a last timestamp one sample
// after the final sample so that viewers show its full length.
bool WriteVcd(const ExportSource& source, const std::string& date, std::string& out) {
  if (!Exportable(source)) return false;
  const VcdTimescale scale = ChooseTimescale(source.rateMHz);
  out.clear();
  out += "$date\r\n  " + date + "\r\n$end\r\n";
  out += "$version\r\n  Vantrel\r\n$end\r\n";
  out += "$timescale " + std::to_string(scale.multiple) + " " + scale.unit + " $end\r\n";
  out += "$scope module vantrel $end\r\n";
  for (int i = 0; i < 16; ++i) {
    out += "$var wire 1 ";
    out += VcdCode(i);
    out += " " + ExportLineName(source.lineNames[static_cast<std::size_t>(i)], i) + " $end\r\n";
  }
  out += "$upscope $end\r\n$enddefinitions $end\r\n";

  uint16_t previous = Sample(source, 0);
  out += "#0\r\n$dumpvars\r\n";
  for (int i = 0; i < 16; ++i) {
    out += (previous >> i) & 1 ? '1' : '0';
    out += VcdCode(i);
    out += "\r\n";
  }
  out += "$end\r\n";

  // Written in place: a busy capture has a timestamp and sixteen changes for
  // every sample, and appending them piece by piece costs more than the rest.
  const std::size_t header = out.size();
  out.resize(header + (source.sampleCount + 1) * kMaxVcdRecord);
  char* p = &out[header];
  auto timestamp = [&](std::size_t k) {
    *p++ = '#';
    p = std::to_chars(p, p + 20, VcdTimestamp(scale, k)).ptr;
    *p++ = '\r';
    *p++ = '\n';
  };
  for (std::size_t k = 1; k < source.sampleCount; ++k) {
    const uint16_t value = Sample(source, k);
    uint16_t changed = static_cast<uint16_t>(value ^ previous);
    if (!changed) continue;
    timestamp(k);
    for (int i = 0; changed; ++i, changed >>= 1) {
      if (!(changed & 1)) continue;
      p[0] = (value >> i) & 1 ? '1' : '0';
      p[1] = VcdCode(i);
      p[2] = '\r';
      p[3] = '\n';
      p += 4;
    }
    previous = value;
  }
  timestamp(source.sampleCount);
  out.resize(static_cast<std::size_t>(p - out.data()));
  return true;
}

bool WriteCsv(const ExportSource& source, std::string& out) {
  if (!Exportable(source)) return false;
  const long double hz = RateHz(source.rateMHz);
  out.clear();
  out.reserve(256 + source.sampleCount * 48);
  out += "Time [us]";
  for (int i = 0; i < 16; ++i) out += "," + ExportLineName(source.lineNames[static_cast<std::size_t>(i)], i);
  out += "\r\n";
  for (std::size_t k = 0; k < source.sampleCount; ++k) {
    // Whole picoseconds, printed as microseconds with six decimals: no
    // locale can put its own separator into the number.
    const uint64_t ps = static_cast<uint64_t>(std::llround(static_cast<long double>(k) * 1e12L / hz));
    AppendNumber(out, ps / 1000000);
    char fraction[8] = {'.'};
    uint64_t rest = ps % 1000000;
    for (int d = 6; d >= 1; --d, rest /= 10) fraction[d] = static_cast<char>('0' + rest % 10);
    out.append(fraction, 7);
    const uint16_t value = Sample(source, k);
    char levels[32];
    for (int i = 0; i < 16; ++i) {
      levels[2 * i] = ',';
      levels[2 * i + 1] = (value >> i) & 1 ? '1' : '0';
    }
    out.append(levels, sizeof levels);
    out += "\r\n";
  }
  return true;
}

std::string ExportDateNow() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  char text[32] = {};
  if (!local || !std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local)) return std::string();
  return text;
}
