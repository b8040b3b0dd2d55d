// Diagram files (.lan): a raw image of the sample buffer, no header.
//   offset 2k, k = 0..32767: sample k, little-endian 16-bit, bit i = line i
// Older versions wrote only samples 0..16383 (32768 bytes); such files still
// load, replacing only those samples, and older readers take the first half
// of a new file, so the layout of a sample never changes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "analyzer/sample_buffer.h"

// What a save writes and the most a load reads.
constexpr std::size_t kDiagramBytes = kSampleBytes;

// Copies the first bytes of a file's content over the start of the buffer;
// the rest of the buffer keeps what it held. Returns the bytes taken.
std::size_t LoadDiagram(const uint8_t* data, std::size_t size, SampleBuffer& samples);

// The bytes a save writes: the whole buffer.
inline const uint8_t* DiagramImage(const SampleBuffer& samples) { return samples.data(); }

// How a save or load ended; a failure is shown in an error box ("Ошибка!").
enum class DiagramStatus { Ok, CannotRead, CannotWrite };

// The box text (UTF-8) for a failure, nullptr for Ok.
const char* DiagramErrorText(DiagramStatus status);
