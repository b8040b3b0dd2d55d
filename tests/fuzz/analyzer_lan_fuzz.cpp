// Any file content loaded as a diagram, then drawn and searched: nothing may
// read outside the sample buffer whatever the samples and view.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "analyzer/diagram_file.h"
#include "analyzer/picture.h"

namespace {

class NullCanvas : public Canvas {
 public:
  void FillRect(int, int, int, int, uint32_t) override {}
  void SetPenColour(uint32_t) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void SetFontColour(uint32_t) override {}
  void TextAt(int, int, const std::u16string&) override {}
  int TextWidth(const std::u16string& text) override { return 6 * static_cast<int>(text.size()); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto samples = std::make_unique<SampleBuffer>();
  samples->fill(0);
  LoadDiagram(data, size, *samples);

  // The first bytes also choose a view, so the search meets every corner.
  NullCanvas canvas;
  Picture picture(canvas);
  picture.input.samples = samples.get();
  picture.width = 200;  // narrow: redraws dominate the time of a run
  const uint8_t a = size > 0 ? data[0] : 0, b = size > 1 ? data[1] : 0, c = size > 2 ? data[2] : 0;
  picture.view.Zoom = 1u << (a % 7);
  picture.ShowFromStart();
  picture.ScrollScroll((b << 7) % 32769);
  picture.MouseDown({true, (a & 0x80) != 0}, (c % 20) * 15 - 5, static_cast<int32_t>(c) * 7 - 100);
  picture.FindEdge(true);
  picture.FindEdge(false);
  picture.FindEdge(false);
  picture.GoM1Click();
  return 0;
}
