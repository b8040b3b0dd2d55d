// The glyphs of the tool buttons, drawn rather than loaded so that the
// library needs no resources.
#pragma once

#include <windows.h>
#include <commctrl.h>

enum class ToolGlyph { Open, Save, Exit, ZoomIn, ZoomOut, FindLeft, FindRight, Settings, Count };

// A 16 x 16 image list with one image per ToolGlyph, in that order. It lives
// until the process ends (toolbars do not own their image lists).
HIMAGELIST CreateToolGlyphs();
