// Timed harness: the link on a real COM port of Wine against the simulator
// paced at the line's rate (lasim --baud=38400 behind COM2). Prints how long
// arming from idle and a full memory read take, against the line's limit.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "analyzer/capture_cycle.h"
#include "analyzer/win/win_serial_port.h"

namespace {

class PrintSink : public MessageSink {
 public:
  void Show(const UserMessage& message) override {
    std::printf("message: %s\n", message.text.c_str());
    ++count;
  }
  int count = 0;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  Win32SerialPort port;
  PrintSink sink;
  CaptureCycle cycle(port, sink);
  if (!cycle.OpenPort(1)) return 1;

  LARGE_INTEGER a, b;
  QueryPerformanceCounter(&a);
  cycle.Arm(TriggerMasks{0xFF, 0x00}, false);
  QueryPerformanceCounter(&b);
  std::printf("arm from idle (drains, probe, arm bytes): %.3f s\n", Seconds(a, b));
  cycle.Abort();

  auto samples = std::make_unique<SampleBuffer>();
  PrepareLink(port);
  if (PresenceHandshake(port) != Handshake::Present) {
    std::printf("no device\n");
    return 1;
  }
  QueryPerformanceCounter(&a);
  const std::size_t got = UploadMemory(port, *samples);
  QueryPerformanceCounter(&b);
  const double limit = 65536.0 * 10.0 / 38400.0;
  const double took = Seconds(a, b);
  std::printf("full read: %zu bytes in %.3f s; line limit %.3f s; ratio %.4f\n", got, took, limit, took / limit);
  return sink.count == 0 && got == 65536 ? 0 : 1;
}
