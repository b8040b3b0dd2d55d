#include "editor/foundation/win/error_box_win.h"

void CErrorBox::ShowError(const CStringU& text, const CStringU& caption) {
  MessageBoxW(owner, text.W(), caption.W(), MB_OK | MB_ICONERROR);
}
