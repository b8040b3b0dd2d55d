// The identifier view: "П&роект" / "&Идентификаторы".
#include "editor/app/win/doc_shell_hooks.h"

void DocShellHooks::ShowIdentifiers() {}
