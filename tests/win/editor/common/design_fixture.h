// Morvid's frame, document and design windows made in this process, as the
// program's entry makes them, and what the tests read back from the design
// windows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/app/win/design_host.h"
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/dlg_res.h"
#include "editor/design/win/design_window.h"
#include "editor_test_util.h"

namespace morvidtest {

// The frame, 900 × 650 and shown, as the design windows' shell. Made once
// for a suite: top-level windows are slow to make and destroy under Wine
// without a window manager.
class TestFrame : public CFrame {
 public:
  // Without a document nothing can be placed on the design windows.
  explicit TestFrame(ShellHooks& hooks, CDoc* doc = nullptr);
  ~TestFrame() override;

 private:
  CFrameDesignHost host;
};

CDlgRes& DialogOf(HWND designWindow);
HWND SurfaceOf(HWND designWindow);
HWND ControlOf(HWND designWindow, int order);
DlgRect UnitsOf(HWND designWindow, int order);
// The screen point of a point of the surface dialog in its dialog units.
POINT ScreenAtUnits(HWND designWindow, int x, int y);
// The child identifiers of the surface's control windows, top of the Z-order first.
std::vector<int> ZOrderOf(HWND designWindow);
// Every control window where its record puts it; a combo box's window is
// only as high as its closed box.
void ExpectWindowsFollowTheModel(HWND designWindow);
// A record with a palette tool's defaults at a place and size.
DlgItem ToolControl(int tool, int x, int y, int cx, int cy);

// The program on a document, with a scratch folder of the suite as the
// current directory for the scripts it opens.
class DocumentSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

  static std::wstring PathOf(const std::wstring& name) { return *folder / name; }
  // The script "s.rc" and its header written into the folder and opened.
  static int OpenScript(const std::string& script, const std::string& header);
  // A script and its header copied from below tests/data and opened.
  static int OpenDataScript(const std::wstring& dataFolder, const std::wstring& name);
  // The dialog's design window, once it is the active one.
  static HWND Open(const std::wstring& dialog);
  static void Command(int cmd);
  // Selects by order, the first one primary (none: the dialog), as clicks
  // would, the properties window and menu states following.
  static void Select(HWND designWindow, const std::vector<int>& orders);
  // The document dropped unsaved for the next test.
  static void CloseDocument();
  static CDoc& Doc() { return hooks->Document(); }

  static DocShellHooks* hooks;
  static TestFrame* frame;
  static ScratchFolder* folder;
};

}  // namespace morvidtest
