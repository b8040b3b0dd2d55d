#pragma once
// Prints dialog models as script text that the reader reads back to the same
// model. Styles are written by name with the style formatters; identifiers by
// the names the identifier table gives them in the dialog.

#include <string>

#include "editor/design/dlg_res.h"

class IdentifierTable;

namespace morvid {

// Appends the whole DIALOGEX statement, opened by a bare LF and with CR LF
// after every line.
void WriteDialog(std::string& out, const CDlgRes& dialog, const IdentifierTable& ids);

// Appends one control statement line.
void WriteControl(std::string& out, const DlgItem& item, const std::string& dialogName,
                  const IdentifierTable& ids);

}  // namespace morvid
