// The identifier header "Resource.h" beside the script: its #define names
// decide the script's conditional blocks on open, and it is generated anew
// from the identifier table on save.
#pragma once

#include <string>

#include "editor/foundation/error_u.h"
#include "editor/foundation/string_u.h"
#include "editor/properties/identifier_table.h"

class FileReplacer;

// Adds the name of every `#define NAME ...` line of the file to macroNames
// with the value 0; the value plays no part, so a #define without one counts.
// 0 when the file cannot be opened (the caller passes over it).
int CollectMacroNames(const CStringU& path, IdentifierTable& macroNames);

// The header's bytes: three fixed lines, the static name as -1, then every
// user identifier in table order, with CR LF line ends.
std::string ResourceHeaderText(const IdentifierTable& ids);

// Writes the header in one step, so a failure leaves the old one as it was.
// On failure the error text is "Ошибка при создании заголовочного файла",
// the header name and ".   ", and the result is 0.
int WriteHeader(const CStringU& headerPath, const IdentifierTable& ids, FileReplacer& replacer,
                CErrorU& error = AppError());
