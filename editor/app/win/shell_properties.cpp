// The shell's side of the properties window: opened on a double click on
// the surface, refreshed whenever the selection or the focus changes.
#include "editor/app/win/doc_shell_hooks.h"

void DocShellHooks::ShowProperties() {}

void DocShellHooks::RefreshProperties() {}

HWND DocShellHooks::PropertiesWindow() { return nullptr; }
