// ShellHooks that record every call the frame makes, for in-process tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "editor/app/win/frame.h"
#include "editor/app/win/shell_hooks.h"

class RecordingHooks : public EmptyDocumentHooks {
 public:
  std::vector<std::wstring> calls;
  int allowClose = 1;

  int NewCommand() override {
    calls.push_back(L"New");
    return EmptyDocumentHooks::NewCommand();
  }
  int OpenCommand() override { return Record(L"Open"); }
  int SaveCommand() override { return Record(L"Save"); }
  int QueryClose() override { return allowClose; }
  int AddDialog() override { return Record(L"AddDialog"); }
  int OpenDesignWindow(const std::wstring& name) override { return Record(L"Open " + name); }
  void Undo() override { Record(L"Undo"); }
  void CopyControls() override { Record(L"Copy"); }
  void PasteControls() override { Record(L"Paste"); }
  void DeleteControls() override { Record(L"Delete"); }
  void ShowIdentifiers() override { Record(L"Identifiers"); }
  void TestDialog() override { Record(L"Test"); }
  void ArrangeControls(int cmd) override { Record(L"Arrange " + std::to_wstring(cmd)); }
  void SetTool(int tool) override { Record(L"Tool " + std::to_wstring(tool)); }
  void SetDesignActive(HWND, int active) override { Record(L"Active " + std::to_wstring(active)); }
  void RefreshProperties() override { Record(L"Properties"); }
  void ShowProperties() override { Record(L"ShowProperties"); }

 private:
  int Record(const std::wstring& call) {
    calls.push_back(call);
    return 1;
  }
};

// FRAME_WIN_UFC and CHILD_WIN_UFC, registered once per test process.
inline bool EnsureShellClasses() {
  WNDCLASSEXW info = {};
  info.cbSize = sizeof(info);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), CFrame::kClassName, &info)) return true;
  return CFrame::RegisterClasses(GetModuleHandleW(nullptr)) == 1;
}
