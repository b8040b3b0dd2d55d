// The identifier view: "П&роект" / "&Идентификаторы".
#include "editor/app/win/doc_shell_hooks.h"
#include "editor/app/win/frame.h"
#include "editor/properties/win/identifier_view.h"

void DocShellHooks::ShowIdentifiers() {
  if (!frame) return;
  ModalScope modal(frame->Window());
  ShowIdentifierView(GetModuleHandleW(nullptr), frame->Window(), doc->ids);
}
