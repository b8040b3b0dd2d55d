#pragma once
// What the control palette places: the default record of each tool and the
// base of its controls' identifier names. Tool numbers are the palette commands
// minus 6000; 0 is the pointer and 2 places nothing.

#include "editor/design/dlg_item.h"

constexpr int kToolPointer = 0;
constexpr int kToolCount = 15;

// The record a tool places, with an empty rectangle and no identifier;
// 0 for the pointer and any number that is not a placing tool.
int ToolboxDefaults(int tool, DlgItem& item);

// The base of the names a tool's controls get ("IDC_BUTTON" for tool 3), or
// null for the tools that place controls with the static identifier.
// Returns 0 for the pointer and any number that is not a placing tool.
int ToolIdentifierBase(int tool, const char*& base);

// The tool that places controls of the kind, or 0 when the palette places none.
int ToolOfKind(ControlKind kind);
