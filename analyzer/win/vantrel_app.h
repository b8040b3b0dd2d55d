// The program: start-up in the right order, the message loop, the end.
#pragma once

#include <windows.h>

int RunVantrel(HINSTANCE instance, int show);
