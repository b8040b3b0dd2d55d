// The picture's bitmap: a 32-bit DIB section in a memory DC, drawn with GDI
// through the Canvas interface and copied to the window when it paints.
#pragma once

#include <windows.h>

#include <cstdint>

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
  uint32_t PixelAt(int x, int y) const;
  // Copies the left part of the picture to a window's DC.
  void Present(HDC target, int width, int height) const;

  void FillRect(int left, int top, int right, int bottom, uint32_t colour) override;
  void SetPenColour(uint32_t colour) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetFontColour(uint32_t colour) override;
  void TextAt(int x, int y, const std::u16string& text) override;
  int TextWidth(const std::u16string& text) override;

 private:
  int width_, height_;
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
