// Vantrel.exe entry.
#include <windows.h>

#include "analyzer/win/vantrel_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) { return RunVantrel(instance, show); }
