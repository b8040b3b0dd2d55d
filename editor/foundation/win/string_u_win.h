// What CStringU needs of a device context.
#pragma once

#include <windows.h>

#include "editor/foundation/string_u.h"

// Width and height of the text, measured in pixels whatever the context's mapping mode.
SIZE TextExtent(const CStringU& text, HDC dc);
