// The device's replies: any bytes from the line, cut into reads of any
// length, run through arm, read and abort without reading or writing past
// the sample buffer, and the byte count reported matches what arrived.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "analyzer/capture_cycle.h"

namespace {

class ReplayPort : public SerialPort {
 public:
  ReplayPort(const uint8_t* data, size_t size) : data(data), size(size) {}
  bool Open(const char*) override { return open = true; }
  void Close() override { open = false; }
  bool IsOpen() const override { return open; }
  bool SetLineSettings(const LineSettings&) override { return open; }
  bool SetReadTimeouts(uint32_t, uint32_t) override { return open; }
  bool SetQueues(uint32_t, uint32_t) override { return open; }
  // Each read takes a length byte from the stream, then that many bytes
  // (a short count stands for a time-out); 0xFF as length fails the call.
  bool Read(uint8_t* out, size_t wanted, size_t& got) override {
    got = 0;
    if (!open || at >= size) return open;
    const uint8_t length = data[at++];
    if (length == 0xFF) return false;
    size_t take = wanted == 1 ? length % 2 : static_cast<size_t>(length) * 300;
    if (take > wanted) take = wanted;
    if (take > size - at) take = size - at;
    std::memcpy(out, data + at, take);
    at += take;
    got = take;
    return true;
  }
  bool Write(const uint8_t*, size_t n, size_t& written) override {
    written = open ? n : 0;
    return open;
  }

 private:
  const uint8_t* data;
  size_t size;
  size_t at = 0;
  bool open = false;
};

class CountingSink : public MessageSink {
 public:
  void Show(const UserMessage&) override { ++count; }
  int count = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  ReplayPort port(data + 1, size - 1);
  CountingSink sink;
  CaptureCycle cycle(port, sink);
  cycle.OpenPort(data[0] & 1);
  auto samples = std::make_unique<SampleBuffer>();
  for (int step = 0; step < 4; ++step) {
    switch ((data[0] >> (2 * step + 1)) & 3) {
      case 0: cycle.Arm(TriggerMasks{data[0], static_cast<uint8_t>(~data[0])}, step & 1); break;
      case 1: cycle.Abort(); break;
      default: {
        const size_t got = cycle.ReadMemory(*samples);
        if (got > samples->size()) __builtin_trap();
        if (cycle.State() != CaptureState::Idle) __builtin_trap();
        break;
      }
    }
  }
  cycle.Close();
  return 0;
}
