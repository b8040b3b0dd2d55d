// CStringU: a fixed-capacity text of at most 255 UTF-16 characters with an
// 8-bit view. Inputs that do not fit leave an empty string (assignment) or no
// change (append), never a truncated one: a cut-off name or path would be
// silently wrong, an empty one is refused further on.
#pragma once

#include <string>
#include <string_view>

#if defined(__MINGW_PRINTF_FORMAT)
#define CSTRINGU_PRINTF(f, a) __attribute__((format(__MINGW_PRINTF_FORMAT, f, a)))
#elif defined(__GNUC__)
#define CSTRINGU_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define CSTRINGU_PRINTF(f, a)
#endif

class CStringU {
 public:
  static constexpr int kCapacity = 255;

  CStringU() = default;
  CStringU(const char16_t* text);  // NOLINT: texts convert implicitly, as literals do
  CStringU(std::u16string_view text);
  CStringU(const char* ansi);  // NOLINT
  CStringU(const CStringU& other);
  CStringU& operator=(const CStringU& other);
  virtual ~CStringU() = default;

  void Assign(const char* ansi);
  void Assign(const char16_t* text);
  void Assign(std::u16string_view text);

  // 1 when appended; 0, and nothing changes, when the total would reach 256.
  int Append(const char* ansi);
  int Append(const char16_t* text);
  int Append(std::u16string_view text);
  int Append(const CStringU& other) { return Append(other.View()); }

  // a followed by b; when the two exceed 255 characters the result is empty.
  static CStringU Concat(const CStringU& a, const char* b);
  // a followed by b; when the two exceed 255 characters the result is a alone.
  static CStringU Concat(const CStringU& a, const CStringU& b);

  // Converts the text into the 8-bit buffer and returns it.
  const char* ToAnsi();
  // printf-style into the 8-bit buffer (256 bytes, truncated), then into the text.
  void Format(const char* format, ...) CSTRINGU_PRINTF(2, 3);

  // Byte comparison of the converted text, case-sensitive.
  bool IsEqual(const char* ansi) const;
  bool IsNotEqual(const char* ansi) const { return !IsEqual(ansi); }

  const char16_t* Text() const { return text; }
  std::u16string_view View() const { return std::u16string_view(text, length); }
  int Length() const { return length; }
  bool IsEmpty() const { return length == 0; }
  // The 8-bit form without touching the buffer of ToAnsi.
  std::string Ansi() const;

  bool operator==(const CStringU& other) const { return View() == other.View(); }
  bool operator!=(const CStringU& other) const { return !(*this == other); }

#ifdef _WIN32
  // UTF-16 is wchar_t on Windows: the W functions take the text as it is.
  CStringU(const wchar_t* text) : CStringU(reinterpret_cast<const char16_t*>(text)) {}  // NOLINT
  void Assign(const wchar_t* text) { Assign(reinterpret_cast<const char16_t*>(text)); }
  int Append(const wchar_t* text) { return Append(reinterpret_cast<const char16_t*>(text)); }
  const wchar_t* W() const { return reinterpret_cast<const wchar_t*>(text); }
#endif

 private:
  void Set(std::u16string_view value);

  char16_t text[kCapacity + 1] = {};
  char ansi[kCapacity + 1] = {};
  int length = 0;
};
