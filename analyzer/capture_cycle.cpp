#include "analyzer/capture_cycle.h"

#include "analyzer/analyzer_config.h"

bool CaptureCycle::OpenPort(int32_t portIndex) {
  state = CaptureState::Idle;
  if (port.Open(PortName(portIndex))) return true;
  sink.Show(ErrorBox(msg::kCannotOpenCom));
  return false;
}

void CaptureCycle::Report(Handshake result) {
  sink.Show(ErrorBox(result == Handshake::ReadFailed ? msg::kCannotRead : msg::kNoDevice));
}

void CaptureCycle::Arm(TriggerMasks masks, bool wait) {
  PrepareLink(port);
  if (state == CaptureState::Idle) {
    const Handshake result = PresenceHandshake(port);
    if (result != Handshake::Present) {
      Report(result);
      port.Close();
      state = CaptureState::Idle;
      return;
    }
  }
  state = CaptureState::Armed;
  SendArm(port, wait, masks);
}

void CaptureCycle::Abort() {
  state = CaptureState::Idle;
  SendAbort(port);
}

std::size_t CaptureCycle::ReadMemory(SampleBuffer& buffer) {
  state = CaptureState::Reading;
  PrepareLink(port);
  const Handshake result = PresenceHandshake(port);
  if (result != Handshake::Present) {
    Report(result);
    state = CaptureState::Idle;
    return 0;
  }
  const std::size_t got = UploadMemory(port, buffer);
  state = CaptureState::Idle;
  // The old samples stay; the user must not take them for a new capture.
  if (got < buffer.size()) sink.Show(ShortReadBox(got));
  return got;
}

void CaptureCycle::Close() {
  if (port.IsOpen()) port.Close();
  state = CaptureState::Closed;
}
