// The picture's bitmap: a 32-bit DIB section in a memory DC, drawn through
// the Canvas interface and copied to the window when it paints. Text, fills
// and slanted lines go through GDI; level lines, edges, ticks and markers,
// tens of thousands per redraw, are written into the bits with the same
// pixels GDI gives them (end point left out), as a GDI call each is too slow
// for a zoom click to stay within a frame.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "analyzer/canvas.h"
#include "analyzer/win/unique_handle.h"

class GdiCanvas : public Canvas {
 public:
  GdiCanvas(int width, int height);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  // False when the bitmap or its DC could not be made.
  bool Valid() const { return bits_ != nullptr; }
  HDC Dc() const { return dc_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // A pixel as 0x00RRGGBB (the DIB's order), top-down.
  uint32_t PixelAt(int x, int y);
  // Copies the left part of the picture to a window's DC.
  void Present(HDC target, int width, int height);

  void FillRect(int left, int top, int right, int bottom, uint32_t colour) override;
  void SetPenColour(uint32_t colour) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetFontColour(uint32_t colour) override;
  void TextAt(int x, int y, const std::u16string& text) override;
  int TextWidth(const std::u16string& text) override;

 private:
  void AxisLine(int x0, int y0, int x1, int y1);
  void BeforeGdi();
  void SlantedLine(int x0, int y0, int x1, int y1);
  void FlushSlanted();

  int width_, height_;
  int x_ = 0, y_ = 0;
  uint32_t pen_ = 0;
  bool penSet_ = false;
  bool gdiPending_ = false;  // GDI drew since the bits were last touched
  std::vector<POINT> slanted_;
  std::vector<DWORD> slantedCounts_;
  uint32_t slantedColour_ = 0;
  RECT slantedBox_ = {};
  UniqueHDC dc_;
  UniqueHBitmap bitmap_;
  UniqueHFont font_;
  uint32_t* bits_ = nullptr;
  // What the DC held before; put back before the objects are deleted.
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
};
