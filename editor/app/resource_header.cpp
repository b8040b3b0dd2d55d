#include "editor/app/resource_header.h"

#include <algorithm>
#include <cstdio>

#include "editor/app/safe_file.h"
#include "editor/app/text_file.h"
#include "editor/foundation/code_page.h"
#include "editor/foundation/file_u.h"

// Lines are read in pieces of at most 255 bytes.
int CollectMacroNames(const CStringU& path, IdentifierTable& macroNames) {
  std::string bytes;
  if (!ReadBinaryFile(path, bytes)) return 0;
  size_t pos = 0;
  std::string_view line;
  std::string name;
  while (NextLinePiece(bytes, pos, line)) {
    size_t first = 0;
    while (first < line.size() && (line[first] == ' ' || (line[first] >= '\t' && line[first] <= '\r'))) ++first;
    if (first == line.size() || line[first] != '#') continue;  // no #define
    LineWords words = FirstTwoWords(line.substr(0, line.find('\0')));
    if (words.count < 2 || words.first != "#define") continue;
    name.assign(words.second);
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
