#pragma once
// The keywords of dialog statements, shared by the reader and the writer.
// Keywords are whole words compared exactly, case included.

#include <cstdint>
#include <string_view>

namespace morvid {

enum class HeaderKeyword {
  kNone,  // any other word: skipped by the header loop
  kCaption,
  kClass,
  kExStyle,
  kFont,
  kLanguage,
  kMenu,
  kStyle,
  kBegin,  // BEGIN or {
};

HeaderKeyword HeaderKeywordOf(std::string_view word);
inline bool IsDialogKeyword(std::string_view word) { return word == "DIALOG" || word == "DIALOGEX"; }
inline bool IsEndKeyword(std::string_view word) { return word == "END" || word == "}"; }

enum class ControlStatement {
  kControl,
  kLText,
  kRText,
  kCText,
  kCheckBox,
  kAutoCheckBox,
  kState3,
  kAuto3State,
  kGroupBox,
  kPushButton,
  kDefPushButton,
  kRadioButton,
  kAutoRadioButton,
  kEditText,
  kComboBox,
  kListBox,
  kScrollBar,
};

// A short statement implies its class and some style bits: the reader keeps
// only the bits under keepMask of the style written and adds impliedBits; the
// writer chooses a short statement only when that gives the same style back.
struct ControlStatementInfo {
  ControlStatement statement;
  const char* keyword;
  bool hasText;        // a quoted text comes first (CONTROL: text or number)
  std::uint16_t classAtom;  // 0 for CONTROL, whose class is written
  std::uint32_t keepMask;
  std::uint32_t impliedBits;
};

inline constexpr ControlStatementInfo kControlStatements[] = {
    {ControlStatement::kControl, "CONTROL", true, 0, 0xFFFFFFFF, 0},
    {ControlStatement::kLText, "LTEXT", true, 0x82, 0x00030000, 0x00020000},
    {ControlStatement::kRText, "RTEXT", true, 0x82, 0x00030002, 0x00020002},
    {ControlStatement::kCText, "CTEXT", true, 0x82, 0x00030001, 0x00020001},
    {ControlStatement::kCheckBox, "CHECKBOX", true, 0x80, 0x08030002, 0x00010002},
    {ControlStatement::kAutoCheckBox, "AUTOCHECKBOX", true, 0x80, 0x08030003, 0x00010003},
    {ControlStatement::kState3, "STATE3", true, 0x80, 0x08030005, 0x00010005},
    {ControlStatement::kAuto3State, "AUTO3STATE", true, 0x80, 0x08030006, 0x00010006},
    {ControlStatement::kGroupBox, "GROUPBOX", true, 0x80, 0x08010007, 0x00000007},
    {ControlStatement::kPushButton, "PUSHBUTTON", true, 0x80, 0x08030000, 0x00010000},
    {ControlStatement::kDefPushButton, "DEFPUSHBUTTON", true, 0x80, 0x08030001, 0x00010001},
    {ControlStatement::kRadioButton, "RADIOBUTTON", true, 0x80, 0x08030004, 0x00010004},
    {ControlStatement::kAutoRadioButton, "AUTORADIOBUTTON", true, 0x80, 0x08030009, 0x00010009},
    {ControlStatement::kEditText, "EDITTEXT", false, 0x81, 0x08B3FFFF, 0x00810000},
    // Plus CBS_SIMPLE unless the style read is a drop-down: see ImpliedStyle.
    {ControlStatement::kComboBox, "COMBOBOX", false, 0x85, 0x0823FFFF, 0x00010000},
    {ControlStatement::kListBox, "LISTBOX", false, 0x83, 0x08A3FFFF, 0x00800001},
    {ControlStatement::kScrollBar, "SCROLLBAR", false, 0x84, 0x0803FFFF, 0},
};

// The entry of a control keyword, or null for any other word.
const ControlStatementInfo* ControlStatementOf(std::string_view word);
const ControlStatementInfo& InfoOf(ControlStatement statement);

// The style a short statement stores for the style written in it.
std::uint32_t ImpliedStyle(const ControlStatementInfo& info, std::uint32_t written);

}  // namespace morvid
