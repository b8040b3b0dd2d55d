#include "editor/script/script_keywords.h"

namespace morvid {

HeaderKeyword HeaderKeywordOf(std::string_view word) {
  struct Entry {
    const char* word;
    HeaderKeyword keyword;
  };
  static constexpr Entry kHeader[] = {
      {"CAPTION", HeaderKeyword::kCaption}, {"CLASS", HeaderKeyword::kClass},
      {"EXSTYLE", HeaderKeyword::kExStyle}, {"FONT", HeaderKeyword::kFont},
      {"LANGUAGE", HeaderKeyword::kLanguage}, {"MENU", HeaderKeyword::kMenu},
      {"STYLE", HeaderKeyword::kStyle},     {"BEGIN", HeaderKeyword::kBegin},
      {"{", HeaderKeyword::kBegin},
  };
  for (const Entry& entry : kHeader) {
    if (word == entry.word) return entry.keyword;
  }
  return HeaderKeyword::kNone;
}

const ControlStatementInfo* ControlStatementOf(std::string_view word) {
  for (const ControlStatementInfo& info : kControlStatements) {
    if (word == info.keyword) return &info;
  }
  return nullptr;
}

const ControlStatementInfo& InfoOf(ControlStatement statement) {
  return kControlStatements[static_cast<int>(statement)];
}

std::uint32_t ImpliedStyle(const ControlStatementInfo& info, std::uint32_t written) {
  std::uint32_t style = (written & info.keepMask) | info.impliedBits;
  if (info.statement == ControlStatement::kComboBox && (written & 0x3) < 2) style |= 0x1;
  return style;
}

}  // namespace morvid
