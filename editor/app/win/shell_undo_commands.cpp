// Undo through the editor-wide journal, the alignment commands of the dialog
// menu and the control clipboard.
#include <cstring>
#include <string>
#include <vector>

#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/design/alignment.h"
#include "editor/design/drag_geometry.h"
#include "editor/design/field_change.h"
#include "editor/design/win/design_window.h"
#include "editor/foundation/code_page.h"
#include "editor/resources/resource.h"
#include "editor/script/script_writer.h"

namespace {

// The selected controls, primary first, with their windows in the surface
// dialog's client pixels.
std::vector<ArrangedControl> SelectedControls(const CDlgRes& dialog, HWND surface) {
  std::vector<ArrangedControl> selected;
  selected.reserve(dialog.selection.Count());
  for (WindowHandle handle : dialog.selection.windows) {
    HWND window = static_cast<HWND>(handle);
    RECT rc;
    if (!GetWindowRect(window, &rc)) continue;
    MapWindowPoints(nullptr, surface, reinterpret_cast<POINT*>(&rc), 2);
    selected.push_back({static_cast<std::uint32_t>(GetDlgCtrlID(window)), {rc.left, rc.top, rc.right, rc.bottom}});
  }
  return selected;
}

// The text as CF_UNICODETEXT, replacing what the system clipboard held.
void PutOnSystemClipboard(HWND owner, const std::u16string& text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* data = block ? GlobalLock(block) : nullptr;
  if (data) {
    memcpy(data, text.c_str(), bytes);
    GlobalUnlock(block);
    // Once set, the block belongs to the clipboard.
    if (SetClipboardData(CF_UNICODETEXT, block)) block = nullptr;
  }
  if (block) GlobalFree(block);
  CloseClipboard();
}

}  // namespace

CDesignWindow* DocShellHooks::EditedDesignWindow() {
  CDesignWindow* design = frame ? CDesignWindow::FromWindow(frame->ActiveDesignWindow()) : nullptr;
  if (!design || design->Dialog().type != kResourceDialog || !design->Dialog().active ||
      !design->SurfaceDialog())
    return nullptr;
  return design;
}

// The newest entry goes to its own dialog, whether or not its window is the
// active one or open at all. A dialog whose name comes back is renamed in
// the dialog list and its window's title.
void DocShellHooks::Undo() {
  CDlgRes* target = doc->journal.NewestDialog();
  const std::wstring nameBefore = target ? target->name.W() : L"";
  CJournal::Result result;
  CDlgRes* undone = nullptr;
  {
    CSurfaceFreeze frozen(target ? CDesignWindow::FromWindow(static_cast<HWND>(target->window)) : nullptr);
    result = doc->journal.Undo(doc->ids, undone);
  }
  if (result != CJournal::Result::Undone) return;
  if (undone && frame && nameBefore != undone->name.W()) {
    frame->Panel().RenameDialogInTree(frame->LoadText(IDS_DIALOGS), nameBefore, undone->name.W());
    if (undone->window) SetWindowTextW(static_cast<HWND>(undone->window), undone->name.W());
  }
  RefreshProperties();
}

// Only for the design window whose dialog menu is in the menu bar: while the
// dialog list has the focus the menu is out and so are its commands.
void DocShellHooks::ArrangeControls(int cmd) {
  if (!frame || !HasDialogMenu(frame->Window())) return;
  CDesignWindow* design = CDesignWindow::FromWindow(frame->ActiveDesignWindow());
  if (!design || design->Dialog().type != kResourceDialog || !design->SurfaceDialog()) return;
  CDlgRes& dialog = design->Dialog();
  HWND surface = design->SurfaceDialog();
  RECT client;
  GetClientRect(surface, &client);
  const CWindowUnitMap map(surface);
  const CSurfaceGeometry geometry(map, dialog.cx, dialog.cy, client.right, client.bottom);
  const std::vector<ArrangedControl> selected = SelectedControls(dialog, surface);
  CSurfaceFreeze frozen(design);
  CEditStep step(dialog, &doc->journal);
  step.KeepControls(dialog.SelectedOrders());
  ::ArrangeControls(cmd, dialog, selected, geometry);
}

// The system clipboard gets the same controls as script lines, for a text
// editor; the editor's own paste reads only its control clipboard.
void DocShellHooks::CopyControls() {
  CDesignWindow* design = EditedDesignWindow();
  if (!design) return;
  const CDlgRes& dialog = design->Dialog();
  if (!clipboard.Copy(dialog, doc->ids)) return;
  std::string text;
  for (const DlgItem& item : clipboard.Records())
    morvid::WriteControl(text, item, dialog.name.Ansi(), doc->ids);
  PutOnSystemClipboard(frame->Window(), AnsiToUtf16(text));
}

void DocShellHooks::PasteControls() {
  CDesignWindow* design = EditedDesignWindow();
  if (!design || clipboard.Empty()) return;
  CDlgRes& dialog = design->Dialog();
  const CLiveGeometry live(design->SurfaceDialog(), dialog);
  {
    CSurfaceFreeze frozen(design);
    clipboard.Paste(dialog, doc->ids, live.geometry, doc->journal);
  }
  RefreshProperties();
}

bool DocShellHooks::CanCopy() {
  const CDesignWindow* design = EditedDesignWindow();
  return design && design->Dialog().selection.Count() > 0;
}

bool DocShellHooks::CanPaste() {
  return !clipboard.Empty() && EditedDesignWindow();
}
