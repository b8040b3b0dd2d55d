// The shell's side of the properties window: opened on a double click on
// the surface, refreshed whenever the selection or the focus changes.
#include <functional>

#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/properties/win/property_dlg.h"
#include "editor/resources/resource.h"

namespace {

class ShellPropertyHost final : public CPropertyHost {
 public:
  void Attach(CFrame* shellFrame, CDoc* document) {
    frame = shellFrame;
    doc = document;
  }
  HWND FrameWindow() override { return frame ? frame->Window() : nullptr; }
  HWND ActiveDesignWindow() override { return frame ? frame->ActiveDesignWindow() : nullptr; }
  IdentifierTable* Identifiers() override { return doc ? &doc->ids : nullptr; }
  void ShowError(const std::wstring& text) override {
    if (frame) frame->ShowMessage(text, MB_OK | MB_ICONERROR);
  }
  void RenameDialogInTree(const std::wstring& oldName, const std::wstring& newName) override {
    if (frame) frame->Panel().RenameDialogInTree(frame->LoadText(IDS_DIALOGS), oldName, newName);
  }
  void RunModal(const std::function<void()>& modal) override {
    ModalScope scope(FrameWindow());
    modal();
  }
  CJournal* Journal() override { return doc ? &doc->journal : nullptr; }

 private:
  CFrame* frame = nullptr;
  CDoc* doc = nullptr;
};

ShellPropertyHost g_propertyHost;

}  // namespace

void DocShellHooks::ShowProperties() {
  if (!frame) return;
  g_propertyHost.Attach(frame, doc.get());
  g_propertyDlg.SetHost(&g_propertyHost);
  g_propertyDlg.ShowProperties(frame->Panel().Window());
}

void DocShellHooks::RefreshProperties() {
  if (!frame || !g_propertyDlg.window) return;
  g_propertyHost.Attach(frame, doc.get());
  g_propertyDlg.SetHost(&g_propertyHost);
  g_propertyDlg.RefreshProperties(frame->Panel().Window());
}

HWND DocShellHooks::PropertiesWindow() {
  return g_propertyDlg.window;
}
