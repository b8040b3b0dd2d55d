// The shell's editing commands on the dialog of the active design window.
#include "editor/app/win/doc_shell_hooks.h"

void DocShellHooks::DeleteControls() {}
