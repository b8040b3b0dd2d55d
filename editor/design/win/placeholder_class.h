// The window class that stands in for a custom control class the system does
// not know, so that a dialog using it can still be shown on the surface.
#pragma once

#include "editor/foundation/string_u.h"

// Registers a plain class that paints nothing under `className` unless a
// class of that name is known already; 1 when the name can be used. Meant
// as the script reader's custom class hook.
int RegisterPlaceholderClass(const CStringU& className);
