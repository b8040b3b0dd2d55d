#pragma once
// Tokens of dialog statements above the plain cursor: quoted texts, commas,
// identifier names, coordinate lists and style expressions. Pure functions of
// the text; the reader adds the error context.

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/script/script_cursor.h"

namespace morvid {

// "text": white space skipped, then a double quote. The text runs to the next
// double quote; CR and LF inside are dropped; \\ \n \r \t are escapes and a
// backslash before any other character stays; "" is an embedded quote. An
// unterminated text ends at the end of the script. kNone leaves the cursor
// where it was; kTooLong when the resolved text exceeds kMaxTokenLength.
ScanResult ReadQuotedText(ScriptCursor& cursor, std::string& text);

// Blanks, tabs, CR and LF, one comma and the same white space after it.
// Without a comma the cursor stays where it was.
bool SkipComma(ScriptCursor& cursor);

// Blanks only skipped, then the longest run of characters other than blank and
// comma (an identifier as in "IDOK,").
ScanResult ReadIdentifierName(ScriptCursor& cursor, std::string& name);

// " %d , %d , %d , %d": x, y, cx, cy.
bool ReadCoordinates(ScriptCursor& cursor, std::int16_t& x, std::int16_t& y, std::int16_t& cx,
                     std::int16_t& cy);

enum class StyleExprResult {
  kOk,
  kUnknownName,  // name holds the name the table does not have
  kTooLong,      // name holds its first kMaxTokenLength characters
  kFailed,       // no separator after a name (end of script), or an empty
                 // extended-style expression
};

using StyleLookup = bool (*)(std::string_view name, std::uint32_t& value);

// A number alone, or names joined by '|' and white space:
//   style-expr := integer | name { '|' name }
// There is no NOT, no parentheses and no arithmetic: "0x80000000 | WS_CAPTION"
// is the number alone, with "| WS_CAPTION" left unread. After the last name the
// separators stay unread. `emptyIsError` makes a missing name fail (extended
// styles) instead of ending the expression.
StyleExprResult ScanStyleExpr(ScriptCursor& cursor, StyleLookup lookup, bool emptyIsError,
                              std::uint32_t& value, std::string& name);

}  // namespace morvid
