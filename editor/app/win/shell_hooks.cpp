#include "editor/app/win/shell_hooks.h"

#include "editor/app/win/frame.h"
#include "editor/resources/resource.h"

int EmptyDocumentHooks::NewCommand() {
  if (!frame) return 0;
  return frame->Panel().ResetDialogTree(frame->LoadText(IDS_NEW_PROJECT));
}
