// The text fields of the property pages: captions shown in a single-line
// edit with their control characters as escape pairs, the dialog's
// position typed as a number, and the model's length fields that go with
// every text the pages store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CDlgRes;
struct DlgItem;

// Backslash, line feed, carriage return and tab as \\, \n, \r and \t.
std::u16string EscapeText(std::u16string_view text);
// The pairs back; a backslash before anything else (or at the end) stays.
std::u16string UnescapeText(std::u16string_view text);

// The leading decimal number of a typed position (blanks and a sign
// allowed before it), 0 when there is none, in 16 bits.
std::int16_t LeadingNumber(std::u16string_view text);

// Each stores the text with its length field; 0 when the text does not fit
// (more than 255 units), leaving the model as it was.
int SetControlText(DlgItem& item, std::u16string_view text);
int SetDialogCaption(CDlgRes& dialog, std::u16string_view caption);
int SetDialogFont(CDlgRes& dialog, std::u16string_view face, std::uint16_t pointSize);
