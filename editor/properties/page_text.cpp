#include "editor/properties/page_text.h"

#include "editor/design/dlg_res.h"

namespace {

bool Fits(std::u16string_view text) {
  return text.size() <= static_cast<size_t>(CStringU::kCapacity);
}

void Replace(std::u16string& text, char16_t from, const char16_t* to) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == from)
      out += to;
    else
      out += c;
  }
  text.swap(out);
}

}  // namespace

std::u16string EscapeText(std::u16string_view text) {
  std::u16string out(text);
  Replace(out, u'\\', u"\\\\");
  Replace(out, u'\n', u"\\n");
  Replace(out, u'\r', u"\\r");
  Replace(out, u'\t', u"\\t");
  return out;
}

std::u16string UnescapeText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
    if (c == u'\\') {
      const char16_t* pair = next == u'\\'  ? u"\\"
                             : next == u'n' ? u"\n"
                             : next == u'r' ? u"\r"
                             : next == u't' ? u"\t"
                                            : nullptr;
      if (pair) {
        out += pair;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::int16_t LeadingNumber(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  std::uint16_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    value = static_cast<std::uint16_t>(value * 10u + static_cast<unsigned>(text[i] - u'0'));
  return static_cast<std::int16_t>(negative ? static_cast<std::uint16_t>(0u - value) : value);
}

// A text given by number would be written instead of what was typed.
int SetControlText(DlgItem& item, std::u16string_view text) {
  if (!Fits(text)) return 0;
  item.text.Assign(text);
  item.textLength = static_cast<std::uint32_t>(text.size() + 1);
  item.textOrdinalFlag = 0;
  item.textOrdinal = 0;
  return 1;
}

int SetDialogCaption(CDlgRes& dialog, std::u16string_view caption) {
  if (!Fits(caption)) return 0;
  dialog.caption.Assign(caption);
  dialog.captionLength = static_cast<std::uint32_t>(caption.size() + 1);
  return 1;
}

int SetDialogFont(CDlgRes& dialog, std::u16string_view face, std::uint16_t pointSize) {
  if (!Fits(face)) return 0;
  dialog.fontName.Assign(face);
  dialog.fontLength = static_cast<std::uint32_t>(face.size() + 2);
  dialog.pointSize = pointSize;
  return 1;
}
