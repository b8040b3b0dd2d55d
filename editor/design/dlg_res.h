#pragma once
// One dialog template of the script with its controls. The header fields
// mirror the platform's DLGTEMPLATE (see dlg_item.h for the name-or-number
// fields). All positions and sizes are in dialog units. Controls are
// addressed by `order`, 1-based; an order out of range fails with 0.

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/design/base_res.h"
#include "editor/design/dialog_template.h"
#include "editor/design/dlg_item.h"
#include "editor/design/field_change.h"
#include "editor/design/select_wnds.h"

class CDlgRes : public CBaseRes {
 public:
  CDlgRes();
  ~CDlgRes() override;

  // The defaults of a dialog made by the new-dialog command, with its Ok and
  // Cancel buttons. Returns 1.
  int FillWithDefaults(const char* dialogName);

  // Appends a full copy of the record with `order` set to the new length and
  // returns the copy. The caller keeps `count`.
  DlgItem* AppendCopy(const DlgItem& source);

  std::uint32_t ControlCount() const { return static_cast<std::uint32_t>(controls.size()); }
  DlgItem* ControlAt(std::uint32_t order) const;
  // The kind of the control; 0 (StaticText) when there is none at that order.
  ControlKind KindAt(std::uint32_t order) const;
  int RectDialogUnits(std::uint32_t order, DlgRect& rect) const;
  int SetRectDialogUnits(std::uint32_t order, const DlgRect& rect);
  int RectPixels(std::uint32_t order, const CDialogUnitMap& map, DlgRect& rect) const;
  // The furthest right and bottom edges of the controls, each at least 10.
  void ExtentOfControls(int& width, int& height) const;
  // The number of controls whose windows are selected; with a buffer, their
  // records are copied into it in order sequence (replacing its contents).
  std::uint32_t CopySelected(std::vector<DlgItem>* buffer) const;

  // The selection by order: the same operations on the control window with
  // that child identifier. 0 when there is no such control or window.
  int SelectOnlyAt(std::uint32_t order);
  int AddAsPrimaryAt(std::uint32_t order);
  int RemoveSelectedAt(std::uint32_t order);
  int IsSelectedAt(std::uint32_t order) const;
  // The orders of the selected controls, primary first.
  std::vector<std::uint32_t> SelectedOrders() const;
  // The identifier values of the selected controls, in order sequence.
  std::vector<std::uint16_t> SelectedIds() const;

  // Writes the rectangle into the record and moves and sizes its window to
  // match; 0 when there is no such control or the rectangle cannot be mapped.
  int MoveControl(std::uint32_t order, const DlgRect& rect, const CDialogUnitMap& map);

  // A control placed from the palette: appended, counted, its window made,
  // then the only selection, with a ControlAdded record. When the window
  // cannot be made the record stays and the result is 0.
  int PlaceNewControl(const DlgItem& item);
  // Removes the selected controls and their windows, keeping the records in
  // a ControlsDeleted record with their former orders; the dialog frame is
  // then the selected object. Returns how many were deleted.
  std::uint32_t DeleteSelectedControls();

  // Takes the record out of `controls`, destroying its window; the records
  // and windows behind it move up one place. Null when out of range.
  std::unique_ptr<DlgItem> RemoveControl(std::uint32_t order);
  // The last `n` records and their windows.
  void RemoveLastControls(std::uint32_t n);
  // Puts the record at `order` (1 to count + 1), moving the ones from there
  // one place down, and creates its window. Null when out of range.
  DlgItem* InsertControl(std::uint32_t order, std::unique_ptr<DlgItem> item);

  // Undo records of placing and deleting controls; the deleted records
  // carry their order from before the deletion.
  void PushControlAdded();
  void PushControlsDeleted(std::vector<DlgItem> removed);

  // Appends the records in their sequence with their windows; they become
  // the selection, the last one primary, and one ControlsPasted record
  // takes them all back. Returns how many were appended.
  std::uint32_t PasteControls(const std::vector<DlgItem>& items);

  CDialogTemplate BuildTemplate(TemplateMode mode) const;
  // In the test run a command's identifier is a control's order (Enter and
  // Esc arrive as 1 and 2): the dialog ends when that control's `id` is 1 or
  // 2, and then the result is 1 with that id in `endCode`.
  int TestRunEndCode(std::uint32_t commandId, int& endCode) const;

  int Undo() override;

  // The design surface brought up to date after a property page changed the
  // selected controls or the dialog itself; 0 without a design window.
  int RecreateSelectedControls() { return surface != nullptr ? surface->RecreateSelectedControls() : 0; }
  int RebuildSurface() { return surface != nullptr ? surface->RebuildSurface() : 0; }

  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint16_t count = 0;  // kept equal to the number of controls
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t cx = 0;
  std::int16_t cy = 0;
  std::uint32_t menuLength = 0;
  std::uint16_t menuOrdinalFlag = 0;  // 0xFFFF: by number; 0: none; else by name
  std::uint16_t menuOrdinal = 0;
  CStringU menu;
  std::uint32_t classLength = 0;
  std::uint16_t classOrdinalFlag = 0;
  std::uint16_t classAtom = 0;
  CStringU className;
  std::uint32_t captionLength = 0;  // 1 = empty caption
  CStringU caption;
  std::uint32_t fontLength = 0;     // face name length + 2
  std::uint16_t pointSize = 0;
  CStringU fontName;
  std::uint32_t languagePrimary = 0;
  std::uint32_t languageSub = 0;
  CStringU name;
  std::vector<std::unique_ptr<DlgItem>> controls;
  CSelectWnds selection{this};
  std::int32_t mode = 0;
  std::int32_t overlayDrawn = 0;
  std::int32_t dialogSelected = 1;
  std::int32_t sizingEdge = 0;
  std::int32_t tool = 0;

  // Set by the design window while it shows this dialog, with `window`.
  CSurfaceLink* surface = nullptr;

 private:
  void Renumber(std::uint32_t fromIndex);
  // Undo of a FieldsChanged record: the old values back, then the windows.
  void RestoreFields(const FieldsChanged& change);
  // The window of the control at `order`, or null.
  WindowHandle WindowAt(std::uint32_t order) const;
};
