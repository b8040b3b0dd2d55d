// The simulated analyzer: what it answers to each byte and what its sample
// memory holds after an arm, independent of the pseudo-terminal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class Pattern { Counter, Walk, Clocks, Uart, I2c };

struct DeviceOptions {
  bool silent = false;         // never answers
  int probeReply = 0xBB;       // byte answered to 0x44 (0x44 for an echo)
  std::size_t uploadBytes = 65536;
  Pattern pattern = Pattern::Counter;
};

bool ParsePattern(const std::string& name, Pattern& pattern);

// The level of all sixteen lines at time t (in samples) for a pattern.
uint16_t PatternValue(Pattern pattern, uint64_t t);

// The sample memory from time `start` on: `bytes` bytes of little-endian
// 16-bit samples, as the upload sends it and a .lan file holds it.
std::vector<uint8_t> MemoryImage(Pattern pattern, uint64_t start, std::size_t bytes);

// The first time at or after 0 whose lines 0..7 meet the trigger; the
// condition is searched for a million samples, after that time 0 is used.
uint64_t TriggerTime(Pattern pattern, uint8_t dontCareMask, uint8_t highMask, bool* met = nullptr);

class Device {
 public:
  explicit Device(const DeviceOptions& options) : options(options) {}

  // Feeds one received byte; returns the bytes to send back (possibly none).
  std::vector<uint8_t> Receive(uint8_t byte);

  bool Armed() const { return armed; }
  uint8_t Mode() const { return mode; }
  std::string LastEvent() const { return event; }

 private:
  std::vector<uint8_t> Upload() const;

  DeviceOptions options;
  int armBytesPending = 0;
  uint8_t armBytes[3] = {0, 0xFF, 0};
  bool armed = false;
  uint8_t mode = 0;
  uint8_t dontCare = 0xFF;
  uint8_t high = 0;
  std::string event;
};
