// Replace-on-rename for the editor's saves on Windows.
#pragma once

#include "editor/app/safe_file.h"

// MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: the
// target is replaced in one step, and the call returns only once the move
// is on disk. Paths are in the ANSI code page, as the editor opens files.
class Win32FileReplacer : public FileReplacer {
 public:
  bool Replace(const std::string& from, const std::string& to) override;
};
