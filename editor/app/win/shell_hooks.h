// What the frame asks of the document and of the design surface. The frame
// owns the windows and the routing; everything that reads or changes the
// script or a dialog goes through this interface, so the shell runs (with an
// empty document) before those parts exist and tests can record the calls.
#pragma once

#include <windows.h>

#include <string>

class CFrame;

class ShellHooks {
 public:
  virtual ~ShellHooks() = default;

  // Called once the frame, its panel and MDI client exist.
  virtual void Attach(CFrame* frame) = 0;

  // The document's commands; 1 on success. Each runs its own prompt for
  // unsaved changes where it has one.
  virtual int NewCommand() = 0;                              // 3001
  virtual int OpenCommand() = 0;                             // 3002
  virtual int SaveCommand() = 0;                             // 3003
  virtual int OpenScript(const std::wstring& fullPath) = 0;  // the command line
  // Before the frame closes: 0 keeps it open (the user cancelled the prompt).
  virtual int QueryClose() = 0;

  virtual int AddDialog() = 0;                                      // 3005
  virtual int OpenDesignWindow(const std::wstring& dialogName) = 0;  // double click in the panel

  // Commands on the active dialog and the control palette.
  virtual void Undo() = 0;                // 3015
  virtual void CopyControls() = 0;        // 3012
  virtual void PasteControls() = 0;       // 3006
  // Whether Copy and Paste have something to work on now; their menu items follow.
  virtual bool CanCopy() = 0;
  virtual bool CanPaste() = 0;
  virtual void DeleteControls() = 0;      // 3014
  virtual void ShowIdentifiers() = 0;     // 3013
  virtual void TestDialog() = 0;          // 3101
  virtual void ArrangeControls(int cmd) = 0;  // 3102..3110
  virtual void SetTool(int tool) = 0;     // 6000..6014 as 0..14

  // The design window's active flag while the panel's tree has the focus.
  virtual void SetDesignActive(HWND designWindow, int active) = 0;
  // The properties window: refreshed on focus changes; the message loop gives
  // it dialog keyboard handling while it exists.
  virtual void RefreshProperties() = 0;
  virtual void ShowProperties() = 0;
  virtual HWND PropertiesWindow() = 0;
  // Runs at exit, after the message loop.
  virtual void Exit() = 0;
};

// The shell without a document: New shows an empty project, every command
// that needs a script or a dialog does nothing and reports failure.
class EmptyDocumentHooks : public ShellHooks {
 public:
  void Attach(CFrame* attached) override { frame = attached; }
  int NewCommand() override;
  int OpenCommand() override { return 0; }
  int SaveCommand() override { return 0; }
  int OpenScript(const std::wstring&) override { return 0; }
  int QueryClose() override { return 1; }
  int AddDialog() override { return 0; }
  int OpenDesignWindow(const std::wstring&) override { return 0; }
  void Undo() override {}
  void CopyControls() override {}
  void PasteControls() override {}
  bool CanCopy() override { return false; }
  bool CanPaste() override { return false; }
  void DeleteControls() override {}
  void ShowIdentifiers() override {}
  void TestDialog() override {}
  void ArrangeControls(int) override {}
  void SetTool(int) override {}
  void SetDesignActive(HWND, int) override {}
  void RefreshProperties() override {}
  void ShowProperties() override {}
  HWND PropertiesWindow() override { return nullptr; }
  void Exit() override {}

 protected:
  CFrame* frame = nullptr;
};
