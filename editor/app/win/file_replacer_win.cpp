#include "editor/app/win/file_replacer_win.h"

#include <windows.h>

bool Win32FileReplacer::Replace(const CStringU& from, const CStringU& to) {
  // The new content reaches the disk before the name points at it, so a
  // power cut leaves either the old file or the whole new one.
  HANDLE file = CreateFileW(from.W(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool flushed = FlushFileBuffers(file) != 0;
  CloseHandle(file);
  return flushed && MoveFileExW(from.W(), to.W(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
