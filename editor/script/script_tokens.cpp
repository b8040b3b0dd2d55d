#include "editor/script/script_tokens.h"

namespace morvid {

namespace {

// Appends one piece between quotes: line ends dropped first, then escapes
// resolved left to right, so "\\n" stays a backslash and an n.
void AppendPiece(std::string_view piece, std::string& text) {
  bool escape = false;
  for (char c : piece) {
    if (c == '\r' || c == '\n') continue;
    if (escape) {
      escape = false;
      switch (c) {
        case '\\': text += '\\'; continue;
        case 'n': text += '\n'; continue;
        case 'r': text += '\r'; continue;
        case 't': text += '\t'; continue;
        default: text += '\\'; break;
      }
    } else if (c == '\\') {
      escape = true;
      continue;
    }
    text += c;
  }
  if (escape) text += '\\';
}

}  // namespace

ScanResult ReadQuotedText(ScriptCursor& cursor, std::string& text) {
  std::size_t saved = cursor.Position();
  cursor.SkipWhite();
  if (cursor.Peek() != '"') {
    cursor.SetPosition(saved);
    return ScanResult::kNone;
  }
  cursor.Advance();
  text.clear();
  std::string_view all = cursor.Text();
  for (;;) {
    std::size_t start = cursor.Position();
    std::size_t end = all.find('"', start);
    if (end == std::string_view::npos) end = all.size();
    AppendPiece(all.substr(start, end - start), text);
    cursor.SetPosition(end);
    if (text.size() > kMaxTokenLength) return ScanResult::kTooLong;
    if (cursor.AtEnd()) return ScanResult::kFound;
    cursor.Advance();  // the closing quote
    if (cursor.Peek() != '"') return ScanResult::kFound;
    cursor.Advance();
    text += '"';
  }
}

bool SkipComma(ScriptCursor& cursor) {
  static constexpr std::string_view kBlanks = " \t\r\n";
  std::size_t saved = cursor.Position();
  cursor.SkipRun(kBlanks);
  if (cursor.Peek() != ',') {
    cursor.SetPosition(saved);
    return false;
  }
  cursor.Advance();
  cursor.SkipRun(kBlanks);
  return true;
}

ScanResult ReadIdentifierName(ScriptCursor& cursor, std::string& name) {
  cursor.SkipRun(" ");
  std::string_view all = cursor.Text();
  std::size_t start = cursor.Position();
  std::size_t end = FindOneOf(all, start, " ,");
  cursor.SetPosition(end);
  if (end == start) {
    name.clear();
    return ScanResult::kNone;
  }
  std::size_t length = end - start;
  name.assign(all.data() + start, length > kMaxTokenLength ? kMaxTokenLength : length);
  return length > kMaxTokenLength ? ScanResult::kTooLong : ScanResult::kFound;
}

bool ReadCoordinates(ScriptCursor& cursor, std::int16_t& x, std::int16_t& y, std::int16_t& cx,
                     std::int16_t& cy) {
  std::int16_t* fields[] = {&x, &y, &cx, &cy};
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      cursor.SkipWhite();
      if (cursor.Peek() != ',') return false;
      cursor.Advance();
    }
    std::int32_t value = 0;
    if (!cursor.ReadDecimal(value)) return false;
    *fields[i] = static_cast<std::int16_t>(value);
  }
  return true;
}

StyleExprResult ScanStyleExpr(ScriptCursor& cursor, StyleLookup lookup, bool emptyIsError,
                              std::uint32_t& value, std::string& name) {
  static constexpr std::string_view kNameEnd = " \t\r\n|,";
  value = 0;
  if (cursor.ReadInteger(value)) return StyleExprResult::kOk;
  std::string_view all = cursor.Text();
  for (;;) {
    cursor.SkipWhite();
    std::size_t start = cursor.Position();
    std::size_t end = FindOneOf(all, start, kNameEnd);
    if (end == start) {
      name.clear();
      return emptyIsError ? StyleExprResult::kFailed : StyleExprResult::kOk;
    }
    std::size_t length = end - start;
    name.assign(all.data() + start, length > kMaxTokenLength ? kMaxTokenLength : length);
    cursor.SetPosition(end);
    if (length > kMaxTokenLength) return StyleExprResult::kTooLong;
    std::uint32_t bits = 0;
    if (!lookup(name, bits)) return StyleExprResult::kUnknownName;
    value |= bits;
    std::size_t afterName = cursor.Position();
    std::size_t run = cursor.SkipRun(" \t\r\n|");
    if (run == 0) run = cursor.SkipRun(",");
    if (run == 0) return StyleExprResult::kFailed;
    if (FindOneOf(all.substr(0, afterName + run), afterName, "|") == afterName + run) {
      cursor.SetPosition(afterName);
      return StyleExprResult::kOk;
    }
  }
}

}  // namespace morvid
