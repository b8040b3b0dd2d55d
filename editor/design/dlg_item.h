#pragma once
// One control of a dialog template. The field layout follows the platform's
// DLGITEMTEMPLATE: a field that may hold a name or a number is a length, an
// ordinal flag, an ordinal and a string, so that a template is built by copying.

#include <cstdint>
#include <vector>

#include "editor/design/control_kind.h"
#include "editor/foundation/string_u.h"

// The flag word of a class or text given by number instead of by name.
constexpr std::uint16_t kOrdinalFlag = 0xFFFF;

// The identifier value that stands for -1 (IDC_STATIC and the like).
constexpr std::uint16_t kStaticId = 0xFFFF;

struct DlgItem {
  std::uint32_t style = 0;    // low word: class style, high word: WS_ bits
  std::uint32_t exStyle = 0;
  std::int16_t x = 0;         // dialog units, relative to the client area
  std::int16_t y = 0;
  std::int16_t cx = 0;
  std::int16_t cy = 0;
  std::uint16_t order = 0;    // 1-based position in the dialog; child identifier on the surface
  std::uint32_t classLength = 1;  // 16-bit units: 2 for an atom, else name length + 1
  std::uint16_t classOrdinalFlag = 0;
  std::uint16_t classAtom = 0;
  CStringU className;
  std::uint32_t textLength = 1;   // text length + 1; 2 for a text given by number
  std::uint16_t textOrdinalFlag = 0;
  std::uint16_t textOrdinal = 0;
  CStringU text;
  std::uint32_t extraLength = 1;  // 1 = no creation data
  std::vector<std::uint8_t> extra;
  ControlKind kind = ControlKind::StaticText;
  std::uint16_t id = 0;       // identifier value written to the script
};
