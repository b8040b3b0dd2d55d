// Tests of the shipped Morvid.exe driven from this process: each test gets a
// scratch folder of its own, the program's frame, dialog list and design
// windows are found from outside, its message boxes answered, and it is
// closed at the end, declining to save.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor_test_util.h"
#include "morvid_process.h"

class MorvidSession : public ::testing::Test {
 protected:
  MorvidSession();
  void TearDown() override { Close(); }

  // A file below tests/data copied into the scratch folder.
  void CopyData(const std::wstring& from, const std::wstring& to);
  // Starts the program and finds its windows; the folder is the default directory.
  void Start(const std::wstring& arguments, const std::wstring& directory = L"");
  void Attach();
  // Closes the program, declining to save.
  void Close();
  void Command(int cmd) { PostMessageW(frame, WM_COMMAND, MAKEWPARAM(cmd, 0), 0); }

  HWND WaitForBox() { return program.WaitForTopWindow(L"#32770", 10000); }
  void Answer(HWND box, int button);
  // The texts of a box's static controls, joined.
  static std::wstring BoxText(HWND box);
  // The box that asks whether to save the changed document, or nullptr.
  HWND WaitForSavePrompt();
  // Closing with unsaved changes asks first; Cancel keeps the program.
  void ExpectSavePromptOnClose();

  // The dialog list: root, then each level's children indented by one blank per level.
  std::vector<std::wstring> TreeLines();
  // Double clicks the dialog's item until its design window is the active one.
  HWND OpenByDoubleClick(const std::wstring& name);
  HWND ActiveChild();
  int ChildCount();
  // Saves and waits until the script has changed and the temporary files are gone.
  std::string SaveScript(const std::wstring& name);

  morvidtest::ScratchFolder folder;
  ChildProcess program;
  HWND frame = nullptr;
  HWND tree = nullptr;
  HWND mdiClient = nullptr;

 private:
  HTREEITEM Next(HTREEITEM item, UINT how);
  std::wstring ItemText(HTREEITEM item);
  HTREEITEM DialogItem(const std::wstring& name);
  void DoubleClick(HTREEITEM item);
};
