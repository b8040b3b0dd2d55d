#include "editor/app/win/file_replacer_win.h"

#include <windows.h>

namespace {

bool AnsiToWide(const std::string& text, std::wstring& wide) {
  if (text.empty()) return false;
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return false;
  wide.assign(static_cast<size_t>(n), L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], n) != n) return false;
  wide.resize(static_cast<size_t>(n - 1));
  return true;
}

}  // namespace

bool Win32FileReplacer::Replace(const std::string& from, const std::string& to) {
  std::wstring wideFrom, wideTo;
  if (!AnsiToWide(from, wideFrom) || !AnsiToWide(to, wideTo)) return false;
  return MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
