#include "editor/script/script_writer.h"

#include "editor/properties/identifier_table.h"
#include "editor/script/script_format.h"
#include "editor/script/script_keywords.h"
#include "editor/script/style_vocabulary.h"

namespace morvid {

namespace {

constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr std::uint32_t kWsGroup = 0x00020000;
constexpr std::uint32_t kWsHScroll = 0x00100000;
constexpr std::uint32_t kWsVScroll = 0x00200000;
constexpr std::uint32_t kWsBorder = 0x00800000;
constexpr std::uint32_t kWsDisabled = 0x08000000;

bool HighOnly(std::uint32_t style, std::uint32_t allowed) { return (style & 0xFFFF0000u & ~allowed) == 0; }
bool Has(std::uint32_t style, std::uint32_t bits) { return (style & bits) == bits; }

void JoinName(std::string& field, bool set, const char* name) {
  if (!set) return;
  if (!field.empty()) field += '|';
  field += name;
}

struct ShortForm {
  const ControlStatementInfo* info = nullptr;
  std::string styleField;
};

const ControlStatementInfo* ByLowWord(std::uint32_t style, std::initializer_list<std::pair<int, ControlStatement>> types) {
  for (const auto& type : types) {
    if ((style & 0xFFFF) == static_cast<std::uint32_t>(type.first)) return &InfoOf(type.second);
  }
  return nullptr;
}

// The short statement a control can be written with, or none for CONTROL.
// Each condition is the complement of the reader's mask for the statement,
// so the statement reads back to the same style. Beyond the table of the
// format: a text given by number needs CONTROL, as do a combo box without a
// type and a list box without LBS_NOTIFY, which their statements would add.
ShortForm ChooseShortForm(const DlgItem& item) {
  ShortForm form;
  std::uint32_t style = item.style;
  bool numberText = item.textOrdinalFlag == kOrdinalFlag;
  const std::uint32_t buttonHigh = kWsDisabled | kWsGroup | kWsTabStop;
  switch (item.kind) {
    case ControlKind::StaticText:
      if (numberText || !Has(style, kWsGroup) || !HighOnly(style, kWsGroup | kWsTabStop)) break;
      form.info = ByLowWord(style, {{0, ControlStatement::kLText}, {1, ControlStatement::kCText},
                                    {2, ControlStatement::kRText}});
      JoinName(form.styleField, style & kWsTabStop, "WS_TABSTOP");
      break;
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      if (numberText || !Has(style, kWsTabStop) || !HighOnly(style, buttonHigh)) break;
      if (item.kind == ControlKind::PushButton) {
        form.info = ByLowWord(style, {{0, ControlStatement::kPushButton}, {1, ControlStatement::kDefPushButton}});
      } else if (item.kind == ControlKind::RadioButton) {
        form.info = ByLowWord(style, {{4, ControlStatement::kRadioButton}, {9, ControlStatement::kAutoRadioButton}});
      } else {
        form.info = ByLowWord(style, {{2, ControlStatement::kCheckBox}, {3, ControlStatement::kAutoCheckBox},
                                      {5, ControlStatement::kState3}, {6, ControlStatement::kAuto3State}});
      }
      JoinName(form.styleField, style & kWsDisabled, "WS_DISABLED");
      JoinName(form.styleField, style & kWsGroup, "WS_GROUP");
      break;
    case ControlKind::GroupBox:
      if (numberText || !HighOnly(style, kWsDisabled | kWsTabStop)) break;
      form.info = ByLowWord(style, {{7, ControlStatement::kGroupBox}});
      JoinName(form.styleField, style & kWsDisabled, "WS_DISABLED");
      JoinName(form.styleField, style & kWsTabStop, "WS_TABSTOP");
      break;
    case ControlKind::Edit:
      if (Has(style, kWsTabStop | kWsBorder) &&
          HighOnly(style, kWsDisabled | kWsBorder | kWsVScroll | kWsHScroll | kWsGroup | kWsTabStop)) {
        form.info = &InfoOf(ControlStatement::kEditText);
      }
      break;
    case ControlKind::ComboBox:
      if (Has(style, kWsTabStop) && (style & 0x3) != 0 &&
          HighOnly(style, kWsDisabled | kWsVScroll | kWsGroup | kWsTabStop)) {
        form.info = &InfoOf(ControlStatement::kComboBox);
      }
      break;
    case ControlKind::ListBox:
      if (Has(style, kWsBorder | 0x1) && HighOnly(style, kWsDisabled | kWsBorder | kWsVScroll | kWsGroup | kWsTabStop)) {
        form.info = &InfoOf(ControlStatement::kListBox);
      }
      break;
    case ControlKind::VScrollBar:
    case ControlKind::HScrollBar:
      if (HighOnly(style, kWsDisabled | kWsGroup | kWsTabStop)) form.info = &InfoOf(ControlStatement::kScrollBar);
      break;
    default:
      break;
  }
  if (form.info && !form.info->hasText) form.styleField = ControlStyleText(item.kind, style).text;
  return form;
}

std::string_view AtomClassName(std::uint16_t atom) {
  switch (atom) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return {};
  }
}

}  // namespace

// name DIALOGEX x,y,cx,cy
// [CAPTION "text"] [CLASS 0xatom | CLASS "name"] [MENU 0xnumber | MENU name]
// FONT size,"face" [LANGUAGE primary,sub] STYLE names [EXSTYLE names]
// BEGIN controls END
// Always DIALOGEX, also for a dialog read from DIALOG. Texts, the class and the
// face name are escaped as control texts are, and the style list is written
// whole, however long: both read back unchanged.
void WriteDialog(std::string& out, const CDlgRes& dialog, const IdentifierTable& ids) {
  const std::string name = dialog.name.Ansi();
  AppendFormat(out, "\n%s DIALOGEX %d,%d,%d,%d\r\n", name.c_str(), dialog.x, dialog.y, dialog.cx, dialog.cy);
  if (!dialog.caption.IsEmpty()) {
    out += "CAPTION \"";
    AppendEscaped(out, dialog.caption.Ansi());
    out += "\"\r\n";
  }
  if (dialog.classOrdinalFlag == kOrdinalFlag) {
    AppendFormat(out, "CLASS 0x%04x\r\n", dialog.classAtom);
  } else if (dialog.classOrdinalFlag != 0) {
    out += "CLASS \"";
    AppendEscaped(out, dialog.className.Ansi());
    out += "\"\r\n";
  }
  if (dialog.menuOrdinalFlag == kOrdinalFlag) {
    AppendFormat(out, "MENU 0x%04x\r\n", dialog.menuOrdinal);
  } else if (dialog.menuOrdinalFlag != 0) {
    out += "MENU " + dialog.menu.Ansi() + kLineEnd;
  }
  AppendFormat(out, "FONT %d,\"", dialog.pointSize);
  AppendEscaped(out, dialog.fontName.Ansi());
  out += "\"\r\n";
  if (dialog.languagePrimary != 0 && dialog.languageSub != 0) {
    AppendFormat(out, "LANGUAGE %u,%u\r\n", dialog.languagePrimary, dialog.languageSub);
  }
  std::string style = DialogWindowStyleText(dialog.style);
  std::string ds = DialogDsStyleText(dialog.style);
  if (!ds.empty()) style += "|" + ds;
  out += "STYLE " + style + kLineEnd;
  std::string exStyle = ExStyleText(dialog.exStyle);
  if (!exStyle.empty()) out += "EXSTYLE " + exStyle + kLineEnd;
  out += "BEGIN\r\n";
  for (const auto& item : dialog.controls) WriteControl(out, *item, name, ids);
  out += "END\r\n";
}

// "   " KEYWORD "text",id,x,y,cx,cy[,style][,exstyle]      (LTEXT ... GROUPBOX)
// "   " KEYWORD id,x,y,cx,cy[,style][,exstyle]             (EDITTEXT ... SCROLLBAR)
// "   CONTROL " "text"|number,id,"class",style,x,y,cx,cy[,exstyle]
// An extended style without a style field gets the placeholder 0x0. A custom
// control keeps its own class (as held, lower case) and its whole style as
// one number, since no formatter names its class's bits.
void WriteControl(std::string& out, const DlgItem& item, const std::string& dialogName,
                  const IdentifierTable& ids) {
  std::string id;
  if (!ids.NameOf(item.id, dialogName, id)) id.clear();
  std::string exStyle = ExStyleText(item.exStyle);
  ShortForm form = ChooseShortForm(item);
  if (form.info) {
    out += "   ";
    out += form.info->keyword;
    out += ' ';
    if (form.info->hasText) QuoteText(out, item.text.Ansi());
    out += id.c_str();  // as "%s" prints it
    out += ',';
    AppendRect(out, item.x, item.y, item.cx, item.cy);
    if (!form.styleField.empty()) {
      out += ',';
      out += form.styleField;
    }
    if (!exStyle.empty()) {
      out += form.styleField.empty() ? ",0x0," : ",";
      out += exStyle;
    }
    out += kLineEnd;
    return;
  }
  out += "   CONTROL ";
  if (item.textOrdinalFlag == kOrdinalFlag) {
    AppendFormat(out, "%d,", item.textOrdinal);
  } else {
    QuoteText(out, item.text.Ansi());
  }
  out += id;
  out += ',';
  if (item.kind == ControlKind::Custom) {
    std::string className(AtomClassName(item.classAtom));
    if (item.classOrdinalFlag != kOrdinalFlag || className.empty()) className = item.className.Ansi();
    out += '"';
    AppendEscaped(out, className);
    AppendFormat(out, "\",0x%08x,", item.style);
  } else {
    ControlStyle style = ControlStyleText(item.kind, item.style);
    out += '"';
    out += style.className;
    out += "\",";
    out += style.text.empty() ? std::string_view("0x0") : std::string_view(style.text);
    out += ',';
  }
  AppendRect(out, item.x, item.y, item.cx, item.cy);
  if (!exStyle.empty()) {
    out += ',';
    out += exStyle;
  }
  out += kLineEnd;
}

}  // namespace morvid
