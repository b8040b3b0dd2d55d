// The drawing surface the timing diagram is painted on. The Win32 layer puts
// GDI behind it; tests record the calls or rasterise them.
#pragma once

#include <cstdint>
#include <string>

// Colours are 0x00BBGGRR, as GDI takes them.
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Fills [left, right) x [top, bottom).
  virtual void FillRect(int left, int top, int right, int bottom, uint32_t colour) = 0;
  virtual void SetPenColour(uint32_t colour) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // Draws from the current point to (x, y) without the end point, and moves there.
  virtual void LineTo(int x, int y) = 0;
  virtual void SetFontColour(uint32_t colour) = 0;
  // Text in the picture's font, top left at (x, y), opaque on black.
  virtual void TextAt(int x, int y, const std::u16string& text) = 0;
  virtual int TextWidth(const std::u16string& text) = 0;
};
