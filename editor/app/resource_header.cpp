#include "editor/app/resource_header.h"

#include <algorithm>
#include <cstdio>

#include "editor/app/safe_file.h"
#include "editor/foundation/code_page.h"
#include "editor/foundation/file_u.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The first two words of a line, as "%s%s" reads them; false without two.
bool FirstTwoWords(const std::string& line, std::string& first, std::string& second) {
  std::string* words[] = {&first, &second};
  size_t i = 0;
  for (std::string* word : words) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return false;
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    word->assign(line, start, i - start);
  }
  return true;
}

}  // namespace

// Lines are read in pieces of at most 255 bytes.
int CollectMacroNames(const CStringU& path, IdentifierTable& macroNames) {
  CFileU file;
  if (!file.Open(path, "rb")) return 0;
  std::string line, first, name;
  while (file.ReadLine(line) == CFileU::Line::Read) {
    line.resize(std::min(line.size(), line.find('\0')));
    if (!FirstTwoWords(line, first, name) || first != "#define") continue;
    // Predefined names are defined already; value 0 is no predefined value,
    // so a new name is stored and a known one left alone.
    if (!macroNames.IsNameTaken(name)) macroNames.AddHeaderId(name, 0);
  }
  return 1;
}

std::string ResourceHeaderText(const IdentifierTable& ids) {
  std::string text =
      "// Morvid generated header file\r\n"
      "#pragma once\r\n\r\n"
      "#include <windows.h>\r\n\r\n";
  char number[16];
  if (!ids.StaticName().empty()) {
    std::snprintf(number, sizeof(number), "%d", static_cast<int16_t>(IdentifierTable::kStaticValue));
    text += "#define " + ids.StaticName() + "\t\t" + number + "\r\n";
  }
  for (const auto& r : ids.UserIds()) {
    std::snprintf(number, sizeof(number), "%u", static_cast<unsigned>(r->value));
    text += "#define " + r->name + "\t\t" + number + "\r\n";
  }
  return text;
}

int WriteHeader(const CStringU& headerPath, const IdentifierTable& ids, FileReplacer& replacer, CErrorU& error) {
  if (WriteFileSafely(headerPath, ResourceHeaderText(ids), replacer)) return 1;
  std::string what = Utf16ToAnsi(u"Ошибка при создании заголовочного файла");
  error.message.Format("%s %s.   ", what.c_str(), headerPath.Ansi().c_str());
  return 0;
}
