// The timing diagram: sixteen traces, the hexadecimal bus row, the time axis
// and two markers, redrawn whole through a Canvas on every change, and the
// handlers of zoom, scrolling, resizing, the mouse, go-to-marker and edge search.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analyzer/canvas.h"
#include "analyzer/sample_buffer.h"
#include "analyzer/view_state.h"

// The bitmap behind the picture window; whatever lies right of it is lost.
constexpr int kPictureWidth = 1570;
constexpr int kPictureHeight = 280;

constexpr uint32_t kSelectedNameColour = 0x00FFFF;
constexpr uint32_t kBusColour = 0x00FF00;
constexpr uint32_t kMarker1Colour = 0xFFFF00;
constexpr uint32_t kMarker2Colour = 0x00FFFF;

// What the picture reads from the rest of the program.
struct PictureInput {
  const SampleBuffer* samples = nullptr;
  uint32_t colour0 = 0x00FF00;
  uint32_t colour1 = 0xFF0000;
  std::array<std::u16string, 16> lineNames;
  float sampleRateMHz = 8.0f;
  char16_t decimalSeparator = u',';
};

// The controls the picture's handlers change; the window copies them over.
struct PictureControls {
  std::u16string marker1Text, marker2Text, markerDif;
  bool goM1Enabled = false;
  bool goM2Enabled = false;
  bool zoomInEnabled = true;
  bool zoomOutEnabled = true;
  bool findEnabled = false;  // FindLeft, FindRight and their menu items
  int32_t scrollPosition = 0;
};

// Mouse buttons held during a press or a move.
struct HeldButtons {
  bool left = false;
  bool right = false;
};

class Picture {
 public:
  explicit Picture(Canvas& canvas) : canvas_(canvas) {}
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  PictureInput input;
  TViewState view;
  PictureControls controls;
  int width = 0;  // of the picture window; up to kPictureWidth is kept
  int height = kPictureHeight;

  void RedrawPicture(int32_t start);
  void DrawColumn(uint16_t value);
  // pointerX: the mouse x the window measured, before LeftMargin is taken off.
  void UpdateMarker(int which, bool fromMouse, int32_t pointerX = 0);

  void ZoomInClick();
  void ZoomOutClick();
  void ScrollScroll(int32_t position);
  void FormResize(int newWidth);
  void MouseDown(HeldButtons held, int y, int32_t pointerX);
  void MouseMove(HeldButtons held, int32_t pointerX);
  void GoM1Click();
  void GoM2Click();
  void FindEdge(bool forwards);
  // After a diagram load attempt: back to the first sample.
  void ShowFromStart();

 private:
  void RedrawWithMarkers();
  std::u16string Microseconds(uint32_t pixels, bool fixed3, int digits) const;
  long double PixelsPerMicrosecond() const;

  Canvas& canvas_;
  uint32_t columnIndex_ = 0;
  uint16_t previous_ = 0;
  uint32_t runLength_ = 0;
};

// Lower-case hexadecimal without leading zeros (a5f0), as the bus row shows it.
std::u16string BusText(uint16_t value);
