// A picture child window (the main window's WForm, the settings preview):
// it paints and reports the mouse through its owner.
#pragma once

#include <windows.h>

class ImageOwner {
 public:
  virtual ~ImageOwner() = default;
  virtual void PaintImage(HWND image, HDC dc) = 0;
  virtual void ImageMouse(HWND, UINT, WPARAM, LPARAM) {}
};

// Registers the class once; the owner comes in as the creation parameter.
bool RegisterImageClass(HINSTANCE instance);
HWND CreateImageWindow(HWND parent, int x, int y, int w, int h, int id, ImageOwner* owner);

// A panel groups controls and passes their notifications to its parent.
enum class PanelBevel { None, Raised, Lowered };
bool RegisterPanelClass(HINSTANCE instance);
HWND CreatePanel(HWND parent, int x, int y, int w, int h, PanelBevel bevel);
