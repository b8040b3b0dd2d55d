#pragma once
// The kind of a dialog control: it chooses the control's script statement,
// its style formatter, the class name it is written with and its property
// pages. The numbers are stored in the model, so they never change.

#include <cstdint>
#include <string_view>

enum class ControlKind : std::uint32_t {
  StaticText = 0,
  StaticPicture = 1,
  StaticOwnerDraw = 2,
  PushButton = 3,
  RadioButton = 4,
  CheckBox = 5,
  GroupBox = 6,
  Edit = 7,
  ComboBox = 8,
  ListBox = 9,
  VScrollBar = 10,
  HScrollBar = 11,
  UpDown = 12,
  Progress = 13,
  Slider = 14,
  HotKey = 15,
  ListView = 16,
  TreeView = 17,
  TabControl = 18,
  Custom = 19,
};

constexpr std::uint32_t kControlKindCount = 20;

// Atoms of the predefined control classes, as a dialog template names them.
namespace ClassAtom {
constexpr std::uint16_t Button = 0x0080;
constexpr std::uint16_t Edit = 0x0081;
constexpr std::uint16_t Static = 0x0082;
constexpr std::uint16_t ListBox = 0x0083;
constexpr std::uint16_t ScrollBar = 0x0084;
constexpr std::uint16_t ComboBox = 0x0085;
}  // namespace ClassAtom

// The kind of a control of the given class and style. Class names match
// without regard to ASCII case (the script reader stores them in lower case);
// a predefined class given by atom counts as its name. Any class or style
// that no other kind accepts is Custom.
ControlKind ControlKindFromClassName(std::u16string_view className, std::uint32_t style);
ControlKind ControlKindFromClassName(std::string_view className, std::uint32_t style);
ControlKind ControlKindFromAtom(std::uint16_t atom, std::uint32_t style);
