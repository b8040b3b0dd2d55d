// Undo through the editor-wide journal, the alignment commands of the dialog
// menu and the control clipboard.
#include "editor/app/win/doc_shell_hooks.h"

void DocShellHooks::Undo() {}

void DocShellHooks::ArrangeControls(int) {}

void DocShellHooks::CopyControls() {}
