// A window as it is on the screen. Another process's window cannot be asked
// to print itself into this process's device context, so this copies the
// screen where the window lies (caption included on a virtual desktop).
#pragma once

#include <windows.h>

#include "win_test_util.h"

wintest::Pixels ScreenPixels(HWND window);
