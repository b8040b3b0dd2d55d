#include "analyzer/analyzer_config.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "analyzer/messages.h"

namespace {

template <std::size_t N>
std::string BoundedText(const char (&field)[N], std::size_t limit) {
  const std::size_t max = limit < N ? limit : N;
  const void* end = std::memchr(field, 0, max);
  const std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : max;
  return std::string(field, length);
}

template <std::size_t N>
void StoreText(char (&field)[N], const std::string& text, std::size_t limit) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), text.size() < limit ? text.size() : limit);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

void SetDefaultConfig(TAnalyzerConfig& config, const char* rateText) {
  std::memset(&config, 0, sizeof(config));
  config.Colour0 = 0x00FF00;
  config.Colour1 = 0xFF0000;
  for (int i = 0; i < 16; ++i) SetLineName(config, i, "Ln " + std::to_string(i));
  config.PortIndex = 1;
  SetRateText(config, rateText);
}

ConfigRead ConfigFromBytes(const uint8_t* data, std::size_t size, TAnalyzerConfig& config) {
  if (size < kConfigBytes) {
    SetDefaultConfig(config, kRateWhenDamaged);
    return ConfigRead::Damaged;
  }
  std::memcpy(&config, data, kConfigBytes);
  return ConfigRead::Loaded;
}

ConfigRead LoadConfig(const std::string& path, TAnalyzerConfig& config, MessageSink& sink) {
  UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    sink.Show(WarningBox(msg::kConfigMissing));
    SetDefaultConfig(config, kRateWhenMissing);
    return ConfigRead::Missing;
  }
  uint8_t block[kConfigBytes];
  const std::size_t got = std::fread(block, 1, sizeof(block), file.get());
  const ConfigRead result = ConfigFromBytes(block, got, config);
  if (result == ConfigRead::Damaged) sink.Show(ErrorBox(msg::kConfigDamaged));
  return result;
}

bool SaveConfig(const std::string& path, const TAnalyzerConfig& config, MessageSink& sink) {
  std::FILE* raw = std::fopen(path.c_str(), "wb");
  if (!raw) {
    sink.Show(ErrorBox(msg::kCannotCreateConfig));
    return false;
  }
  const bool written = std::fwrite(&config, 1, kConfigBytes, raw) == kConfigBytes;
  // A full disk may only show when the buffer is flushed on closing.
  const bool closed = std::fclose(raw) == 0;
  if (!written || !closed) {
    sink.Show(ErrorBox(msg::kCannotWriteConfig));
    return false;
  }
  return true;
}

std::string LineName(const TAnalyzerConfig& config, int line) { return BoundedText(config.LineNames[line], 11); }

void SetLineName(TAnalyzerConfig& config, int line, const std::string& name) {
  StoreText(config.LineNames[line], name, 11);
}

std::string RateText(const TAnalyzerConfig& config) { return BoundedText(config.RateText, 6); }

void SetRateText(TAnalyzerConfig& config, const std::string& text) { StoreText(config.RateText, text, 6); }

const char* PortName(int32_t portIndex) { return portIndex == 0 ? "COM1" : "COM2"; }

bool ConvertRate(const std::string& text, float& mhz) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::size_t last = text.find_last_not_of(' ');
  std::string number = text.substr(first, last - first + 1);
  // Only a plain decimal: strtod alone would also take "inf", "0x10" or "1e9".
  std::size_t digits = 0;
  bool separator = false;
  for (std::size_t i = 0; i < number.size(); ++i) {
    char& c = number[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if ((c == ',' || c == '.') && !separator) {
      separator = true;
      c = '.';
    } else if ((c == '+' || c == '-') && i == 0) {
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  const double value = std::strtod(number.c_str(), nullptr);
  if (!(value > 0.0) || !std::isfinite(static_cast<float>(value))) return false;
  mhz = static_cast<float>(value);
  return mhz > 0.0f;
}
