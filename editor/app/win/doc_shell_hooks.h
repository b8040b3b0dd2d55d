// The shell on the real document: New, Open, Save, the command line and the
// close prompt run through CDoc, whose questions, file dialogs and tree
// updates this class answers with the frame's windows.
#pragma once

#include <memory>

#include "editor/app/doc.h"
#include "editor/app/doc_ui.h"
#include "editor/app/win/file_replacer_win.h"
#include "editor/app/win/shell_hooks.h"
#include "editor/design/control_clipboard.h"

class CDesignWindow;

class DocShellHooks : public EmptyDocumentHooks, public CDocUi {
 public:
  DocShellHooks();
  ~DocShellHooks() override;

  // The clipboard's controls outlive the dialogs they came from.
  int NewCommand() override {
    clipboard.ForgetSource();
    return doc->New();
  }
  int OpenCommand() override {
    clipboard.ForgetSource();
    return doc->Open();
  }
  int SaveCommand() override { return doc->Save(); }
  int OpenScript(const std::wstring& fullPath) override {
    clipboard.ForgetSource();
    return doc->OpenScript(CStringU(fullPath.c_str()));
  }
  int QueryClose() override { return doc->PromptSaveChanges(); }
  void Exit() override { doc.reset(); }
  int AddDialog() override;
  int OpenDesignWindow(const std::wstring& dialogName) override;
  void TestDialog() override;
  void SetTool(int tool) override;
  void SetDesignActive(HWND designWindow, int active) override;

  // Editing commands on the active dialog (shell_design_commands.cpp).
  void DeleteControls() override;
  // The undo journal, alignment and the control clipboard (shell_undo_commands.cpp).
  void Undo() override;
  void ArrangeControls(int cmd) override;
  void CopyControls() override;
  void PasteControls() override;
  bool CanCopy() override;
  bool CanPaste() override;
  // The properties window (shell_properties.cpp).
  void ShowProperties() override;
  void RefreshProperties() override;
  HWND PropertiesWindow() override;
  // The identifier view (shell_identifiers.cpp).
  void ShowIdentifiers() override;

  CStringU ProgramTitle() override;
  Answer AskYesNoCancel(const CStringU& text) override;
  void ShowWarning(const std::u16string& text) override;
  bool AskOpenPath(const CStringU& initialDir, CStringU& path) override;
  bool AskSavePath(const CStringU& initialDir, CStringU& path) override;
  CStringU GetWorkDir() override;
  void SetWorkDir(const CStringU& dir) override;
  void ResetDialogTree(const CStringU& root) override;
  void FillDialogTree(const CStringU& root, const CStringU& folder) override;
  void SetDialogTreeRoot(const CStringU& root) override;

  CDoc& Document() { return *doc; }
  const CControlClipboard& Clipboard() const { return clipboard; }

 private:
  bool AskPath(bool save, const CStringU& initialDir, CStringU& path);
  // The design window the editing commands go to: the active one, while it
  // shows a dialog and is not set aside for the dialog list. Null otherwise.
  CDesignWindow* EditedDesignWindow();

  // Saves replace the script and the header in one step, over the old files.
  Win32FileReplacer replacer;
  std::unique_ptr<CDoc> doc;
  CControlClipboard clipboard;
};
