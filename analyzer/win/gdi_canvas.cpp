#include "analyzer/win/gdi_canvas.h"

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

uint32_t GdiCanvas::PixelAt(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();
  return bits_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF;
}

void GdiCanvas::Present(HDC target, int width, int height) const {
  if (!Valid()) return;
  BitBlt(target, 0, 0, width, height, dc_.get(), 0, 0, SRCCOPY);
}

void GdiCanvas::FillRect(int left, int top, int right, int bottom, uint32_t colour) {
  SetDCBrushColor(dc_.get(), colour);
  RECT rect = {left, top, right, bottom};
  ::FillRect(dc_.get(), &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::SetPenColour(uint32_t colour) { SetDCPenColor(dc_.get(), colour); }

void GdiCanvas::MoveTo(int x, int y) { MoveToEx(dc_.get(), x, y, nullptr); }

void GdiCanvas::LineTo(int x, int y) { ::LineTo(dc_.get(), x, y); }

void GdiCanvas::SetFontColour(uint32_t colour) { SetTextColor(dc_.get(), colour); }

void GdiCanvas::TextAt(int x, int y, const std::u16string& text) {
  TextOutW(dc_.get(), x, y, Wide(text), static_cast<int>(text.size()));
}

int GdiCanvas::TextWidth(const std::u16string& text) {
  SIZE size = {};
  if (!GetTextExtentPoint32W(dc_.get(), Wide(text), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}
