// The analyzer's sample memory as the program holds it: 32768 samples of 16
// bits, little-endian, bit i the level of line i. The byte image is what the
// device sends and what diagram files hold.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kSampleCount = 32768;
constexpr std::size_t kSampleBytes = 2 * kSampleCount;

using SampleBuffer = std::array<uint8_t, kSampleBytes>;

inline uint16_t SampleAt(const SampleBuffer& buffer, std::size_t index) {
  return static_cast<uint16_t>(buffer[2 * index] | (buffer[2 * index + 1] << 8));
}
