#pragma once

#include <windows.h>

// Registers a window class of this module unless it already is: the windows
// that use one are made again after the first has gone. 1 when it is there.
int RegisterClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC proc, UINT style, int extraBytes = 0,
                      HBRUSH background = nullptr);
