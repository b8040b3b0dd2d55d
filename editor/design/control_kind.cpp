#include "editor/design/control_kind.h"

namespace {

// Static controls by the type in the low 5 bits of the style; types 10 and
// 19 to 31 are not ones the editor knows how to show.
constexpr ControlKind kStaticKinds[32] = {
    ControlKind::StaticText,      ControlKind::StaticText,    ControlKind::StaticText,    // 0-2
    ControlKind::StaticPicture,   ControlKind::StaticPicture, ControlKind::StaticPicture, // 3-5
    ControlKind::StaticPicture,   ControlKind::StaticPicture, ControlKind::StaticPicture, // 6-8
    ControlKind::StaticPicture,   ControlKind::Custom,        ControlKind::StaticText,    // 9-11
    ControlKind::StaticText,      ControlKind::StaticOwnerDraw,                           // 12-13
    ControlKind::StaticPicture,   ControlKind::StaticPicture, ControlKind::StaticPicture, // 14-16
    ControlKind::StaticPicture,   ControlKind::StaticPicture,                             // 17-18
    ControlKind::Custom,          ControlKind::Custom,        ControlKind::Custom,        // 19-21
    ControlKind::Custom,          ControlKind::Custom,        ControlKind::Custom,        // 22-24
    ControlKind::Custom,          ControlKind::Custom,        ControlKind::Custom,        // 25-27
    ControlKind::Custom,          ControlKind::Custom,        ControlKind::Custom,        // 28-30
    ControlKind::Custom,                                                                  // 31
};

// Buttons by the type in the low 4 bits; user buttons (8) and the newer
// types (10, 12-15) are Custom.
constexpr ControlKind kButtonKinds[16] = {
    ControlKind::PushButton,  ControlKind::PushButton, ControlKind::CheckBox,    // 0-2
    ControlKind::CheckBox,    ControlKind::RadioButton, ControlKind::CheckBox,   // 3-5
    ControlKind::CheckBox,    ControlKind::GroupBox,   ControlKind::Custom,      // 6-8
    ControlKind::RadioButton, ControlKind::Custom,     ControlKind::PushButton,  // 9-11
    ControlKind::Custom,      ControlKind::Custom,     ControlKind::Custom,      // 12-14
    ControlKind::Custom,                                                         // 15
};

enum class ClassRule { Static, Button, ScrollBar, Fixed };

struct ClassEntry {
  std::string_view name;  // lower case
  ClassRule rule;
  ControlKind kind;  // for ClassRule::Fixed
};

constexpr ClassEntry kClasses[] = {
    {"static", ClassRule::Static, ControlKind::Custom},
    {"button", ClassRule::Button, ControlKind::Custom},
    {"edit", ClassRule::Fixed, ControlKind::Edit},
    {"combobox", ClassRule::Fixed, ControlKind::ComboBox},
    {"listbox", ClassRule::Fixed, ControlKind::ListBox},
    {"scrollbar", ClassRule::ScrollBar, ControlKind::Custom},
    {"msctls_updown32", ClassRule::Fixed, ControlKind::UpDown},
    {"msctls_progress32", ClassRule::Fixed, ControlKind::Progress},
    {"msctls_trackbar32", ClassRule::Fixed, ControlKind::Slider},
    {"msctls_hotkey32", ClassRule::Fixed, ControlKind::HotKey},
    {"syslistview32", ClassRule::Fixed, ControlKind::ListView},
    {"systreeview32", ClassRule::Fixed, ControlKind::TreeView},
    {"systabcontrol32", ClassRule::Fixed, ControlKind::TabControl},
};

ControlKind KindByRule(ClassRule rule, ControlKind fixedKind, std::uint32_t style) {
  switch (rule) {
    case ClassRule::Static:
      return kStaticKinds[style & 0x1F];
    case ClassRule::Button:
      return kButtonKinds[style & 0xF];
    case ClassRule::ScrollBar:
      return (style & 0x1) ? ControlKind::VScrollBar : ControlKind::HScrollBar;
    case ClassRule::Fixed:
      break;
  }
  return fixedKind;
}

template <typename Char>
bool EqualsLowerAscii(std::basic_string_view<Char> text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
    if (c != static_cast<unsigned char>(lower[i])) return false;
  }
  return true;
}

template <typename Char>
ControlKind KindFromName(std::basic_string_view<Char> className, std::uint32_t style) {
  for (const ClassEntry& entry : kClasses) {
    if (EqualsLowerAscii(className, entry.name)) return KindByRule(entry.rule, entry.kind, style);
  }
  return ControlKind::Custom;
}

}  // namespace

ControlKind ControlKindFromClassName(std::u16string_view className, std::uint32_t style) {
  return KindFromName(className, style);
}

ControlKind ControlKindFromClassName(std::string_view className, std::uint32_t style) {
  return KindFromName(className, style);
}

ControlKind ControlKindFromAtom(std::uint16_t atom, std::uint32_t style) {
  switch (atom) {
    case ClassAtom::Button: return KindByRule(ClassRule::Button, ControlKind::Custom, style);
    case ClassAtom::Edit: return ControlKind::Edit;
    case ClassAtom::Static: return KindByRule(ClassRule::Static, ControlKind::Custom, style);
    case ClassAtom::ListBox: return ControlKind::ListBox;
    case ClassAtom::ScrollBar: return KindByRule(ClassRule::ScrollBar, ControlKind::Custom, style);
    case ClassAtom::ComboBox: return ControlKind::ComboBox;
    default: return ControlKind::Custom;
  }
}
