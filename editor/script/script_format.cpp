#include "editor/script/script_format.h"

#include <cstdarg>
#include <cstdio>

namespace morvid {

void AppendFormat(std::string& out, const char* format, ...) {
  char small[256];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  int length = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (length >= 0 && static_cast<std::size_t>(length) < sizeof small) {
    out.append(small, static_cast<std::size_t>(length));
  } else if (length > 0) {
    std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length) + 1);
    std::vsnprintf(&out[start], static_cast<std::size_t>(length) + 1, format, again);
    out.resize(start + static_cast<std::size_t>(length));
  }
  va_end(again);
}

namespace {

void AppendInt(std::string& out, int value) {
  char digits[12];
  char* end = digits + sizeof digits;
  char* p = end;
  unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  out.append(p, static_cast<std::size_t>(end - p));
}

}  // namespace

void AppendRect(std::string& out, int x, int y, int cx, int cy) {
  AppendInt(out, x);
  out += ',';
  AppendInt(out, y);
  out += ',';
  AppendInt(out, cx);
  out += ',';
  AppendInt(out, cy);
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\"\""; break;
      default: out += c; break;
    }
  }
}

void QuoteText(std::string& out, std::string_view text) {
  out += '"';
  AppendEscaped(out, text);
  out += "\",";
}

}  // namespace morvid
