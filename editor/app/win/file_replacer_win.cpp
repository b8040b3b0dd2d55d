#include "editor/app/win/file_replacer_win.h"

#include <windows.h>

bool Win32FileReplacer::Replace(const CStringU& from, const CStringU& to) {
  return MoveFileExW(from.W(), to.W(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
