#pragma once
// The test command: the dialog run modally from its test-run template, as the
// user's program would show it. The caller disables the frame's other
// top-level windows around it (ModalScope).

#include <windows.h>

class CDlgRes;

// The id the dialog ended with (2 when it was closed), or -1 when the window
// manager refused the template.
INT_PTR RunTestDialog(HWND owner, const CDlgRes& dialog);
