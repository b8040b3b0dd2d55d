#include "lasim_device.h"

#include <cstdio>

bool ParsePattern(const std::string& name, Pattern& pattern) {
  if (name == "counter") pattern = Pattern::Counter;
  else if (name == "walk") pattern = Pattern::Walk;
  else if (name == "clocks") pattern = Pattern::Clocks;
  else return false;
  return true;
}

uint16_t PatternValue(Pattern pattern, uint64_t t) {
  switch (pattern) {
    case Pattern::Counter:
      return static_cast<uint16_t>(t);
    case Pattern::Walk:
      return static_cast<uint16_t>(1u << ((t / 64) % 16));
    case Pattern::Clocks: {
      // Line i is a square wave with a period of 2 * (i + 1) samples.
      uint16_t value = 0;
      for (unsigned i = 0; i < 16; ++i) {
        if ((t / (i + 1)) % 2) value |= static_cast<uint16_t>(1u << i);
      }
      return value;
    }
  }
  return 0;
}

uint64_t TriggerTime(Pattern pattern, uint8_t dontCareMask, uint8_t highMask, bool* met) {
  const uint8_t care = static_cast<uint8_t>(~dontCareMask);
  for (uint64_t t = 0; t < 1000000; ++t) {
    if (((PatternValue(pattern, t) & care) & 0xFF) == (highMask & care)) {
      if (met) *met = true;
      return t;
    }
  }
  if (met) *met = false;
  return 0;
}

std::vector<uint8_t> Device::Receive(uint8_t byte) {
  char text[64];
  if (armBytesPending > 0) {
    armBytes[3 - armBytesPending] = byte;
    if (--armBytesPending == 0) {
      mode = armBytes[0];
      dontCare = armBytes[1];
      high = armBytes[2];
      armed = true;
      std::snprintf(text, sizeof(text), "armed mode %02x dontcare %02x high %02x", mode, dontCare, high);
      event = text;
    }
    return {};
  }
  event.clear();
  switch (byte) {
    case 0x44:
      if (options.silent) return {};
      return {static_cast<uint8_t>(options.probeReply)};
    case 0x33:
      armBytesPending = 3;
      return {};
    case 0x88:
      armed = false;
      event = "aborted";
      return {};
    case 0x55:
      if (options.silent) return {};
      event = "upload";
      return Upload();
    default:
      return {};
  }
}

// Sample 0 is the first that meets the armed trigger; without an arm the
// memory starts at time 0.
std::vector<uint8_t> Device::Upload() const {
  const uint64_t start = armed ? TriggerTime(options.pattern, dontCare, high) : 0;
  std::vector<uint8_t> bytes(options.uploadBytes);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const uint16_t value = PatternValue(options.pattern, start + i / 2);
    bytes[i] = static_cast<uint8_t>(i % 2 ? value >> 8 : value & 0xFF);
  }
  return bytes;
}
