// Writing a user's file without ever leaving it half written: the new
// content goes to a temporary file beside it, which then replaces it in one
// step.
#pragma once

#include <string_view>

#include "editor/foundation/string_u.h"

// Replaces the file `to` by the file `from` in one step. The Win32 layer
// provides one with write-through; the portable one renames.
class FileReplacer {
 public:
  virtual ~FileReplacer() = default;
  virtual bool Replace(const CStringU& from, const CStringU& to) = 0;
};

// std::rename: atomic over an existing file on POSIX systems. On Windows it
// refuses an existing target, which fails the save but loses nothing.
FileReplacer& PortableFileReplacer();

// The temporary file's name: beside the target, so the rename stays on one
// volume. Empty when the name would not fit.
CStringU SafeWriteTempPath(const CStringU& path);

// Writes the bytes to SafeWriteTempPath(path) and replaces `path` by it.
// Returns 1; on any failure 0, with `path` untouched and the temporary file
// removed.
int WriteFileSafely(const CStringU& path, std::string_view bytes, FileReplacer& replacer);
