#pragma once
// An editable resource of the script. Dialogs are the only kind there is;
// handlers that reach a resource through a design window check `type` first.

#include <cstdint>

#include "editor/design/surface_link.h"
#include "editor/design/undo.h"

constexpr std::int32_t kResourceDialog = 1;

class CBaseRes {
 public:
  CBaseRes() = default;
  CBaseRes(const CBaseRes&) = delete;
  CBaseRes& operator=(const CBaseRes&) = delete;
  virtual ~CBaseRes() = default;

  // Undoes the newest change on `undo`: 1 when something was popped (even a
  // record of a kind that is ignored), 0 when the stack was empty.
  virtual int Undo() = 0;

  WindowHandle window = nullptr;  // design window showing this resource, or null
  std::int32_t type = 0;
  std::int32_t active = 0;        // 1 while its design window is the active one
  CUndo undo{CUndo::kEditDepth};
};
