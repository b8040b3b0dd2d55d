#include "editor/design/dlg_res.h"

#include "editor/design/drag_geometry.h"

#include <algorithm>
#include <utility>

namespace {

using DeletedRecords = std::vector<DlgItem>;

}  // namespace

CDlgRes::CDlgRes() {
  type = kResourceDialog;
}

CDlgRes::~CDlgRes() {
  if (surface != nullptr) surface->CloseDesignWindow();
  selection.Clear();
}

DlgItem* CDlgRes::AppendCopy(const DlgItem& source) {
  controls.push_back(std::make_unique<DlgItem>(source));
  DlgItem* copy = controls.back().get();
  copy->order = static_cast<std::uint16_t>(controls.size());
  return copy;
}

DlgItem* CDlgRes::ControlAt(std::uint32_t order) const {
  if (order < 1 || order > controls.size()) return nullptr;
  return controls[order - 1].get();
}

ControlKind CDlgRes::KindAt(std::uint32_t order) const {
  const DlgItem* item = ControlAt(order);
  return item != nullptr ? item->kind : ControlKind::StaticText;
}

int CDlgRes::RectDialogUnits(std::uint32_t order, DlgRect& rect) const {
  const DlgItem* item = ControlAt(order);
  if (item == nullptr) return 0;
  rect = {item->x, item->y, item->x + item->cx, item->y + item->cy};
  return 1;
}

int CDlgRes::SetRectDialogUnits(std::uint32_t order, const DlgRect& rect) {
  DlgItem* item = ControlAt(order);
  if (item == nullptr) return 0;
  item->x = static_cast<std::int16_t>(rect.left);
  item->y = static_cast<std::int16_t>(rect.top);
  item->cx = static_cast<std::int16_t>(rect.right - rect.left);
  item->cy = static_cast<std::int16_t>(rect.bottom - rect.top);
  return 1;
}

int CDlgRes::RectPixels(std::uint32_t order, const CDialogUnitMap& map, DlgRect& rect) const {
  DlgRect units;
  return RectDialogUnits(order, units) && UnitsToPixels(map, units, rect) ? 1 : 0;
}

void CDlgRes::ExtentOfControls(int& width, int& height) const {
  width = 10;
  height = 10;
  for (const auto& item : controls) {
    width = std::max(width, item->x + item->cx);
    height = std::max(height, item->y + item->cy);
  }
}

std::uint32_t CDlgRes::CopySelected(std::vector<DlgItem>* buffer) const {
  if (buffer != nullptr) buffer->clear();
  if (surface == nullptr) return 0;
  std::uint32_t selected = 0;
  for (const auto& item : controls) {
    WindowHandle window = surface->ControlWindow(item->order);
    if (window == nullptr || !selection.IsSelected(window)) continue;
    ++selected;
    if (buffer != nullptr) buffer->push_back(*item);
  }
  return selected;
}

WindowHandle CDlgRes::WindowAt(std::uint32_t order) const {
  if (surface == nullptr || ControlAt(order) == nullptr) return nullptr;
  return surface->ControlWindow(static_cast<std::uint16_t>(order));
}

int CDlgRes::SelectOnlyAt(std::uint32_t order) {
  WindowHandle window = WindowAt(order);
  if (window == nullptr) return 0;
  selection.SelectOnly(window);
  return 1;
}

int CDlgRes::AddAsPrimaryAt(std::uint32_t order) {
  WindowHandle window = WindowAt(order);
  if (window == nullptr) return 0;
  selection.AddAsPrimary(window);
  return 1;
}

int CDlgRes::RemoveSelectedAt(std::uint32_t order) {
  WindowHandle window = WindowAt(order);
  return window != nullptr ? selection.Remove(window) : 0;
}

int CDlgRes::IsSelectedAt(std::uint32_t order) const {
  WindowHandle window = WindowAt(order);
  return window != nullptr ? selection.IsSelected(window) : 0;
}

std::vector<std::uint32_t> CDlgRes::SelectedOrders() const {
  std::vector<std::uint32_t> orders;
  if (surface == nullptr) return orders;
  for (WindowHandle window : selection.windows) {
    const std::uint16_t order = surface->OrderOf(window);
    if (ControlAt(order) != nullptr) orders.push_back(order);
  }
  return orders;
}

std::vector<std::uint16_t> CDlgRes::SelectedIds() const {
  std::vector<std::uint16_t> ids;
  std::vector<std::uint32_t> orders = SelectedOrders();
  std::sort(orders.begin(), orders.end());
  for (std::uint32_t order : orders) ids.push_back(ControlAt(order)->id);
  return ids;
}

int CDlgRes::MoveControl(std::uint32_t order, const DlgRect& rect, const CDialogUnitMap& map) {
  DlgRect pixels;
  if (ControlAt(order) == nullptr || !UnitsToPixels(map, rect, pixels)) return 0;
  SetRectDialogUnits(order, rect);
  if (WindowHandle window = WindowAt(order)) surface->MoveControlWindow(window, pixels);
  return 1;
}

int CDlgRes::PlaceNewControl(const DlgItem& item) {
  DlgItem* placed = AppendCopy(item);
  count = static_cast<std::uint16_t>(controls.size());
  WindowHandle window = surface != nullptr ? surface->CreateControlWindow(*placed) : nullptr;
  if (window == nullptr) return 0;
  dialogSelected = 0;
  selection.SelectOnly(window);
  PushControlAdded();
  return 1;
}

// One pass: a selected control leaves with its window; one that stays takes
// the next free place, its window renumbered upwards so that no two windows
// answer to one identifier.
std::uint32_t CDlgRes::DeleteSelectedControls() {
  if (surface == nullptr || selection.Count() == 0) return 0;
  std::vector<WindowHandle> windows;
  surface->ControlWindows(count, windows);
  windows.resize(controls.size());
  std::vector<DlgItem> removed;
  std::vector<std::unique_ptr<DlgItem>> kept;
  kept.reserve(controls.size());
  for (auto& item : controls) {
    const std::uint16_t former = item->order;
    WindowHandle window = windows[former - 1];
    if (window != nullptr && selection.Remove(window)) {
      surface->DestroyControlWindow(window);
      removed.push_back(std::move(*item));
      removed.back().order = former;
      continue;
    }
    kept.push_back(std::move(item));
    const auto now = static_cast<std::uint16_t>(kept.size());
    if (now != former) surface->RenumberControlWindow(former, now);
  }
  controls.swap(kept);
  Renumber(0);
  count = static_cast<std::uint16_t>(controls.size());
  if (removed.empty()) return 0;
  const auto deleted = static_cast<std::uint32_t>(removed.size());
  PushControlsDeleted(std::move(removed));
  dialogSelected = 1;
  surface->Repaint();
  return deleted;
}

void CDlgRes::Renumber(std::uint32_t fromIndex) {
  for (std::uint32_t i = fromIndex; i < controls.size(); ++i) controls[i]->order = static_cast<std::uint16_t>(i + 1);
}

std::unique_ptr<DlgItem> CDlgRes::RemoveControl(std::uint32_t order) {
  if (order < 1 || order > controls.size()) return nullptr;
  if (surface != nullptr) {
    WindowHandle window = surface->ControlWindow(static_cast<std::uint16_t>(order));
    if (window != nullptr) {
      selection.Remove(window);
      surface->DestroyControlWindow(window);
    }
  }
  std::unique_ptr<DlgItem> removed = std::move(controls[order - 1]);
  controls.erase(controls.begin() + (order - 1));
  // Windows are renumbered upwards, so no two answer to the same identifier.
  if (surface != nullptr) {
    for (std::uint32_t k = order; k <= controls.size(); ++k) {
      surface->RenumberControlWindow(static_cast<std::uint16_t>(k + 1), static_cast<std::uint16_t>(k));
    }
  }
  Renumber(order - 1);
  count = static_cast<std::uint16_t>(controls.size());
  return removed;
}

// The windows are listed once: asking for each by its identifier lists them every time.
void CDlgRes::RemoveLastControls(std::uint32_t n) {
  n = std::min(n, ControlCount());
  std::vector<WindowHandle> windows;
  if (surface != nullptr) surface->ControlWindows(static_cast<std::uint16_t>(controls.size()), windows);
  for (std::uint32_t k = 0; k < n; ++k) {
    WindowHandle window = controls.size() <= windows.size() ? windows[controls.size() - 1] : nullptr;
    if (window != nullptr) {
      selection.Remove(window);
      surface->DestroyControlWindow(window);
    }
    controls.pop_back();
  }
  count = static_cast<std::uint16_t>(controls.size());
}

DlgItem* CDlgRes::InsertControl(std::uint32_t order, std::unique_ptr<DlgItem> item) {
  if (item == nullptr || order < 1 || order > controls.size() + 1) return nullptr;
  // From the last backwards, so no two windows answer to the same identifier.
  if (surface != nullptr) {
    for (std::uint32_t k = static_cast<std::uint32_t>(controls.size()); k >= order; --k) {
      surface->RenumberControlWindow(static_cast<std::uint16_t>(k), static_cast<std::uint16_t>(k + 1));
    }
  }
  DlgItem* inserted = item.get();
  controls.insert(controls.begin() + (order - 1), std::move(item));
  Renumber(order - 1);
  count = static_cast<std::uint16_t>(controls.size());
  if (surface != nullptr) surface->CreateControlWindow(*inserted);
  return inserted;
}

int CDlgRes::TestRunEndCode(std::uint32_t commandId, int& endCode) const {
  const DlgItem* item = ControlAt(commandId);
  if (item == nullptr || (item->id != 1 && item->id != 2)) return 0;
  endCode = item->id;
  return 1;
}

void CDlgRes::PushControlAdded() {
  UndoRecord record;
  record.kind = UndoRecord::kControlAdded;
  undo.Push(record);
}

void CDlgRes::PushControlsDeleted(std::vector<DlgItem> removed) {
  UndoRecord record;
  record.kind = UndoRecord::kControlsDeleted;
  record.count = static_cast<std::int32_t>(removed.size());
  record.data = std::make_shared<DeletedRecords>(std::move(removed));
  undo.Push(record);
}

int CDlgRes::Undo() {
  UndoRecord record;
  if (!undo.Pop(record)) return 0;
  if (record.kind == UndoRecord::kControlAdded) {
    selection.Clear();
    if (!controls.empty()) RemoveControl(ControlCount());
    dialogSelected = 1;
  } else if (record.kind == UndoRecord::kControlsPasted) {
    selection.Clear();
    RemoveLastControls(static_cast<std::uint32_t>(std::max(record.count, 0)));
    dialogSelected = 1;
  } else if (record.kind == UndoRecord::kFieldsChanged) {
    if (const auto* change = static_cast<const FieldsChanged*>(record.data.get())) RestoreFields(*change);
  } else if (record.kind == UndoRecord::kControlsDeleted) {
    const auto removed = std::static_pointer_cast<DeletedRecords>(record.data);
    selection.Clear();
    dialogSelected = 0;
    if (removed != nullptr) {
      for (const DlgItem& kept : *removed) {
        // A former place beyond the end (the stacks of several dialogs share
        // one journal) puts the control last rather than losing it.
        const std::uint32_t order = std::min<std::uint32_t>(std::max<std::uint32_t>(kept.order, 1), ControlCount() + 1);
        InsertControl(order, std::make_unique<DlgItem>(kept));
        WindowHandle window = surface != nullptr ? surface->ControlWindow(static_cast<std::uint16_t>(order)) : nullptr;
        if (window != nullptr) selection.AddAsPrimary(window);
      }
    }
  }
  if (surface != nullptr) surface->Repaint();
  return 1;
}

std::uint32_t CDlgRes::PasteControls(const std::vector<DlgItem>& items) {
  if (items.empty()) return 0;
  selection.Clear();
  for (const DlgItem& item : items) {
    DlgItem* pasted = AppendCopy(item);
    WindowHandle window = surface != nullptr ? surface->CreateControlWindow(*pasted) : nullptr;
    if (window != nullptr) selection.AddAsPrimary(window);
  }
  count = static_cast<std::uint16_t>(controls.size());
  dialogSelected = 0;
  UndoRecord record;
  record.kind = UndoRecord::kControlsPasted;
  record.count = static_cast<std::int32_t>(items.size());
  undo.Push(record);
  if (surface != nullptr) surface->Repaint();
  return static_cast<std::uint32_t>(items.size());
}

// A change of the dialog's own fields rebuilds the whole surface, which
// makes every control window again; otherwise only the changed controls'
// windows follow, and those controls become the selection as they were
// when the gesture began, its primary first.
void CDlgRes::RestoreFields(const FieldsChanged& change) {
  if (change.hasDialog) WriteFields(*this, change.dialog);
  for (const DlgItem& old : change.controls) {
    DlgItem* item = ControlAt(old.order);
    if (item == nullptr) continue;
    const bool remake = !SameExceptRect(*item, old);
    *item = old;
    if (surface != nullptr && !change.hasDialog) surface->UpdateControlWindow(*item, remake);
  }
  if (change.hasDialog) {
    if (surface != nullptr) surface->RebuildSurface();
    selection.Clear();
    dialogSelected = 1;
    return;
  }
  if (change.kept.empty()) return;
  selection.Clear();
  dialogSelected = 0;
  for (auto it = change.kept.rbegin(); it != change.kept.rend(); ++it) AddAsPrimaryAt(*it);
}

int CDlgRes::FillWithDefaults(const char* dialogName) {
  style = 0x10C80000;  // WS_VISIBLE | WS_CAPTION | WS_SYSMENU
  exStyle = 0;
  x = 5;
  y = 5;
  cx = 200;
  cy = 120;
  menuLength = 1;
  menuOrdinalFlag = 0;
  menuOrdinal = 0;
  menu.Assign("");
  classLength = 1;
  classOrdinalFlag = 0;
  classAtom = 0;
  className.Assign("");
  caption.Assign(u"Новый диалог");
  captionLength = static_cast<std::uint32_t>(caption.Length() + 1);
  fontName.Assign("MS Sans Serif");
  pointSize = 8;
  fontLength = static_cast<std::uint32_t>(fontName.Length() + 2);
  languagePrimary = 0;
  languageSub = 0;
  name.Assign(dialogName);

  struct DefaultButton {
    const char16_t* text;
    std::int16_t y;
    std::uint16_t id;
  };
  for (const DefaultButton& button : {DefaultButton{u"Ok", 10, 1}, DefaultButton{u"Cancel", 30, 2}}) {
    DlgItem item;
    item.kind = ControlKind::PushButton;
    item.style = 0x00010000;  // WS_TABSTOP, push button
    item.classOrdinalFlag = kOrdinalFlag;
    item.classAtom = ClassAtom::Button;
    item.classLength = 2;
    item.text.Assign(button.text);
    item.textLength = static_cast<std::uint32_t>(item.text.Length() + 1);
    item.x = 150;
    item.y = button.y;
    item.cx = 40;
    item.cy = 15;
    item.id = button.id;
    AppendCopy(item);
  }
  count = static_cast<std::uint16_t>(controls.size());
  return 1;
}
