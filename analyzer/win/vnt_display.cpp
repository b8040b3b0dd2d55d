// The picture side of the main window: painting WForm, zoom, scrolling,
// markers, edge search and diagram files. Until the picture is built WForm
// stays black and these handlers do nothing.
#include "analyzer/win/vnt.h"

void TVNT::PaintImage(HWND image, HDC dc) {
  RECT rect;
  GetClientRect(image, &rect);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void TVNT::RedrawFromStartSample() { InvalidateRect(WForm, nullptr, FALSE); }

void TVNT::FormResize() {}

void TVNT::ZoomInClick() {}

void TVNT::ZoomOutClick() {}

void TVNT::FindLeftClick() {}

void TVNT::FindRightClick() {}

void TVNT::GoM1Click() {}

void TVNT::GoM2Click() {}

void TVNT::ScrollScroll(int) {}

void TVNT::WFormMouseDown(WPARAM, int, int) {}

void TVNT::WFormMouseMove(WPARAM, int, int) {}

void TVNT::WOpenClick() {}

void TVNT::WSaveClick() {}
