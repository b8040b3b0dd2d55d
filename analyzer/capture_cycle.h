// The capture cycle: arm, abort and read as the window's buttons run them,
// with the rules for when the presence handshake runs and what a failure
// does to the port.
#pragma once

#include <cstdint>

#include "analyzer/link_protocol.h"
#include "analyzer/messages.h"
#include "analyzer/sample_buffer.h"

enum class CaptureState : int32_t { Idle = 0, Armed = 1, Reading = 2, Closed = 255 };

class CaptureCycle {
 public:
  CaptureCycle(SerialPort& port, MessageSink& sink) : port(port), sink(sink) {}
  CaptureCycle(const CaptureCycle&) = delete;
  CaptureCycle& operator=(const CaptureCycle&) = delete;

  // At start: "COM1" for index 0, else "COM2". Without a port the program
  // goes on and every exchange fails with the read message.
  bool OpenPort(int32_t portIndex);
  // Handshake only when idle; a failed one closes the port for the run.
  void Arm(TriggerMasks masks, bool wait);
  void Abort();
  // Returns the number of bytes received (0 after a failed handshake, which
  // leaves the port open). A short upload keeps the old samples and warns.
  std::size_t ReadMemory(SampleBuffer& buffer);
  // End of program: the port is closed and nothing may draw any more.
  void Close();

  CaptureState State() const { return state; }

 private:
  void Report(Handshake result);

  SerialPort& port;
  MessageSink& sink;
  CaptureState state = CaptureState::Idle;
};
