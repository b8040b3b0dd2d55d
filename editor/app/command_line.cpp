#include "editor/app/command_line.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::u16string ScriptArgument(std::u16string_view line) {
  size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  if (start == line.size()) return {};
  if (line[start] == u'"') {
    const size_t close = line.find(u'"', start + 1);
    const size_t end = close == std::u16string_view::npos ? line.size() : close;
    return std::u16string(line.substr(start + 1, end - start - 1));
  }
  size_t end = start;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  return std::u16string(line.substr(start, end - start));
}
