// The system's ANSI code page through the Windows API.
#pragma once

#include <windows.h>

#include "editor/foundation/code_page.h"

class CWindowsCodePage final : public CCodePage {
 public:
  explicit CWindowsCodePage(UINT codePage = CP_ACP) : codePage(codePage) {}
  std::u16string ToUtf16(std::string_view bytes) const override;
  std::string ToAnsi(std::u16string_view text) const override;

 private:
  UINT codePage;
};

// Makes every 8-bit conversion of the editor use the system's code page;
// the program entry calls it before anything reads or writes a file.
void InstallSystemCodePage();
