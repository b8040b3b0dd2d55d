#include "editor/design/dialog_template.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "editor/design/dlg_res.h"

namespace {

constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kWsVisible = 0x10000000;

std::u16string_view Units(const CStringU& text) {
  return std::u16string_view(text.Text(), text.Length());
}

// Little-endian writer into the zero-filled block; the block is sized before
// writing, so running past it is a fault in the sizing below.
class CTemplateWriter {
 public:
  explicit CTemplateWriter(CDialogTemplate& block) : data_(block.Data()), size_(block.Size()) {}

  void Word(std::uint16_t value) {
    Put(static_cast<std::uint8_t>(value));
    Put(static_cast<std::uint8_t>(value >> 8));
  }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void Short(std::int16_t value) { Word(static_cast<std::uint16_t>(value)); }
  // The text and its terminator.
  void Text(std::u16string_view text) {
    for (char16_t unit : text) Word(unit);
    Word(0);
  }
  void Bytes(const std::vector<std::uint8_t>& bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Put(i < bytes.size() ? bytes[i] : 0);
  }
  void AlignDword() { pos_ = (pos_ + 3) & ~static_cast<std::size_t>(3); }

 private:
  void Put(std::uint8_t byte) {
    if (pos_ < size_) data_[pos_] = byte;
    ++pos_;
  }

  std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Lengths of the variable fields in 16-bit units, taken from what is written
// rather than from the length fields, so that a record whose length field
// disagrees with its string cannot make the builder write past the block.
std::uint32_t ClassUnits(const DlgItem& item) {
  return item.classOrdinalFlag == kOrdinalFlag ? 2 : static_cast<std::uint32_t>(item.className.Length() + 1);
}

std::uint32_t TextUnits(const DlgItem& item) {
  return item.textOrdinalFlag == kOrdinalFlag ? 2 : static_cast<std::uint32_t>(item.text.Length() + 1);
}

std::uint32_t ExtraUnits(const DlgItem& item) {
  return item.extraLength <= 1 ? 1 : std::min<std::uint32_t>(item.extraLength, 0xFFFF);
}

bool HasCaption(const CDlgRes& dialog) {
  return dialog.captionLength > 1 && dialog.caption.Length() > 0;
}

}  // namespace

// DLGTEMPLATE, as the window manager reads it:
//   style, exStyle (dwords); item count, x, y, cx, cy (words);
//   menu 0; class 0; title: text and terminator, or one zero word;
//   point size (word), face name and terminator (DS_SETFONT is always set);
// then per control, each on a 4-byte boundary, DLGITEMTEMPLATE:
//   style, exStyle (dwords); x, y, cx, cy, identifier (words);
//   class: 0xFFFF and atom, or name and terminator;
//   text: 0xFFFF and number, or text and terminator;
//   creation data: the word 0, or its length word and the data.
// The position is always 5, 5 and the menu and class of the model are not shown.
// The item identifier is `order`, not `id`, so that windows map to records.
// The block size is the sum the editor has always allocated: the header plus
// (font + caption) * 2 + 23 bytes and per control (class + text + extra) * 2
// + 21 bytes, which leaves room for the alignment padding.
CDialogTemplate CDlgRes::BuildTemplate(TemplateMode mode) const {
  const std::uint32_t captionUnits = HasCaption(*this) ? static_cast<std::uint32_t>(caption.Length() + 1) : 1;
  const std::uint32_t fontUnits = static_cast<std::uint32_t>(fontName.Length() + 2);
  // The item count must match the items written, whatever `count` says.
  const std::size_t items = std::min<std::size_t>(controls.size(), 0xFFFF);

  std::size_t size = (static_cast<std::size_t>(fontUnits) + captionUnits) * 2 + 23;
  for (std::size_t i = 0; i < items; ++i) {
    const DlgItem& item = *controls[i];
    size += (static_cast<std::size_t>(ClassUnits(item)) + TextUnits(item) + ExtraUnits(item)) * 2 + 21;
  }

  CDialogTemplate block(size);
  CTemplateWriter out(block);
  const std::uint32_t headerStyle = mode == TemplateMode::DesignSurface
                                        ? (style & kDesignStyleMask) | kDesignStyleAdd
                                        : (style & kTestStyleMask) | kTestStyleAdd;
  out.Dword(headerStyle);
  out.Dword(exStyle);
  out.Word(static_cast<std::uint16_t>(items));
  out.Short(5);
  out.Short(5);
  out.Short(cx);
  out.Short(cy);
  out.Word(0);  // menu
  out.Word(0);  // class
  out.Text(HasCaption(*this) ? Units(caption) : std::u16string_view());
  out.Word(pointSize);
  out.Text(Units(fontName));

  for (std::size_t i = 0; i < items; ++i) {
    const DlgItem& item = *controls[i];
    out.AlignDword();
    out.Dword(item.style | kWsChild | kWsVisible);
    out.Dword(item.exStyle);
    out.Short(item.x);
    out.Short(item.y);
    out.Short(item.cx);
    out.Short(item.cy);
    out.Word(item.order);
    if (item.classOrdinalFlag == kOrdinalFlag) {
      out.Word(kOrdinalFlag);
      out.Word(item.classAtom);
    } else {
      out.Text(Units(item.className));
    }
    if (item.textOrdinalFlag == kOrdinalFlag) {
      out.Word(kOrdinalFlag);
      out.Word(item.textOrdinal);
    } else {
      out.Text(Units(item.text));
    }
    const std::uint32_t extra = ExtraUnits(item);
    if (extra == 1) {
      out.Word(0);
    } else {
      out.Word(static_cast<std::uint16_t>(extra));
      out.Bytes(item.extra, static_cast<std::size_t>(extra) * 2 - 2);
    }
  }
  return block;
}
