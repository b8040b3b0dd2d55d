// The link's own cost, without the line: the exchanges over an in-memory
// port, and the trigger masks. The line itself is timed under Wine against
// the simulator (vantrel_link_timing).
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "analyzer/capture_cycle.h"

namespace {

class MemoryPort : public SerialPort {
 public:
  bool Open(const char*) override { return true; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  bool SetLineSettings(const LineSettings&) override { return true; }
  bool SetReadTimeouts(uint32_t, uint32_t) override { return true; }
  bool SetQueues(uint32_t, uint32_t) override { return true; }
  bool Read(uint8_t* out, size_t wanted, size_t& got) override {
    got = 0;
    if (pendingReply) {
      out[0] = kPresentReply;
      got = 1;
      pendingReply = false;
    } else if (pendingUpload) {
      std::memset(out, 0x5A, wanted);
      got = wanted;
      pendingUpload = false;
    }
    return true;
  }
  bool Write(const uint8_t* data, size_t n, size_t& written) override {
    pendingReply = n == 1 && data[0] == kProbeCmd;
    pendingUpload = n == 1 && data[0] == kUploadCmd;
    written = n;
    return true;
  }
  bool pendingReply = false;
  bool pendingUpload = false;
};

class NullSink : public MessageSink {
 public:
  void Show(const UserMessage&) override {}
};

void BM_ArmFromIdle(benchmark::State& state) {
  MemoryPort port;
  NullSink sink;
  CaptureCycle cycle(port, sink);
  cycle.OpenPort(1);
  for (auto _ : state) {
    cycle.Arm(TriggerMasks{0x7E, 0x01}, false);
    cycle.Abort();
  }
}
BENCHMARK(BM_ArmFromIdle);

void BM_ReadFullMemory(benchmark::State& state) {
  MemoryPort port;
  NullSink sink;
  CaptureCycle cycle(port, sink);
  cycle.OpenPort(1);
  auto samples = std::make_unique<SampleBuffer>();
  for (auto _ : state) benchmark::DoNotOptimize(cycle.ReadMemory(*samples));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 65536);
}
BENCHMARK(BM_ReadFullMemory);

void BM_MasksFromLevels(benchmark::State& state) {
  std::array<TriggerLevel, 8> levels;
  levels.fill(TriggerLevel::DontCare);
  levels[0] = TriggerLevel::High;
  for (auto _ : state) benchmark::DoNotOptimize(MasksFromLevels(levels));
}
BENCHMARK(BM_MasksFromLevels);

}  // namespace
