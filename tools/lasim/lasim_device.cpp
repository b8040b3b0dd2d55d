#include "lasim_device.h"

#include <cstdio>

bool ParsePattern(const std::string& name, Pattern& pattern) {
  if (name == "counter") pattern = Pattern::Counter;
  else if (name == "walk") pattern = Pattern::Walk;
  else if (name == "clocks") pattern = Pattern::Clocks;
  else if (name == "uart") pattern = Pattern::Uart;
  else if (name == "i2c") pattern = Pattern::I2c;
  else return false;
  return true;
}

namespace {

// Both protocols start after two bit times of idle lines, so that decoders
// see the first edge, and stay idle after the last frame.
constexpr char kUartText[] = "Vantrel UART test\n";
constexpr uint64_t kUartBit = 16;  // samples a bit
constexpr uint64_t kUartLead = 2 * kUartBit;

// Line 0: 8N1 frames, least significant bit first, idle high.
uint16_t UartValue(uint64_t t) {
  if (t < kUartLead) return 1;
  const uint64_t bit = (t - kUartLead) / kUartBit;
  const uint64_t frame = bit / 10;
  const uint64_t place = bit % 10;
  if (frame >= sizeof kUartText - 1) return 1;
  if (place == 0) return 0;
  if (place == 9) return 1;
  return static_cast<uint16_t>((static_cast<unsigned char>(kUartText[frame]) >> (place - 1)) & 1);
}

constexpr uint8_t kI2cBytes[] = {0x50 << 1, 0x12, 0x34};  // address 0x50, write; then the data
constexpr uint64_t kI2cHalf = 16;                         // samples a half clock
constexpr uint64_t kI2cLead = 2 * kI2cHalf;
constexpr uint64_t kI2cBits = 9 * sizeof kI2cBytes;       // eight bits and the ACK a byte

// The level SDA carries in clock k: the bits most significant first, then a
// low ACK from the receiver.
unsigned I2cBit(uint64_t k) {
  const uint64_t place = k % 9;
  return place == 8 ? 0 : (kI2cBytes[k / 9] >> (7 - place)) & 1;
}

// Line 1 SCL, line 2 SDA: start (SDA falls while SCL is high), one clock a
// bit with SDA changing in the middle of the low half, stop (SDA rises while
// SCL is high).
uint16_t I2cValue(uint64_t t) {
  unsigned scl = 1, sda = 1;
  if (t >= kI2cLead && t < kI2cLead + kI2cHalf) {
    sda = 0;
  } else if (t >= kI2cLead + kI2cHalf) {
    const uint64_t u = t - kI2cLead - kI2cHalf;
    const uint64_t k = u / (2 * kI2cHalf);
    const uint64_t phase = u % (2 * kI2cHalf);
    if (k < kI2cBits) {
      scl = phase >= kI2cHalf;
      sda = phase >= kI2cHalf / 2 ? I2cBit(k) : k == 0 ? 0 : I2cBit(k - 1);
    } else if (k == kI2cBits) {
      scl = phase >= kI2cHalf;
      sda = phase >= kI2cHalf + kI2cHalf / 2;
    }
  }
  return static_cast<uint16_t>(scl << 1 | sda << 2);
}

}  // namespace

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
    case Pattern::Uart:
      return UartValue(t);
    case Pattern::I2c:
      return I2cValue(t);
  }
  return 0;
}

std::vector<uint8_t> MemoryImage(Pattern pattern, uint64_t start, std::size_t bytes) {
  std::vector<uint8_t> image(bytes);
  for (std::size_t i = 0; i < image.size(); ++i) {
    const uint16_t value = PatternValue(pattern, start + i / 2);
    image[i] = static_cast<uint8_t>(i % 2 ? value >> 8 : value & 0xFF);
  }
  return image;
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
  return MemoryImage(options.pattern, start, options.uploadBytes);
}
