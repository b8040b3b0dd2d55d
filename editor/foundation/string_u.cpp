#include "editor/foundation/string_u.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "editor/foundation/code_page.h"

namespace {

std::u16string_view ViewOf(const char16_t* text) {
  return text ? std::u16string_view(text) : std::u16string_view();
}

std::u16string FromAnsi(const char* ansi) { return ansi ? AnsiToUtf16(ansi) : std::u16string(); }

}  // namespace

CStringU::CStringU(const char16_t* text) { Assign(text); }

CStringU::CStringU(std::u16string_view text) { Assign(text); }

CStringU::CStringU(const char* ansi) { Assign(ansi); }

CStringU::CStringU(const CStringU& other) { Set(other.View()); }

CStringU& CStringU::operator=(const CStringU& other) {
  if (this != &other) Set(other.View());
  return *this;
}

void CStringU::Set(std::u16string_view value) {
  // Callers have checked the capacity.
  value.copy(text, value.size());
  std::memset(text + value.size(), 0, sizeof(text) - value.size() * sizeof(char16_t));
  length = static_cast<int>(value.size());
  ansi[0] = 0;
}

void CStringU::Assign(const char* ansi) { Assign(std::u16string_view(FromAnsi(ansi))); }

void CStringU::Assign(const char16_t* text) { Assign(ViewOf(text)); }

void CStringU::Assign(std::u16string_view value) {
  Set(value.size() > static_cast<size_t>(kCapacity) ? std::u16string_view() : value);
}

int CStringU::Append(const char* ansi) { return Append(std::u16string_view(FromAnsi(ansi))); }

int CStringU::Append(const char16_t* text) { return Append(ViewOf(text)); }

int CStringU::Append(std::u16string_view value) {
  if (length + value.size() > static_cast<size_t>(kCapacity)) return 0;
  std::u16string joined(View());
  joined.append(value);
  Set(joined);
  return 1;
}

CStringU CStringU::Concat(const CStringU& a, const char* b) {
  std::u16string joined(a.View());
  joined += FromAnsi(b);
  return CStringU(std::u16string_view(joined));  // empty when too long
}

CStringU CStringU::Concat(const CStringU& a, const CStringU& b) {
  CStringU result(a);
  result.Append(b);
  return result;
}

const char* CStringU::ToAnsi() {
  std::string bytes = Utf16ToAnsi(View());
  // A multi-byte code page may need more than the buffer; an empty view is
  // safer than a cut character.
  if (bytes.size() > static_cast<size_t>(kCapacity)) bytes.clear();
  std::memcpy(ansi, bytes.c_str(), bytes.size() + 1);
  return ansi;
}

void CStringU::Format(const char* format, ...) {
  // A separate buffer, since an argument may be this string's own ToAnsi().
  char buffer[kCapacity + 1];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(buffer, sizeof(buffer), format, args);
  va_end(args);
  if (n < 0) buffer[0] = 0;
  std::string bytes(buffer);
  Assign(std::u16string_view(AnsiToUtf16(bytes)));
  std::memcpy(ansi, bytes.c_str(), bytes.size() + 1);
}

bool CStringU::IsEqual(const char* other) const { return other && Ansi() == other; }

std::string CStringU::Ansi() const { return Utf16ToAnsi(View()); }
