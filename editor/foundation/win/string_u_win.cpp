#include "editor/foundation/win/string_u_win.h"

SIZE TextExtent(const CStringU& text, HDC dc) {
  SIZE size = {0, 0};
  int previous = SetMapMode(dc, MM_TEXT);
  GetTextExtentPoint32W(dc, text.W(), text.Length(), &size);
  if (previous) SetMapMode(dc, previous);
  return size;
}
