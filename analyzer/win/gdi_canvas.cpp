#include "analyzer/win/gdi_canvas.h"

#include <algorithm>

namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

GdiCanvas::GdiCanvas(int width, int height) : width_(width), height_(height) {
  dc_.reset(CreateCompatibleDC(nullptr));
  if (!dc_) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) return;
  // A small face: sixteen rows of names 15 px apart, the bus text inside its
  // 15 px outline, the tick labels in the 15 px under the bus.
  font_.reset(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
  oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  if (font_) oldFont_ = SelectObject(dc_.get(), font_.get());
  oldPen_ = SelectObject(dc_.get(), GetStockObject(DC_PEN));
  oldBrush_ = SelectObject(dc_.get(), GetStockObject(DC_BRUSH));
  SetBkMode(dc_.get(), OPAQUE);
  SetBkColor(dc_.get(), kBlack);
  SetTextAlign(dc_.get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
  bits_ = static_cast<uint32_t*>(bits);
}

GdiCanvas::~GdiCanvas() {
  if (!dc_) return;
  if (oldBrush_) SelectObject(dc_.get(), oldBrush_);
  if (oldPen_) SelectObject(dc_.get(), oldPen_);
  if (oldFont_) SelectObject(dc_.get(), oldFont_);
  if (oldBitmap_) SelectObject(dc_.get(), oldBitmap_);
}

uint32_t GdiCanvas::PixelAt(int x, int y) {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  FlushSlanted();
  GdiFlush();
  return bits_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF;
}

void GdiCanvas::Present(HDC target, int width, int height) {
  if (!Valid()) return;
  FlushSlanted();
  BitBlt(target, 0, 0, width, height, dc_.get(), 0, 0, SRCCOPY);
}

void GdiCanvas::FillRect(int left, int top, int right, int bottom, uint32_t colour) {
  BeforeGdi();
  SetDCBrushColor(dc_.get(), colour);
  RECT rect = {left, top, right, bottom};
  ::FillRect(dc_.get(), &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::SetPenColour(uint32_t colour) {
  pen_ = colour;
  penSet_ = false;
}

void GdiCanvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void GdiCanvas::LineTo(int x, int y) {
  if (bits_ && (x == x_ || y == y_)) {
    AxisLine(x_, y_, x, y);
  } else {
    SlantedLine(x_, y_, x, y);
  }
  x_ = x;
  y_ = y;
}

void GdiCanvas::BeforeGdi() {
  FlushSlanted();
  gdiPending_ = true;
}

// Slanted lines (the bus crossings) wait to be drawn by GDI together.
void GdiCanvas::SlantedLine(int x0, int y0, int x1, int y1) {
  if (!slanted_.empty() && pen_ != slantedColour_) FlushSlanted();
  if (slanted_.empty()) {
    slantedColour_ = pen_;
    slantedBox_ = {x0, y0, x0, y0};
  }
  for (const POINT& p : {POINT{x0, y0}, POINT{x1, y1}}) {
    slanted_.push_back(p);
    if (p.x < slantedBox_.left) slantedBox_.left = p.x;
    if (p.x > slantedBox_.right) slantedBox_.right = p.x;
    if (p.y < slantedBox_.top) slantedBox_.top = p.y;
    if (p.y > slantedBox_.bottom) slantedBox_.bottom = p.y;
  }
  slantedCounts_.push_back(2);
}

void GdiCanvas::FlushSlanted() {
  if (slanted_.empty() || !dc_) return;
  SetDCPenColor(dc_.get(), slantedColour_);
  PolyPolyline(dc_.get(), slanted_.data(), slantedCounts_.data(), static_cast<DWORD>(slantedCounts_.size()));
  slanted_.clear();
  slantedCounts_.clear();
  gdiPending_ = true;
}

// A horizontal or vertical line from (x0, y0) towards (x1, y1), the end
// point left out, clipped to the bitmap.
void GdiCanvas::AxisLine(int x0, int y0, int x1, int y1) {
  // A line of another colour that crosses the waiting ones must come out on
  // top of them (a marker over a bus crossing), not under.
  if (!slanted_.empty() && pen_ != slantedColour_ && std::max(x0, x1) >= slantedBox_.left - 1 &&
      std::min(x0, x1) <= slantedBox_.right + 1 && std::max(y0, y1) >= slantedBox_.top - 1 &&
      std::min(y0, y1) <= slantedBox_.bottom + 1)
    FlushSlanted();
  if (gdiPending_) {
    GdiFlush();
    gdiPending_ = false;
  }
  const uint32_t pixel = ((pen_ & 0xFF) << 16) | (pen_ & 0xFF00) | ((pen_ >> 16) & 0xFF);
  if (y0 == y1) {
    if (y0 < 0 || y0 >= height_ || x0 == x1) return;
    int from = x0 < x1 ? x0 : x1 + 1, to = x0 < x1 ? x1 - 1 : x0;
    if (from < 0) from = 0;
    if (to >= width_) to = width_ - 1;
    uint32_t* row = bits_ + static_cast<size_t>(y0) * width_;
    for (int x = from; x <= to; ++x) row[x] = pixel;
  } else {
    if (x0 < 0 || x0 >= width_) return;
    int from = y0 < y1 ? y0 : y1 + 1, to = y0 < y1 ? y1 - 1 : y0;
    if (from < 0) from = 0;
    if (to >= height_) to = height_ - 1;
    for (int y = from; y <= to; ++y) bits_[static_cast<size_t>(y) * width_ + x0] = pixel;
  }
}

void GdiCanvas::SetFontColour(uint32_t colour) { SetTextColor(dc_.get(), colour); }

void GdiCanvas::TextAt(int x, int y, const std::u16string& text) {
  BeforeGdi();
  TextOutW(dc_.get(), x, y, Wide(text), static_cast<int>(text.size()));
}

int GdiCanvas::TextWidth(const std::u16string& text) {
  SIZE size = {};
  if (!GetTextExtentPoint32W(dc_.get(), Wide(text), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}
