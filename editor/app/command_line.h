// The script named on Morvid's command line.
#pragma once

#include <string>
#include <string_view>

// A line that starts with a double quote names everything up to the closing
// quote (or the end), so that a path with blanks survives, as Windows passes
// a file opened from the desktop; otherwise the first blank-separated token.
// Leading blanks are skipped; the result is empty when nothing is named.
std::u16string ScriptArgument(std::u16string_view commandLine);
