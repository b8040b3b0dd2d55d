#include "editor/app/win/doc_shell_hooks.h"

#include <commdlg.h>

#include "editor/app/add_dialog.h"
#include "editor/app/win/frame.h"
#include "editor/design/win/design_window.h"
#include "editor/design/win/test_run.h"
#include "editor/resources/resource.h"
#include "editor/foundation/win/app_path_u.h"

namespace {

using FileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs bring a large set of libraries with them; they are
// loaded the first time a file is chosen, not at every start.
FileDialog LoadFileDialog(bool save) {
  static HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (!library) return nullptr;
  return reinterpret_cast<FileDialog>(
      reinterpret_cast<void*>(GetProcAddress(library, save ? "GetSaveFileNameW" : "GetOpenFileNameW")));
}

}  // namespace

DocShellHooks::DocShellHooks() : doc(std::make_unique<CDoc>(*this, replacer)) {}

DocShellHooks::~DocShellHooks() = default;

CStringU DocShellHooks::ProgramTitle() { return frame ? CStringU(frame->Title().c_str()) : CStringU(); }

CDocUi::Answer DocShellHooks::AskYesNoCancel(const CStringU& text) {
  if (!frame) return Answer::Cancel;
  switch (frame->ShowMessage(text.W(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void DocShellHooks::ShowWarning(const std::u16string& text) {
  if (frame) frame->ShowMessage(std::wstring(text.begin(), text.end()), MB_OK | MB_ICONWARNING);
}

bool DocShellHooks::AskPath(bool save, const CStringU& initialDir, CStringU& path) {
  wchar_t file[MAX_PATH] = {};
  if (save) lstrcpynW(file, path.W(), MAX_PATH);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = frame ? frame->Window() : nullptr;
  ofn.lpstrFilter = reinterpret_cast<const wchar_t*>(kScriptFileFilter);
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrInitialDir = initialDir.IsEmpty() ? nullptr : initialDir.W();
  ofn.lpstrDefExt = L"rc";
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const FileDialog dialog = LoadFileDialog(save);
  if (!dialog) return false;
  ModalScope modal(ofn.hwndOwner);
  if (!dialog(&ofn)) return false;
  path = CStringU(file);
  return true;
}

bool DocShellHooks::AskOpenPath(const CStringU& initialDir, CStringU& path) { return AskPath(false, initialDir, path); }

bool DocShellHooks::AskSavePath(const CStringU& initialDir, CStringU& path) { return AskPath(true, initialDir, path); }

CStringU DocShellHooks::GetWorkDir() { return AppPath().GetWorkDir(); }

void DocShellHooks::SetWorkDir(const CStringU& dir) { AppPath().SetWorkDir(dir.W()); }

void DocShellHooks::ResetDialogTree(const CStringU& root) {
  if (frame) frame->Panel().ResetDialogTree(root.W());
}

void DocShellHooks::FillDialogTree(const CStringU& root, const CStringU& folder) {
  if (!frame) return;
  std::vector<std::wstring> names;
  for (const auto& dialog : doc->dialogs) names.emplace_back(dialog->name.W());
  frame->Panel().FillDialogTree(root.W(), folder.W(), names);
}

void DocShellHooks::SetDialogTreeRoot(const CStringU& root) {
  if (frame) frame->Panel().SetRootText(root.W());
}

// An open dialog is only brought forward (and restored when minimised).
int DocShellHooks::OpenDesignWindow(const std::wstring& dialogName) {
  if (!frame) return 0;
  const int index = doc->FindDialog(CStringU(dialogName.c_str()));
  if (index < 0) return 0;
  CDlgRes& dialog = *doc->dialogs[static_cast<size_t>(index)];
  if (HWND existing = static_cast<HWND>(dialog.window)) {
    SendMessageW(frame->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(existing), 0);
    if (IsIconic(existing)) SendMessageW(frame->MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(existing), 0);
    SetFocus(existing);
    return 1;
  }
  return frame->CreateDesignWindow(dialogName, &dialog) ? 1 : 0;
}

void DocShellHooks::SetDesignActive(HWND designWindow, int active) { CDesignWindow::SetActive(designWindow, active); }

int DocShellHooks::AddDialog() {
  if (!frame) return 0;
  CDlgRes* dialog = AddNewDialog(*doc);
  if (!dialog) return 0;
  const std::wstring name = dialog->name.W();
  const bool opened = frame->CreateDesignWindow(name, dialog) != nullptr;
  // The dialog is in the document either way: the tree must offer it even
  // when its window could not be made.
  frame->Panel().AddDialogToTree(frame->LoadText(IDS_DIALOGS), name);
  return opened ? 1 : 0;
}

void DocShellHooks::SetTool(int tool) {
  for (const auto& dialog : doc->dialogs)
    if (dialog->window && dialog->type == kResourceDialog) dialog->tool = tool;
}

void DocShellHooks::TestDialog() {
  if (!frame) return;
  CDlgRes* dialog = CDesignWindow::DialogOf(frame->ActiveDesignWindow());
  if (!dialog || dialog->type != kResourceDialog) return;
  ModalScope modal(frame->Window());
  RunTestDialog(frame->Window(), *dialog);
}
