// Text conversions at the edges of the Win32 layer: the core speaks UTF-8
// (messages) and the ANSI code page (la.cfg), windows speak UTF-16.
#pragma once

#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::wstring WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const std::wstring& text);
std::wstring WindowText(void* hwnd);
