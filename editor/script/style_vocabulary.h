#pragma once
// Style names of resource scripts: name to value for the reader, and the
// numeric styles of dialogs and controls back to "|"-joined name lists for
// the writer. Reading knows every name; writing names only the flags that
// belong to the object and its control kind, in a fixed order, so bits that
// no formatter names are dropped on save.
//
// Formatted texts have no blanks and no leading or trailing "|"; they may be
// empty. They are never cut short, however many flags are set: a shortened
// list would silently drop styles from the saved script.

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/design/control_kind.h"

// Looks a name up (exactly, case-sensitively) in the style table; on a miss
// returns false and leaves value as it was. WS_EX_ names are not in it.
bool StyleFromName(std::string_view name, std::uint32_t& value);

// The same for the extended-style table, which holds only WS_EX_ names.
bool ExStyleFromName(std::string_view name, std::uint32_t& value);

// The WS_ names of a dialog's style.
std::string DialogWindowStyleText(std::uint32_t style);

// The DS_ names of a dialog's style (its low 16 bits).
std::string DialogDsStyleText(std::uint32_t style);

// The WS_EX_ names of a dialog's or a control's extended style.
std::string ExStyleText(std::uint32_t exStyle);

// The WS_ names of a control's style. WS_CHILD and the frame-window bits
// are never written.
std::string ControlWindowStyleText(std::uint32_t style);

// The class name a control of this kind is written with; empty for Custom
// (and for any value outside the kinds), whose own class is written instead.
std::string_view KindClassName(ControlKind kind);

struct ControlStyle {
  std::string text;            // WS_ names, then the names of the kind
  std::string_view className;  // KindClassName(kind)
};

// The whole style text of a control of the given kind and style.
ControlStyle ControlStyleText(ControlKind kind, std::uint32_t style);
