// The identifier view ("П&роект" / "&Идентификаторы"): a modal window of
// template 1200 listing every identifier of the header and every one the
// editor created, with its value and the dialogs that use it, in the grid.
// It only reads the table.
#pragma once

#include <windows.h>

#include "editor/properties/identifier_table.h"

// Runs the view owned by `owner` until it is closed. The caller disables the
// other windows of the frame meanwhile.
void ShowIdentifierView(HINSTANCE instance, HWND owner, const IdentifierTable& table);

// Fills the grid with one row per header or created identifier, in the
// table's order.
void FillIdentifierGrid(const IdentifierTable& table);
