#include "analyzer/picture.h"

#include <algorithm>
#include <cstdlib>

#include "analyzer/number_format.h"

namespace {

constexpr int kRowPitch = 15;
constexpr int kBusTop = 242;
constexpr int kBusBottom = 257;
constexpr int kTickHeight = 15;
constexpr int kSampleCountInt = static_cast<int>(kSampleCount);
constexpr int kLastSample = kSampleCountInt - 1;

int LevelY(int line, bool high) { return kRowPitch * line + (high ? 2 : 10); }

}  // namespace

std::u16string BusText(uint16_t value) {
  static const char16_t kDigits[] = u"0123456789abcdef";
  std::u16string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xF]);
    value = static_cast<uint16_t>(value >> 4);
  } while (value != 0);
  return text;
}

long double Picture::PixelsPerMicrosecond() const {
  return static_cast<long double>(view.Zoom) * static_cast<long double>(input.sampleRateMHz) * 0.5L;
}

// A pixel counted from the first sample of the buffer, as microseconds. The
// count is taken as an unsigned 32-bit number like the readouts always did;
// nothing is shown while the rate cannot be divided by.
std::u16string Picture::Microseconds(uint32_t pixels, bool fixed3, int digits) const {
  if (!(input.sampleRateMHz > 0)) return u"";
  const long double us = static_cast<long double>(pixels) / PixelsPerMicrosecond();
  return fixed3 ? FormatFixed3(us, input.decimalSeparator) : FormatGeneral(us, digits, input.decimalSeparator);
}

void Picture::RedrawPicture(int32_t start) {
  canvas_.FillRect(0, 0, kPictureWidth, kPictureHeight, kBlack);
  columnIndex_ = 0;
  previous_ = 0;
  runLength_ = 0;
  canvas_.SetFontColour(kWhite);

  for (int i = 0; i < 16; ++i) {
    const bool selected = i + 1 == view.SelectedLine;
    if (selected) canvas_.SetFontColour(kSelectedNameColour);
    canvas_.TextAt(2, kRowPitch * i + 2, input.lineNames[i]);
    if (selected) canvas_.SetFontColour(kWhite);
    view.LeftMargin = std::max(view.LeftMargin, 2 + canvas_.TextWidth(input.lineNames[i]));
  }
  const std::u16string busLabel = u"Шина";
  canvas_.TextAt(2, kBusTop, busLabel);
  view.LeftMargin = std::max(view.LeftMargin, 2 + canvas_.TextWidth(busLabel));

  const int64_t zoom = view.Zoom;
  const int64_t end = std::min<int64_t>(width / zoom + start + 1, kSampleCountInt);
  // A negative start never comes from the handlers; no column reads before the buffer.
  for (int64_t s = std::max<int64_t>(start, 0); s < end; ++s)
    DrawColumn(SampleAt(*input.samples, static_cast<size_t>(s)));

  canvas_.SetPenColour(kWhite);
  for (int64_t k = 0; view.LeftMargin + 8 * k < width; k += 8) {
    const int x = static_cast<int>(view.LeftMargin + 8 * k);
    canvas_.MoveTo(x, height);
    canvas_.LineTo(x, height - kTickHeight);
    const auto pixels = static_cast<uint32_t>(8 * k + static_cast<int64_t>(start) * zoom);
    const std::u16string label = Microseconds(pixels, false, 4);
    if (!label.empty()) canvas_.TextAt(x + 3, height - kTickHeight, label);
  }
}

void Picture::DrawColumn(uint16_t value) {
  const int c = static_cast<int>(columnIndex_);
  const int zoom = static_cast<int>(view.Zoom);
  const int x = view.LeftMargin + c * zoom;

  for (int i = 0; i < 16; ++i) {
    const bool high = (value >> i) & 1;
    const int y = LevelY(i, high);
    canvas_.SetPenColour(high ? input.colour1 : input.colour0);
    canvas_.MoveTo(x, y);
    if (c > 0 && (((previous_ >> i) & 1) != 0) != high) {
      canvas_.LineTo(x, LevelY(i, !high));
      canvas_.MoveTo(x, y);
    }
    canvas_.LineTo(x + zoom + 1, y);
  }

  canvas_.SetPenColour(kBusColour);
  auto line = [this](int x0, int y0, int x1, int y1) {
    canvas_.MoveTo(x0, y0);
    canvas_.LineTo(x1, y1);
  };
  line(x + 2, kBusTop, x + zoom - 2, kBusTop);
  line(x + 2, kBusBottom, x + zoom - 2, kBusBottom);
  if (c == 0) {
    line(x, kBusTop, x + 2, kBusTop);
    line(x, kBusBottom, x + 2, kBusBottom);
    runLength_ = 1;
  } else if (value != previous_) {
    line(x - 2, kBusTop, x + 2, kBusBottom);
    line(x + 2, kBusTop, x - 2, kBusBottom);
    runLength_ = 1;
  } else {
    line(x - 2, kBusTop, x + 2, kBusTop);
    line(x - 2, kBusBottom, x + 2, kBusBottom);
    ++runLength_;
  }

  if (static_cast<int64_t>(runLength_) * zoom > 18) {
    const int runStart = c - static_cast<int>(runLength_) + 1;
    canvas_.TextAt(view.LeftMargin + runStart * zoom + 3, kBusTop + 1, BusText(value));
  }

  previous_ = value;
  ++columnIndex_;
}

void Picture::UpdateMarker(int which, bool fromMouse, int32_t pointerX) {
  RedrawPicture(view.StartSample);

  const int64_t zoom = view.Zoom;
  int32_t& x = which == 1 ? view.Marker1X : view.Marker2X;
  int32_t& base = which == 1 ? view.Marker1Base : view.Marker2Base;
  if (fromMouse)
    x = pointerX - view.LeftMargin;
  else
    x = static_cast<int32_t>(x - (static_cast<int64_t>(view.StartSample) - base) * zoom);
  base = view.StartSample;

  auto drawMarker = [this](int32_t offset, uint32_t colour) {
    canvas_.SetPenColour(colour);
    canvas_.MoveTo(view.LeftMargin + offset, 0);
    canvas_.LineTo(view.LeftMargin + offset, height);
  };
  if (view.Marker1X > 0) drawMarker(view.Marker1X, kMarker1Colour);
  if (view.Marker2X > 0) drawMarker(view.Marker2X, kMarker2Colour);

  const int64_t first = view.StartSample * zoom;
  std::u16string readout = Microseconds(static_cast<uint32_t>(first + x), true, 3);
  if (!readout.empty())
    readout = (which == 1 ? u"Отсчёт 1: " : u"Отсчёт 2: ") + readout + u" мкс";

  if (view.Marker1X > 0 && which == 1) {
    controls.marker1Text = readout;
    controls.goM1Enabled = true;
  } else if (first + view.Marker1X == 0) {
    controls.marker1Text.clear();
    controls.goM1Enabled = false;
  }
  if (view.Marker2X > 0 && which == 2) {
    controls.marker2Text = readout;
    controls.goM2Enabled = true;
  } else if (first + view.Marker2X == 0) {
    controls.marker2Text.clear();
    controls.goM2Enabled = false;
  }

  controls.markerDif.clear();
  if (first + view.Marker1X != 0 && first + view.Marker2X != 0) {
    const auto apart = static_cast<uint32_t>(std::llabs(static_cast<int64_t>(view.Marker2X) - view.Marker1X));
    const std::u16string dif = Microseconds(apart, false, 15);
    if (!dif.empty()) controls.markerDif = u"Разность: " + dif + u" мкс";
  }
}

void Picture::RedrawWithMarkers() {
  RedrawPicture(view.StartSample);
  UpdateMarker(1, false);
  UpdateMarker(2, false);
}

void Picture::ZoomInClick() {
  if (view.Zoom >= kMaxZoom) return;
  controls.zoomOutEnabled = true;
  view.Zoom *= 2;
  if (view.Zoom == kMaxZoom) controls.zoomInEnabled = false;
  RedrawWithMarkers();
}

void Picture::ZoomOutClick() {
  if (view.Zoom <= kMinZoom) return;
  controls.zoomInEnabled = true;
  view.Zoom /= 2;
  if (view.Zoom == kMinZoom) controls.zoomOutEnabled = false;
  RedrawWithMarkers();
}

void Picture::ScrollScroll(int32_t position) {
  view.StartSample = position;
  controls.scrollPosition = position;
  UpdateMarker(1, false);
  UpdateMarker(2, false);
}

void Picture::FormResize(int newWidth) {
  width = newWidth;
  RedrawWithMarkers();
}

void Picture::MouseDown(HeldButtons held, int y, int32_t pointerX) {
  if (held.left) view.SelectedLine = (y - 1) / kRowPitch + 1;
  MouseMove(held, pointerX);
  controls.findEnabled = view.SelectedLine >= 1 && view.SelectedLine <= 16 && view.Marker1X != 0;
}

void Picture::MouseMove(HeldButtons held, int32_t pointerX) {
  if (held.left) {
    view.GoStart1 = view.StartSample;
    UpdateMarker(1, true, pointerX);
  }
  if (held.right) {
    view.GoStart2 = view.StartSample;
    UpdateMarker(2, true, pointerX);
  }
}

void Picture::GoM1Click() {
  view.StartSample = view.GoStart1;
  RedrawWithMarkers();
}

void Picture::GoM2Click() {
  view.StartSample = view.GoStart2;
  RedrawWithMarkers();
}

// The search runs on the sample under marker 1. A marker off either end of
// the buffer (possible after scrolling) has no sample to start from, so the
// search then leaves everything as it is.
void Picture::FindEdge(bool forwards) {
  if (view.SelectedLine < 1 || view.SelectedLine > 16) return;
  const uint16_t mask = static_cast<uint16_t>(1u << (view.SelectedLine - 1));
  const int64_t zoom = view.Zoom;
  const int64_t j = (static_cast<int64_t>(view.StartSample) * zoom + view.Marker1X) / zoom;
  if (j < 0 || j > kLastSample) return;
  const SampleBuffer& samples = *input.samples;
  const uint16_t ref = SampleAt(samples, static_cast<size_t>(j)) & mask;

  if (forwards) {
    if (j < kLastSample) {
      int64_t i = j;
      do {
        ++i;
      } while ((SampleAt(samples, static_cast<size_t>(i)) & mask) == ref && i != kLastSample);
      view.Marker1X = static_cast<int32_t>(view.Marker1X / zoom * zoom);
      view.StartSample = static_cast<int32_t>(i - view.Marker1X / zoom);
      controls.scrollPosition = view.StartSample;
      view.Marker1Base = view.StartSample;
      UpdateMarker(1, false);
      UpdateMarker(2, false);
    }
  } else {
    int64_t i = j;
    do {
      --i;
    } while (i >= 0 && (SampleAt(samples, static_cast<size_t>(i)) & mask) == ref);
    if (i >= 0) {
      if (view.StartSample == 0) {
        view.Marker1X = static_cast<int32_t>((i + 1) * zoom);
      } else {
        view.Marker1X = static_cast<int32_t>(view.Marker1X / zoom * zoom);
        view.StartSample = static_cast<int32_t>(i - view.Marker1X / zoom);
        view.Marker1Base = view.StartSample + 1;
        if (view.StartSample < 0) {
          view.StartSample = 0;
          view.Marker1X = static_cast<int32_t>((i + 1) * zoom);
          view.Marker1Base = 0;
        }
        controls.scrollPosition = view.StartSample;
      }
      UpdateMarker(1, false);
      UpdateMarker(2, false);
      // The stored marker steps back over the edge, so that the next backward
      // search starts beyond it; the picture shows it at the next redraw.
      view.Marker1X = view.StartSample == 0 ? static_cast<int32_t>(i * zoom) : static_cast<int32_t>(view.Marker1X - zoom);
    }
  }
  view.GoStart1 = view.StartSample;
}

void Picture::ShowFromStart() {
  view.StartSample = 0;
  RedrawPicture(0);
}
