// The system's 8-bit ("ANSI") code page as the editor sees it at every 8-bit
// boundary: script and header files, and limits counted in bytes. The
// executable installs the Windows conversion at start; native builds use the
// built-in Windows-1251 table, which is what the editor's users run.
#pragma once

#include <string>
#include <string_view>

class CCodePage {
 public:
  virtual ~CCodePage() = default;
  virtual std::u16string ToUtf16(std::string_view bytes) const = 0;
  // Characters the code page lacks become '?', as the system's default character.
  virtual std::string ToAnsi(std::u16string_view text) const = 0;
};

class CCodePage1251 final : public CCodePage {
 public:
  std::u16string ToUtf16(std::string_view bytes) const override;
  std::string ToAnsi(std::u16string_view text) const override;

  static char16_t ByteToUnit(unsigned char byte);
};

const CCodePage& ActiveCodePage();
// The caller keeps the code page alive; nullptr restores the built-in table.
void SetActiveCodePage(const CCodePage* codePage);

std::u16string AnsiToUtf16(std::string_view bytes);
std::string Utf16ToAnsi(std::u16string_view text);

// UTF-8 for the native file system's names.
std::string Utf16ToUtf8(std::u16string_view text);
