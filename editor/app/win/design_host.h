// The frame as the shell of the design windows.
#pragma once

#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"

class CFrameDesignHost : public CDesignHost {
 public:
  explicit CFrameDesignHost(CFrame& frame, IdentifierTable* ids = nullptr) : frame(frame), ids(ids) {}
  HWND FrameWindow() override { return frame.Window(); }
  HMENU MenuAnchor() override { return frame.ProjectMenu(); }
  void DesignWindowDestroyed(HWND designWindow) override { frame.ForgetDesignWindow(designWindow); }
  void RefreshProperties() override { frame.RefreshProperties(); }
  void ShowProperties() override { frame.ShowProperties(); }
  IdentifierTable* Identifiers() override { return ids; }

 private:
  CFrame& frame;
  IdentifierTable* ids;
};
