// The frame as the shell of the design windows.
#pragma once

#include "editor/app/doc.h"
#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"

class CFrameDesignHost : public CDesignHost {
 public:
  // Without a document nothing can be placed.
  explicit CFrameDesignHost(CFrame& frame, CDoc* doc = nullptr) : frame(frame), doc(doc) {}
  HWND FrameWindow() override { return frame.Window(); }
  HMENU MenuAnchor() override { return frame.ProjectMenu(); }
  void DesignWindowDestroyed(HWND designWindow) override { frame.ForgetDesignWindow(designWindow); }
  void RefreshProperties() override { frame.RefreshProperties(); }
  void ShowProperties() override { frame.ShowProperties(); }
  IdentifierTable* Identifiers() override { return doc ? &doc->ids : nullptr; }
  void ControlPlaced(CDlgRes& dialog) override {
    if (doc) doc->journal.RecordPlacement(dialog);
  }
  CJournal* Journal() override { return doc ? &doc->journal : nullptr; }

 private:
  CFrame& frame;
  CDoc* doc;
};
