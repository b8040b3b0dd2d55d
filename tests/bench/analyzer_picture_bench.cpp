// One full redraw of the timing diagram at zoom 1 over 1566 columns of a
// capture where every line changes on every sample.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "analyzer/picture.h"
#include "tests/unit/analyzer/canvas_fakes.h"

namespace {

std::unique_ptr<SampleBuffer> BusyCapture() {
  auto samples = std::make_unique<SampleBuffer>();
  for (size_t i = 0; i < kSampleCount; ++i) {
    const uint16_t v = (i & 1) ? 0x0000 : 0xFFFF;
    (*samples)[2 * i] = static_cast<uint8_t>(v);
    (*samples)[2 * i + 1] = static_cast<uint8_t>(v >> 8);
  }
  return samples;
}

void Prepare(Picture& picture, const SampleBuffer& samples) {
  picture.input.samples = &samples;
  for (int i = 0; i < 16; ++i) {
    const std::string name = "Ln " + std::to_string(i);
    picture.input.lineNames[i] = std::u16string(name.begin(), name.end());
  }
  picture.width = 1566;
  picture.view.Zoom = 1;
}

template <class C>
void RunRedraw(benchmark::State& state, C& canvas) {
  const auto samples = BusyCapture();
  Picture picture(canvas);
  Prepare(picture, *samples);
  for (auto _ : state) {
    picture.RedrawPicture(1000);
    benchmark::ClobberMemory();
  }
}

void BM_RedrawRecording(benchmark::State& state) {
  fakes::RecordingCanvas canvas;
  RunRedraw(state, canvas);
  state.counters["segments"] = static_cast<double>(canvas.segments.size());
}
BENCHMARK(BM_RedrawRecording)->Unit(benchmark::kMicrosecond);

void BM_RedrawPixels(benchmark::State& state) {
  fakes::PixelCanvas canvas(kPictureWidth, kPictureHeight);
  RunRedraw(state, canvas);
}
BENCHMARK(BM_RedrawPixels)->Unit(benchmark::kMicrosecond);

// A zoom click: three full redraws with both markers placed.
void BM_ZoomClickPixels(benchmark::State& state) {
  const auto samples = BusyCapture();
  fakes::PixelCanvas canvas(kPictureWidth, kPictureHeight);
  Picture picture(canvas);
  Prepare(picture, *samples);
  picture.view.Zoom = 2;
  picture.RedrawPicture(0);
  picture.MouseDown({true, false}, 5, picture.view.LeftMargin + 100);
  picture.MouseDown({false, true}, 5, picture.view.LeftMargin + 300);
  for (auto _ : state) {
    picture.ZoomOutClick();
    picture.view.Zoom = 2;
  }
}
BENCHMARK(BM_ZoomClickPixels)->Unit(benchmark::kMicrosecond);

}  // namespace
