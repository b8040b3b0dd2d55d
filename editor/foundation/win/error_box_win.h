// CErrorU's message box: owned by the frame window, error icon, OK button.
#pragma once

#include <windows.h>

#include "editor/foundation/error_u.h"

class CErrorBox final : public CErrorSink {
 public:
  // The owner may be set later, when the frame exists; nullptr shows an unowned box.
  explicit CErrorBox(HWND owner = nullptr) : owner(owner) {}
  void SetOwner(HWND window) { owner = window; }
  void ShowError(const CStringU& text, const CStringU& caption) override;

 private:
  HWND owner;
};
