// Dialogs generated over every control kind and every style bit the
// formatters name are written, read back into another identifier table and
// written again: the model and the bytes must come back unchanged.
#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <string>
#include <vector>

#include "editor/foundation/error_u.h"
#include "editor/properties/identifier_table.h"
#include "editor/script/script_reader.h"
#include "editor/script/script_writer.h"
#include "editor/script/style_vocabulary.h"

namespace morvid {
namespace {

struct KindStyles {
  ControlKind kind;
  std::vector<std::uint32_t> types;
  std::uint32_t flags;  // low-word bits named for the kind
};

const KindStyles kKinds[] = {
    {ControlKind::StaticText, {0, 1, 2, 11, 12}, 0x3F80},
    {ControlKind::StaticPicture, {3, 4, 5, 6, 7, 8, 9, 14, 15, 16, 17, 18}, 0x3F80},
    {ControlKind::StaticOwnerDraw, {13}, 0x3F80},
    {ControlKind::PushButton, {0, 1, 11}, 0xFFE0},
    {ControlKind::RadioButton, {4, 9}, 0xFFE0},
    {ControlKind::CheckBox, {2, 3, 5, 6}, 0xFFE0},
    {ControlKind::GroupBox, {7}, 0xFFE0},
    {ControlKind::Edit, {0, 1, 2}, 0x3DFC},
    {ControlKind::ComboBox, {1, 2, 3}, 0x6FF0},
    {ControlKind::ListBox, {0}, 0xFFFF},
    {ControlKind::VScrollBar, {1}, 0xE},
    {ControlKind::HScrollBar, {0}, 0xE},
    {ControlKind::UpDown, {0}, 0x1FF},
    {ControlKind::Progress, {0}, 0x5},
    {ControlKind::Slider, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0x1F0},
    {ControlKind::HotKey, {0}, 0},
    {ControlKind::ListView, {0, 1, 2, 3}, 0xFFFC},
    {ControlKind::TreeView, {0}, 0x7FFF},
    {ControlKind::TabControl, {0}, 0xFFFF},
    {ControlKind::Custom, {0}, 0xFFFF},
};

constexpr std::uint32_t kControlWs = 0x1EF30000;  // the WS_ bits a control's names cover
constexpr std::uint32_t kShortWs = 0x08B30000;    // those the short statements accept
constexpr std::uint32_t kNamedExStyle = 0x777FD;
constexpr std::uint32_t kNamedDs = 0x3FDD;

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : random_(seed) {}
  std::uint32_t Next() { return static_cast<std::uint32_t>(random_()); }
  std::uint32_t Below(std::uint32_t n) { return Next() % n; }

  std::string Text() {
    static const char kChars[] = "aZ09 _\"\\\t\r\n,|{}\xC0\xE9\xFF";
    std::string text;
    std::uint32_t length = Below(4) == 0 ? 200 + Below(56) : Below(12);
    for (std::uint32_t i = 0; i < length; ++i) text += kChars[Below(sizeof kChars - 1)];
    return text;
  }

  // A dialog style all of whose bits the dialog formatters name: taken as
  // such when its names read back to it.
  std::uint32_t DialogStyle() {
    for (;;) {
      std::uint32_t style = (Next() & 0xFFFF0000u) | (Next() & kNamedDs);
      std::uint32_t back = 0;
      std::string names = DialogWindowStyleText(style) + "|" + DialogDsStyleText(style);
      std::size_t start = 0;
      while (start < names.size()) {
        std::size_t end = names.find('|', start);
        if (end == std::string::npos) end = names.size();
        std::uint32_t value = 0;
        if (StyleFromName(names.substr(start, end - start), value)) back |= value;
        start = end + 1;
      }
      if (back == style) return style;
    }
  }

 private:
  std::mt19937 random_;
};

std::unique_ptr<CDlgRes> MakeDialog(Generator& g, int number, IdentifierTable& ids) {
  auto dialog = std::make_unique<CDlgRes>();
  std::string name = "IDD_R" + std::to_string(number);
  dialog->name.Assign(name.c_str());
  dialog->x = static_cast<std::int16_t>(g.Below(400)) - 100;
  dialog->y = static_cast<std::int16_t>(g.Below(400));
  dialog->cx = static_cast<std::int16_t>(g.Below(1000));
  dialog->cy = static_cast<std::int16_t>(g.Below(1000));
  dialog->style = g.DialogStyle();
  dialog->exStyle = g.Next() & kNamedExStyle;
  dialog->caption.Assign(g.Text().c_str());
  dialog->captionLength = static_cast<std::uint32_t>(dialog->caption.Length() + 1);
  dialog->menuLength = 1;
  dialog->classLength = 1;
  if (g.Below(3) == 0) {
    dialog->menuOrdinalFlag = 0xFFFF;
    dialog->menuOrdinal = static_cast<std::uint16_t>(g.Next());
    dialog->menuLength = 2;
  } else if (g.Below(2) == 0) {
    dialog->menu.Assign("IDR_MENU");
    dialog->menuOrdinalFlag = 'I';
    dialog->menuLength = 9;
  }
  if (g.Below(3) == 0) {
    dialog->classOrdinalFlag = 0xFFFF;
    dialog->classAtom = static_cast<std::uint16_t>(g.Next());
    dialog->classLength = 2;
  } else if (g.Below(2) == 0) {
    dialog->className.Assign("My \"dialog\" class");
    dialog->classOrdinalFlag = 'M';
    dialog->classLength = static_cast<std::uint32_t>(dialog->className.Length() + 1);
  }
  dialog->pointSize = static_cast<std::uint16_t>(g.Below(72));
  dialog->fontName.Assign(g.Below(2) ? "MS Shell Dlg" : "Tahoma \\ \"bold\"");
  dialog->fontLength = static_cast<std::uint32_t>(dialog->fontName.Length() + 2);
  if (g.Below(2)) {
    dialog->languagePrimary = 1 + g.Below(100);
    dialog->languageSub = 1 + g.Below(30);
  }
  std::uint16_t nextValue = 1000;
  for (const KindStyles& kind : kKinds) {
    for (int copy = 0; copy < 3; ++copy) {
      DlgItem item;
      item.kind = kind.kind;
      std::uint32_t ws = copy == 0 ? (g.Next() & kControlWs) : (g.Next() & kShortWs);
      item.style = ws | kind.types[g.Below(static_cast<std::uint32_t>(kind.types.size()))] | (g.Next() & kind.flags);
      if (kind.kind == ControlKind::Custom) item.style = g.Next();
      item.exStyle = g.Below(2) ? 0 : g.Next() & kNamedExStyle;
      item.x = static_cast<std::int16_t>(g.Below(500));
      item.y = static_cast<std::int16_t>(g.Below(500)) - 20;
      item.cx = static_cast<std::int16_t>(g.Below(500));
      item.cy = static_cast<std::int16_t>(g.Below(500));
      if (kind.kind == ControlKind::StaticPicture && copy == 1) {
        item.textOrdinalFlag = 0xFFFF;
        item.textOrdinal = static_cast<std::uint16_t>(g.Next());
        item.textLength = 2;
      } else if (kind.kind < ControlKind::Edit || kind.kind > ControlKind::HScrollBar) {
        // EDITTEXT, COMBOBOX, LISTBOX and SCROLLBAR have no text field.
        item.text.Assign(g.Text().c_str());
        item.textLength = static_cast<std::uint32_t>(item.text.Length() + 1);
      }
      std::uint32_t atom = kind.kind <= ControlKind::StaticOwnerDraw ? 0x82
                           : kind.kind <= ControlKind::GroupBox    ? 0x80
                           : kind.kind == ControlKind::Edit        ? 0x81
                           : kind.kind == ControlKind::ComboBox    ? 0x85
                           : kind.kind == ControlKind::ListBox     ? 0x83
                           : kind.kind <= ControlKind::HScrollBar  ? 0x84
                                                                   : 0;
      if (atom) {
        item.classOrdinalFlag = 0xFFFF;
        item.classAtom = static_cast<std::uint16_t>(atom);
        item.classLength = 2;
      } else {
        std::string className(kind.kind == ControlKind::Custom ? "mygrid" : KindClassName(kind.kind));
        for (char& c : className) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        item.className.Assign(className.c_str());
        item.classLength = static_cast<std::uint32_t>(className.size() + 1);
      }
      switch (g.Below(4)) {
        case 0: item.id = 0xFFFF; break;
        case 1: {
          item.id = nextValue++;
          std::string idName = "IDC_" + std::to_string(item.id);
          ids.AddHeaderId(idName, item.id);
          ids.AddUse(item.id, idName, name);
          break;
        }
        default: {
          item.id = nextValue++;
          std::string idName = "ID" + std::to_string(item.id);
          ids.AddHeaderId(idName, item.id);
          ids.AddUse(item.id, idName, name);
          break;
        }
      }
      dialog->AppendCopy(item);
    }
  }
  dialog->count = static_cast<std::uint16_t>(dialog->controls.size());
  return dialog;
}

auto HeaderOf(const CDlgRes& d) {
  return std::make_tuple(d.name.Ansi(), d.x, d.y, d.cx, d.cy, d.style, d.exStyle, d.caption.Ansi(), d.captionLength,
                         d.menuOrdinalFlag, d.menuOrdinal, d.menu.Ansi(), d.menuLength, d.classOrdinalFlag,
                         d.classAtom, d.className.Ansi(), d.classLength, d.pointSize, d.fontName.Ansi(),
                         d.fontLength, d.languagePrimary, d.languageSub, d.count);
}

// A predefined class may come back as its name instead of its atom; the kind
// says the same.
auto ControlOf(const DlgItem& c) {
  return std::make_tuple(c.kind, c.style, c.exStyle, c.x, c.y, c.cx, c.cy, c.text.Ansi(), c.textLength,
                         c.textOrdinalFlag, c.textOrdinal, c.id, c.order, c.extraLength,
                         c.kind == ControlKind::Custom ? c.className.Ansi() : std::string());
}

void ExpectSameDialog(const CDlgRes& a, const CDlgRes& b) {
  EXPECT_EQ(HeaderOf(a), HeaderOf(b));
  ASSERT_EQ(a.count, b.count);
  for (std::uint32_t order = 1; order <= a.count; ++order) {
    EXPECT_EQ(ControlOf(*a.ControlAt(order)), ControlOf(*b.ControlAt(order))) << "control " << order;
  }
}

TEST(ScriptRoundTripTest, WriteReadWriteGivesTheSameModelAndBytes) {
  Generator g(20261207);
  IdentifierTable written;
  written.AddHeaderId("IDC_STATIC", 0xFFFF);
  std::vector<std::unique_ptr<CDlgRes>> dialogs;
  for (int d = 1; d <= 40; ++d) dialogs.push_back(MakeDialog(g, d, written));
  std::string first;
  for (const auto& dialog : dialogs) WriteDialog(first, *dialog, written);

  // The reader's table knows the names the header would define, not their uses.
  IdentifierTable read;
  read.AddHeaderId("IDC_STATIC", 0xFFFF);
  for (std::uint32_t value = 1000; value < 1200; ++value) {
    read.AddHeaderId("IDC_" + std::to_string(value), static_cast<std::uint16_t>(value));
    read.AddHeaderId("ID" + std::to_string(value), static_cast<std::uint16_t>(value));
  }
  CErrorU error;
  CScriptReader reader(read, error);
  ScriptCursor cursor(first);
  std::string second;
  for (const auto& dialog : dialogs) {
    std::string name, keyword;
    ASSERT_EQ(cursor.ReadWord(name), ScanResult::kFound);
    ASSERT_EQ(cursor.ReadWord(keyword), ScanResult::kFound);
    read.AllocateId(name);
    DialogStatement result;
    ASSERT_EQ(reader.ReadDialogStatement(cursor, keyword, name, result), 1) << error.message.Ansi();
    EXPECT_TRUE(result.skippedStatements.empty());
    ExpectSameDialog(*dialog, *result.dialog);
    WriteDialog(second, *result.dialog, read);
  }
  std::string rest;
  EXPECT_EQ(cursor.ReadWord(rest), ScanResult::kNone);
  EXPECT_EQ(first, second);
}

}  // namespace
}  // namespace morvid
