// Replace-on-rename for the editor's saves on Windows.
#pragma once

#include "editor/app/safe_file.h"

// MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: the
// target is replaced in one step, and the call returns only once the move
// is on disk; the new file is flushed first.
class Win32FileReplacer : public FileReplacer {
 public:
  bool Replace(const CStringU& from, const CStringU& to) override;
};
