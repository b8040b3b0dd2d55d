// The style fields of the property pages: which bits each check box and
// combo box of a page reads and writes, and what a change does to the other
// fields of the page. A page is described by a table of fields; the few
// fields that are more than a bit (the edit box's Multiline, the check box
// type pair, the dialog's frame and title bar) carry a rule the code spells out.
//
// A page holds no state of its own: its window passes the current field
// states in, gets the new style and field states back, and shows them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "editor/design/control_kind.h"

enum class FieldTarget : std::uint8_t { Style, ExStyle };

enum class FieldRule : std::uint8_t {
  Bits,        // check box: (bits & mask) == on when checked; combo: items
  CasePair,    // checking clears the partner's bits and unchecks it
  CaseYields,  // as CasePair, and left unchecked on fill when the partner's bit is set
  Multiline,   // edit box: enables its dependants, excludes Password
  CheckType,   // check box Auto / Tri-state: the two boxes give the type
  DialogType,  // Overlapped / Popup / Child
  TitleBar,
  FramePair,  // Border / Dlg Frame: as CasePair, fixed while there is a title bar
  SystemMenu,
  MinMaxBox,      // enabled only with a title bar and a system menu, not for a child
  MultilineOnly,  // edit box: enabled only while Multiline is checked
  SingleLineOnly,
};

// How a combo box finds its item from the style.
enum class ComboFill : std::uint8_t {
  Exact,     // the item whose bits equal style & mask, else `fallback`
  FirstSet,  // the first item of `order` whose bits are all set
};

struct ComboItem {
  const char16_t* text;
  std::uint32_t bits;
};

struct PageField {
  std::uint16_t id;
  bool combo;
  FieldTarget target;
  std::uint32_t mask;
  // Check boxes: the bits within `mask` when checked and when not.
  std::uint32_t on;
  std::uint32_t off;
  FieldRule rule;
  std::uint16_t partner;  // CasePair, CaseYields, FramePair, CheckType
  // Combo boxes.
  const ComboItem* items;
  std::uint8_t itemCount;
  ComboFill fill;
  std::int8_t fallback;      // Exact: the selection when no item matches (-1: none)
  const std::int8_t* order;  // FirstSet: the items in the order they are tried
};

struct PageTable {
  int templateId;
  const PageField* fields;
  std::size_t count;
};

// The style fields of a page template; count 0 for a page without any.
PageTable PageFields(int templateId);
const PageField* FindPageField(int templateId, int fieldId);
// The items of a combo box; the scroll bar page names its items by the
// bar's orientation.
const ComboItem* ComboItems(const PageField& field, ControlKind kind);

// What one field shows: a check box's state (0, 1) or a combo box's
// selection (-1 for none), and whether it is enabled.
struct FieldState {
  std::uint16_t id = 0;
  std::int32_t value = 0;
  bool enabled = true;
};

struct PageState {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::vector<FieldState> fields;  // in table order

  FieldState* Field(int id);
  const FieldState* Field(int id) const;
  int Value(int id) const;
  bool Enabled(int id) const;
};

// The fields of a freshly created page for the given styles.
PageState FillPage(int templateId, std::uint32_t style, std::uint32_t exStyle);
// The user set field `fieldId` to `value` (check state or selection): the
// styles and the other fields change as the field's rule says. 1 when the
// field belongs to the page and was applied.
int ApplyField(int templateId, PageState& state, int fieldId, int value);
