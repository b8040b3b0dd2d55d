// Canvases for tests and benchmarks: one records what is drawn as segments
// and texts, the other rasterises into memory like the platform does (line
// end points excluded, text as opaque cells).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "analyzer/canvas.h"

namespace fakes {

constexpr int kCharWidth = 6;
constexpr int kTextHeight = 12;

struct Segment {
  int x0, y0, x1, y1;
  uint32_t colour;
};

struct Text {
  int x, y;
  std::u16string text;
  uint32_t colour;
};

class RecordingCanvas : public Canvas {
 public:
  void FillRect(int, int, int, int, uint32_t) override {
    segments.clear();
    texts.clear();
    ++fills;
  }
  void SetPenColour(uint32_t colour) override { pen_ = colour; }
  void MoveTo(int x, int y) override {
    x_ = x;
    y_ = y;
  }
  void LineTo(int x, int y) override {
    segments.push_back({x_, y_, x, y, pen_});
    x_ = x;
    y_ = y;
  }
  void SetFontColour(uint32_t colour) override { font_ = colour; }
  void TextAt(int x, int y, const std::u16string& text) override { texts.push_back({x, y, text, font_}); }
  int TextWidth(const std::u16string& text) override { return kCharWidth * static_cast<int>(text.size()); }

  // Everything since the last fill, that is, the latest picture.
  std::vector<Segment> segments;
  std::vector<Text> texts;
  int fills = 0;

 private:
  uint32_t pen_ = 0, font_ = 0;
  int x_ = 0, y_ = 0;
};

class PixelCanvas : public Canvas {
 public:
  PixelCanvas(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0xDEADBEEF) {}

  uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  void FillRect(int left, int top, int right, int bottom, uint32_t colour) override {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) Set(x, y, colour);
  }
  void SetPenColour(uint32_t colour) override { pen_ = colour; }
  void MoveTo(int x, int y) override {
    x_ = x;
    y_ = y;
  }
  // Bresenham, stopping before the end point.
  void LineTo(int x1, int y1) override {
    int x = x_, y = y_;
    const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    while (x != x1 || y != y1) {
      Set(x, y, pen_);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y += sy;
      }
    }
    x_ = x1;
    y_ = y1;
  }
  void SetFontColour(uint32_t colour) override { font_ = colour; }
  // An opaque black cell per character with one dot of the font colour.
  void TextAt(int x, int y, const std::u16string& text) override {
    const int w = TextWidth(text);
    FillRect(x, y, x + w, y + kTextHeight, kBlack);
    for (size_t i = 0; i < text.size(); ++i) Set(x + kCharWidth * static_cast<int>(i) + 1, y + 5, font_);
  }
  int TextWidth(const std::u16string& text) override { return kCharWidth * static_cast<int>(text.size()); }

 private:
  void Set(int x, int y, uint32_t colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[static_cast<size_t>(y) * width_ + x] = colour;
  }
  int width_, height_;
  std::vector<uint32_t> pixels_;
  uint32_t pen_ = 0, font_ = 0;
  int x_ = 0, y_ = 0;
};

}  // namespace fakes
