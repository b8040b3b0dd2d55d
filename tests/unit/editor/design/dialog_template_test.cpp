#include "editor/design/dlg_res.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Little-endian bytes of the expected template, written field by field.
class Le {
 public:
  Le& Dword(std::uint32_t v) { return Word(v & 0xFFFF).Word(v >> 16); }
  Le& Word(std::uint32_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  Le& Text(const std::u16string& text) {
    for (char16_t c : text) Word(c);
    return Word(0);
  }
  Le& Zeros(std::size_t n) {
    bytes.insert(bytes.end(), n, 0);
    return *this;
  }
  std::vector<std::uint8_t> bytes;
};

// The header a new dialog would have, without its buttons.
void EmptyDialog(CDlgRes& dialog) {
  dialog.FillWithDefaults("IDD_T");
  dialog.controls.clear();
  dialog.count = 0;
  dialog.caption.Assign("");
  dialog.captionLength = 1;
}

DlgItem NumberedButton() {
  DlgItem item;
  item.style = 0x00010000;
  item.x = 1;
  item.y = 2;
  item.cx = 30;
  item.cy = 12;
  item.classOrdinalFlag = kOrdinalFlag;
  item.classAtom = ClassAtom::Button;
  item.classLength = 2;
  item.textOrdinalFlag = kOrdinalFlag;
  item.textOrdinal = 128;
  item.textLength = 2;
  item.id = 1000;
  return item;
}

TEST(DialogTemplate, EmptyDialogIsTheHeaderAlone) {
  CDlgRes dialog;
  EmptyDialog(dialog);
  dialog.x = 40;  // the template always places the dialog at 5, 5
  dialog.y = 50;
  Le expected;
  expected.Dword(0x50C80040)  // style 0x10C80000 for the surface: child, visible, set-font
      .Dword(0)               // extended style
      .Word(0)                // item count
      .Word(5).Word(5)        // x, y
      .Word(200).Word(120)    // cx, cy
      .Word(0)                // menu: none
      .Word(0)                // class: none
      .Word(0)                // title: empty
      .Word(8)                // point size
      .Text(u"MS Sans Serif")
      .Zeros(1);              // (15 + 1) * 2 + 23 = 55 bytes
  EXPECT_EQ(dialog.BuildTemplate(TemplateMode::DesignSurface).Bytes(), expected.bytes);
}

TEST(DialogTemplate, CaptionIsCopiedWithItsTerminator) {
  CDlgRes dialog;
  EmptyDialog(dialog);
  dialog.caption.Assign(u"Окно");
  dialog.captionLength = 5;
  const std::vector<std::uint8_t> bytes = dialog.BuildTemplate(TemplateMode::DesignSurface).Bytes();
  Le title;
  title.Text(u"Окно").Word(8);  // the point size follows the terminator
  ASSERT_EQ(bytes.size(), (15u + 5u) * 2 + 23);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 22, bytes.begin() + 34), title.bytes);
}

TEST(DialogTemplate, HeaderStyleMasksOfTheTwoModes) {
  CDlgRes dialog;
  EmptyDialog(dialog);
  // Every bit set shows which ones each mode drops.
  dialog.style = 0xFFFFFFFF;
  auto styleOf = [&](TemplateMode mode) {
    const std::vector<std::uint8_t> b = dialog.BuildTemplate(mode).Bytes();
    return static_cast<std::uint32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24);
  };
  EXPECT_EQ(styleOf(TemplateMode::DesignSurface), 0x77FFE7FFu);  // popup, disabled, centring gone
  EXPECT_EQ(styleOf(TemplateMode::TestRun), 0xB7FFFFFFu);        // child, disabled gone
  dialog.style = 0x10C80000;
  EXPECT_EQ(styleOf(TemplateMode::TestRun), 0x90C80040u);
}

TEST(DialogTemplate, ControlWithNumericText) {
  CDlgRes dialog;
  EmptyDialog(dialog);
  dialog.AppendCopy(NumberedButton());
  dialog.count = 1;
  Le expected;
  expected.Dword(0x50C80040).Dword(0)
      .Word(1)                       // item count
      .Word(5).Word(5).Word(200).Word(120)
      .Word(0).Word(0).Word(0)       // menu, class, title
      .Word(8).Text(u"MS Sans Serif")
      .Zeros(2)                      // the item starts on a 4-byte boundary
      .Dword(0x50010000)             // style with child and visible
      .Dword(0)                      // extended style
      .Word(1).Word(2).Word(30).Word(12)
      .Word(1)                       // identifier: the order, not the id 1000
      .Word(0xFFFF).Word(0x0080)     // class BUTTON by atom
      .Word(0xFFFF).Word(128)        // text by number
      .Word(0)                       // no creation data
      .Zeros(2);                     // 55 + (2 + 2 + 1) * 2 + 21 = 86 bytes
  EXPECT_EQ(dialog.BuildTemplate(TemplateMode::DesignSurface).Bytes(), expected.bytes);
}

TEST(DialogTemplate, NamedClassAndTextKeepItemsAligned) {
  CDlgRes dialog;
  EmptyDialog(dialog);
  DlgItem spin;
  spin.className.Assign("msctls_updown32");  // 15 units + terminator
  spin.classLength = 16;
  spin.text.Assign("ab");
  spin.textLength = 3;
  dialog.AppendCopy(spin);
  dialog.AppendCopy(NumberedButton());
  dialog.count = 2;
  const CDialogTemplate block = dialog.BuildTemplate(TemplateMode::TestRun);
  const std::vector<std::uint8_t> b = block.Bytes();
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.Data()) % 4, 0u);
  EXPECT_EQ(b.size(), 55u + (16 + 3 + 1) * 2 + 21 + (2 + 2 + 1) * 2 + 21);
  // First item at 56: class name at 56 + 18, text after it, creation data.
  Le first;
  first.Text(u"msctls_updown32").Text(u"ab").Word(0);
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 74, b.begin() + 74 + 40), first.bytes);
  // 114 is not a multiple of 4: the second item starts at 116 with order 2.
  EXPECT_EQ(b[114], 0);
  EXPECT_EQ(b[115], 0);
  EXPECT_EQ(b[116 + 16], 2);
  EXPECT_EQ(b[116 + 18], 0xFF);
}

// A text edited on a control whose text was a number leaves the two length
// fields disagreeing with what is written; the block must still hold it all.
TEST(DialogTemplate, LengthFieldsThatDisagreeDoNotOverrunTheBlock) {
  CDlgRes dialog;
  EmptyDialog(dialog);
  DlgItem item = NumberedButton();
  item.textLength = 1;
  item.classLength = 0;
  item.extraLength = 0;
  dialog.AppendCopy(item);
  DlgItem named;
  named.text.Assign("abc");
  named.textLength = 1;
  dialog.AppendCopy(named);
  dialog.count = 7;  // the header counts the items written
  Le expected;
  expected.Word(0xFFFF).Word(0x0080).Word(0xFFFF).Word(128).Word(0)  // first: class, text, creation data
      .Dword(0x50000000).Dword(0).Zeros(8).Word(2)                   // second at 84
      .Word(0).Text(u"abc").Word(0);
  const std::vector<std::uint8_t> b = dialog.BuildTemplate(TemplateMode::DesignSurface).Bytes();
  EXPECT_EQ(b[8], 2);
  ASSERT_GE(b.size(), 74u + expected.bytes.size());
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 74, b.begin() + 74 + expected.bytes.size()), expected.bytes);
}

}  // namespace
