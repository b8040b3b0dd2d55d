#include "analyzer/win/tool_glyphs.h"

#include "analyzer/win/unique_handle.h"

namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

void Draw(HDC dc, ToolGlyph glyph) {
  UniqueHPen black(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  UniqueHPen thick(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
  ScopedSelect pen(dc, black.get());
  auto filled = [&](COLORREF colour, auto&& shape) {
    UniqueHBrush brush(CreateSolidBrush(colour));
    ScopedSelect select(dc, brush.get());
    shape();
  };
  switch (glyph) {
    case ToolGlyph::Open:
      filled(RGB(240, 200, 60), [&] {
        const POINT folder[] = {{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 14}, {1, 14}};
        Polygon(dc, folder, 6);
      });
      break;
    case ToolGlyph::Save:
      filled(RGB(40, 70, 180), [&] { Rectangle(dc, 1, 1, 15, 15); });
      filled(RGB(255, 255, 255), [&] { Rectangle(dc, 4, 2, 12, 8); });
      break;
    case ToolGlyph::Exit: {
      UniqueHPen red(CreatePen(PS_SOLID, 2, RGB(200, 0, 0)));
      ScopedSelect select(dc, red.get());
      MoveToEx(dc, 3, 3, nullptr);
      LineTo(dc, 13, 13);
      MoveToEx(dc, 13, 3, nullptr);
      LineTo(dc, 3, 13);
      break;
    }
    case ToolGlyph::ZoomIn:
    case ToolGlyph::ZoomOut: {
      filled(RGB(220, 240, 255), [&] { Ellipse(dc, 1, 1, 11, 11); });
      ScopedSelect select(dc, thick.get());
      MoveToEx(dc, 10, 10, nullptr);
      LineTo(dc, 14, 14);
      MoveToEx(dc, 4, 6, nullptr);
      LineTo(dc, 9, 6);
      if (glyph == ToolGlyph::ZoomIn) {
        MoveToEx(dc, 6, 4, nullptr);
        LineTo(dc, 6, 9);
      }
      break;
    }
    case ToolGlyph::FindLeft:
    case ToolGlyph::FindRight: {
      const bool left = glyph == ToolGlyph::FindLeft;
      filled(RGB(0, 128, 0), [&] {
        const POINT arrow[] = {{left ? 3 : 12, 8}, {left ? 10 : 5, 2}, {left ? 10 : 5, 14}};
        Polygon(dc, arrow, 3);
      });
      ScopedSelect select(dc, thick.get());
      MoveToEx(dc, left ? 2 : 13, 2, nullptr);
      LineTo(dc, left ? 2 : 13, 14);
      break;
    }
    case ToolGlyph::Settings:
      filled(RGB(192, 192, 192), [&] { Rectangle(dc, 1, 2, 15, 14); });
      for (int y : {5, 8, 11}) {
        MoveToEx(dc, 3, y, nullptr);
        LineTo(dc, 13, y);
      }
      break;
    case ToolGlyph::Count:
      break;
  }
}

}  // namespace

HIMAGELIST CreateToolGlyphs() {
  static HIMAGELIST list = nullptr;
  if (list) return list;
  list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, static_cast<int>(ToolGlyph::Count), 0);
  const HDC screen = GetDC(nullptr);
  UniqueHDC dc(CreateCompatibleDC(screen));
  for (int i = 0; i < static_cast<int>(ToolGlyph::Count); ++i) {
    UniqueHBitmap bitmap(CreateCompatibleBitmap(screen, 16, 16));
    {
      ScopedSelect select(dc.get(), bitmap.get());
      UniqueHBrush background(CreateSolidBrush(kMask));
      const RECT all = {0, 0, 16, 16};
      FillRect(dc.get(), &all, background.get());
      Draw(dc.get(), static_cast<ToolGlyph>(i));
    }
    ImageList_AddMasked(list, bitmap.get(), kMask);
  }
  ReleaseDC(nullptr, screen);
  return list;
}
