// The identifier combo box of the General pages: filled with every name of
// the document's table, committed when a name is chosen, when the field
// loses the focus and when the properties window closes. A refused name
// puts the old one back and tells the user through the frame.
#pragma once

#include <windows.h>

#include <string>

class CDlgRes;
class CPropertyHost;
class IdentifierTable;
struct DlgItem;

// Every name of the table (the box sorts them), `name` selected.
void FillIdCombo(int comboId, HWND page, const std::string& name, IdentifierTable& ids);
// 1 when committed or unchanged, 0 when refused.
int CommitIdentifier(HWND page, int comboId, const std::string& dialogName, DlgItem& control,
                     CPropertyHost& host);
int CommitDialogIdentifier(HWND page, int comboId, CDlgRes& dialog, CPropertyHost& host);
