// "Добавить &диалог": a new dialog with the new-dialog defaults, appended to
// the document under the first free name IDD_DLG1, IDD_DLG2, ...
#pragma once

#include "editor/app/doc.h"

// Appends the dialog, numbers its name and its buttons' identifiers, and
// marks the document modified. The new dialog, or nullptr when it could not
// be filled.
CDlgRes* AddNewDialog(CDoc& doc);
