// What the user looks at of the diagram: zoom, first sample, markers and the
// selected line. One instance lives for the whole run and is never reset.
#pragma once

#include <cstdint>

struct TViewState {
  uint32_t Zoom = 8;         // pixels per sample: 1, 2, 4, ..., 64
  int32_t StartSample = 0;   // sample in the first column
  int32_t LeftMargin = 0;    // x where traces begin; only grows
  int32_t Marker1X = 0;      // pixels from LeftMargin; 0 means not placed
  int32_t Marker2X = 0;
  int32_t Marker1Base = 0;   // StartSample when the offset was last brought up to date
  int32_t Marker2Base = 0;
  int32_t GoStart1 = 0;      // StartSample restored by the go-to-marker buttons
  int32_t GoStart2 = 0;
  int32_t SelectedLine = 0;  // counted from 1; outside 1..16 means none
};

constexpr uint32_t kMinZoom = 1;
constexpr uint32_t kMaxZoom = 64;
