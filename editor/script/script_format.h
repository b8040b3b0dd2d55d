#pragma once
// Byte-exact pieces of the script text the writer prints. The output is bytes
// with no line-end translation: "\r\n" is CR LF on every build.

#include <string>
#include <string_view>

namespace morvid {

inline constexpr const char* kLineEnd = "\r\n";

// printf-style append; the text is never cut.
void AppendFormat(std::string& out, const char* format, ...)
#if defined(__GNUC__) && !defined(__MINGW32__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// "%d,%d,%d,%d" without the cost of formatting: a control's rectangle.
void AppendRect(std::string& out, int x, int y, int cx, int cy);

// The text with \ LF CR tab and " written as \\ \n \r \t and "", whole.
void AppendEscaped(std::string& out, std::string_view text);

// "\"%s\"," with the text escaped: the text field of a control statement.
void QuoteText(std::string& out, std::string_view text);

}  // namespace morvid
