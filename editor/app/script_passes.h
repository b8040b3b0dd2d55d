// The line passes that carry a user's script through the editor: on open,
// comments and the conditional blocks that do not apply are taken out before
// the dialogs are read; on save, the printed dialogs are merged back into the
// user's own script. Every pass reads and writes text files (CR LF on disk).
// Results: 1 success, 0 failure (a file that cannot be opened, read or
// written).
#pragma once

#include <functional>
#include <string>

#include "editor/foundation/string_u.h"

class FileReplacer;

// Whether a name is defined by a #define line of the script or its header.
using MacroDefined = std::function<bool(const std::string& name)>;

// Copies the script without its /* */ and // comments, respecting
// double-quoted strings. A block comment joins the text before and after it
// on one line.
int StripComments(const CStringU& scriptPath, const CStringU& outPath);

// Copies the file without the blocks that do not apply:
//   #ifdef NAME   (NAME not defined)  ... #endif
//   #ifndef NAME  (NAME defined)      ... #endif
// Both ends are dropped with the block, and with it the conditionals nested
// in it; #else has no effect. Every other line, including the ends of a block
// that applies, stays.
int ResolveConditionals(const CStringU& inPath, const CStringU& outPath, const MacroDefined& defined);

// Writes the user's script without its old dialog statements, then a line
// "// Dialogs" and the printed dialogs. Lines of a conditional block that was
// skipped on open are kept verbatim; a line "// Dialogs" of an earlier save
// is dropped; runs of empty lines shrink to one.
int MergeDialogs(const CStringU& scriptPath, const CStringU& dialogsPath, const CStringU& outPath,
                 const MacroDefined& defined);

// Replaces the script by the merged file, with an include of the header put
// first unless the merged file includes it before its first dialog. The
// script is replaced in one step, so on failure it stays as it was.
int WriteScript(const CStringU& headerName, const CStringU& mergedPath, const CStringU& scriptPath,
                FileReplacer& replacer);
