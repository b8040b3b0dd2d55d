#include "analyzer/link_protocol.h"

TriggerMasks MasksFromLevels(const std::array<TriggerLevel, 8>& levels) {
  TriggerMasks masks = {0, 0};
  for (int line = 0; line < 8; ++line) {
    const uint8_t bit = static_cast<uint8_t>(1u << line);
    if (levels[line] == TriggerLevel::DontCare) masks.DontCareMask |= bit;
    if (levels[line] == TriggerLevel::High) masks.HighMask |= bit;
  }
  return masks;
}

std::array<uint8_t, 4> EncodeArm(bool wait, TriggerMasks masks) {
  return {kArmCmd, wait ? kModeWait : kModeImmediate, masks.DontCareMask, masks.HighMask};
}

Handshake DecideHandshake(bool readOk, uint8_t cell) {
  if (!readOk) return Handshake::ReadFailed;
  return cell == kPresentReply ? Handshake::Present : Handshake::NotFound;
}

void PrepareLink(SerialPort& port) {
  port.SetLineSettings(kLinkSettings);
  port.SetReadTimeouts(kReadIntervalMs, kReadPerByteMs);
  for (int i = 0; i < 2; ++i) {
    uint8_t discard = 0;
    std::size_t got = 0;
    port.Read(&discard, 1, got);
  }
}

Handshake PresenceHandshake(SerialPort& port) {
  uint8_t cell = kProbeCmd;
  std::size_t count = 0;
  port.Write(&cell, 1, count);
  const bool ok = port.Read(&cell, 1, count);
  return DecideHandshake(ok, cell);
}

void SendArm(SerialPort& port, bool wait, TriggerMasks masks) {
  const std::array<uint8_t, 4> bytes = EncodeArm(wait, masks);
  std::size_t written = 0;
  port.Write(bytes.data(), bytes.size(), written);
}

void SendAbort(SerialPort& port) {
  const uint8_t byte = kAbortCmd;
  std::size_t written = 0;
  port.Write(&byte, 1, written);
}

std::size_t UploadMemory(SerialPort& port, SampleBuffer& buffer) {
  const uint8_t byte = kUploadCmd;
  std::size_t count = 0;
  port.Write(&byte, 1, count);
  port.SetQueues(kUploadInQueue, kUploadOutQueue);
  port.SetReadTimeouts(kReadIntervalMs, kUploadPerByteMs);
  std::size_t got = 0;
  if (!port.Read(buffer.data(), buffer.size(), got)) return 0;
  return got < buffer.size() ? got : buffer.size();
}
