#pragma once
// Identifiers the editor makes up: for a control placed from the toolbox and
// for a new dialog.

#include <cstdint>
#include <string>

#include "editor/design/control_kind.h"

class IdentifierTable;

// Gives a control placed with `tool` in the named dialog its identifier and
// records the use in the table. Static texts and group boxes share the static
// identifier; the others take the first name of their base ("IDC_BUTTON1",
// "IDC_BUTTON2", ...) whose value this dialog does not use yet, so a name may
// be shared with other dialogs but never twice within one.
// Returns 1 with the value in `id`, or 0 when no identifier could be made.
int AllocateControlId(int tool, IdentifierTable& ids, const std::string& dialogName, std::uint16_t& id);

// The same for a control of the kind, as its palette tool would get it.
// Kinds the palette does not place name theirs after their class, picture
// and owner-drawn statics taking the static identifier as static texts do.
int AllocateIdForKind(ControlKind kind, IdentifierTable& ids, const std::string& dialogName,
                      std::uint16_t& id);

// "IDD_DLG" and the first n = 1, 2, ... whose name is not taken in the table.
std::string NewDialogName(const IdentifierTable& ids);
