#include "editor/design/toolbox.h"

namespace {

struct Tool {
  ControlKind kind;
  std::uint16_t atom;       // 0: the class is given by name
  const char* className;
  std::uint32_t style;
  const char16_t* text;
  const char* idBase;       // null: the static identifier
};

// Indexed by tool number; entries of kind Custom place nothing.
constexpr Tool kTools[kToolCount] = {
    {ControlKind::Custom, 0, nullptr, 0, nullptr, nullptr},                                   // 0 pointer
    {ControlKind::StaticText, ClassAtom::Static, nullptr, 0x00020000, u"Static", nullptr},     // WS_GROUP
    {ControlKind::Custom, 0, nullptr, 0, nullptr, nullptr},                                   // 2 unused
    {ControlKind::PushButton, ClassAtom::Button, nullptr, 0x00010000, u"Button", "IDC_BUTTON"},
    {ControlKind::RadioButton, ClassAtom::Button, nullptr, 0x00010009, u"Radio", "IDC_RADIO"},   // auto radio
    {ControlKind::CheckBox, ClassAtom::Button, nullptr, 0x00010003, u"Check", "IDC_CHECK"},      // auto check
    {ControlKind::GroupBox, ClassAtom::Button, nullptr, 0x00000007, u"Group", nullptr},
    {ControlKind::Edit, ClassAtom::Edit, nullptr, 0x00810000, u"Text", "IDC_EDIT"},              // border, tab stop
    {ControlKind::ComboBox, ClassAtom::ComboBox, nullptr, 0x00010002, u"", "IDC_COMBO"},         // drop-down
    {ControlKind::ListBox, ClassAtom::ListBox, nullptr, 0x00800001, u"", "IDC_LIST"},            // border, notify
    {ControlKind::VScrollBar, ClassAtom::ScrollBar, nullptr, 0x00000001, u"", "IDC_SCROLLBAR"},
    {ControlKind::HScrollBar, ClassAtom::ScrollBar, nullptr, 0x00000000, u"", "IDC_SCROLLBAR"},
    {ControlKind::UpDown, 0, "msctls_updown32", 0x00000020, u"", "IDC_SPIN"},                 // arrow keys
    {ControlKind::Progress, 0, "msctls_progress32", 0x00000000, u"", "IDC_PROGRESS"},
    {ControlKind::Slider, 0, "msctls_trackbar32", 0x00000008, u"", "IDC_SLIDER"},             // ticks both sides
};

const Tool* PlacingTool(int tool) {
  if (tool < 0 || tool >= kToolCount || kTools[tool].text == nullptr) return nullptr;
  return &kTools[tool];
}

}  // namespace

int ToolboxDefaults(int tool, DlgItem& item) {
  const Tool* entry = PlacingTool(tool);
  if (entry == nullptr) return 0;
  item = DlgItem();
  item.kind = entry->kind;
  item.style = entry->style;
  if (entry->atom != 0) {
    item.classOrdinalFlag = kOrdinalFlag;
    item.classAtom = entry->atom;
    item.classLength = 2;
  } else {
    item.className.Assign(entry->className);
    item.classLength = static_cast<std::uint32_t>(item.className.Length() + 1);
  }
  item.text.Assign(entry->text);
  item.textLength = static_cast<std::uint32_t>(item.text.Length() + 1);
  return 1;
}

int ToolIdentifierBase(int tool, const char*& base) {
  const Tool* entry = PlacingTool(tool);
  if (entry == nullptr) return 0;
  base = entry->idBase;
  return 1;
}

int ToolOfKind(ControlKind kind) {
  for (int tool = 1; tool < kToolCount; ++tool)
    if (PlacingTool(tool) != nullptr && kTools[tool].kind == kind) return tool;
  return 0;
}
