// The byte protocol of the analyzer device, and the exchanges over a
// SerialPort. Every exchange is one attempt; write results are not checked.
//
//   probe    -> 0x44                          <- 0xBB when present
//   arm      -> 0x33, mode, DontCareMask, HighMask   (no reply)
//   abort    -> 0x88                                  (no reply)
//   upload   -> 0x55                          <- 65536 bytes of samples
// Mode is 0x05, or 0x01 with "Ждать" ticked. Bit k of DontCareMask: line k
// (0..7) does not matter; bit k of HighMask: line k must be high; clear in
// both: it must be low.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "analyzer/sample_buffer.h"
#include "analyzer/serial_port.h"

constexpr uint8_t kProbeCmd = 0x44;
constexpr uint8_t kPresentReply = 0xBB;
constexpr uint8_t kArmCmd = 0x33;
constexpr uint8_t kAbortCmd = 0x88;
constexpr uint8_t kUploadCmd = 0x55;
constexpr uint8_t kModeImmediate = 0x05;
constexpr uint8_t kModeWait = 0x01;

constexpr LineSettings kLinkSettings = {38400, false, true, true};
constexpr uint32_t kReadIntervalMs = 500;
constexpr uint32_t kReadPerByteMs = 500;
// The upload is one read of 65536 bytes: at 500 ms a byte its total time-out
// would hold the window for nine hours when a device answers the probe and
// then sends nothing. 1 ms a byte still leaves four times the line's 17 s.
constexpr uint32_t kUploadPerByteMs = 1;
constexpr uint32_t kUploadInQueue = 65536;
constexpr uint32_t kUploadOutQueue = 4;

enum class TriggerLevel { High, DontCare, Low };

struct TriggerMasks {
  uint8_t DontCareMask;
  uint8_t HighMask;
};

// levels[k] is the condition of line k.
TriggerMasks MasksFromLevels(const std::array<TriggerLevel, 8>& levels);
std::array<uint8_t, 4> EncodeArm(bool wait, TriggerMasks masks);

enum class Handshake { Present, ReadFailed, NotFound };

// The reply cell starts as the probe byte, so a read that times out empty
// counts as a wrong reply, not as a failed read.
Handshake DecideHandshake(bool readOk, uint8_t cell);

// Line settings and time-outs (results unchecked), then two drain reads of
// one byte each, discarded.
void PrepareLink(SerialPort& port);
Handshake PresenceHandshake(SerialPort& port);
void SendArm(SerialPort& port, bool wait, TriggerMasks masks);
void SendAbort(SerialPort& port);
// Upload request, queues, the upload's time-outs (the gap between bytes
// stays 500 ms), and one read of up to 65536 bytes straight into
// the buffer: bytes that do not arrive leave their samples as they were.
// Returns the number of bytes received.
std::size_t UploadMemory(SerialPort& port, SampleBuffer& buffer);
