#include "editor/script/script_reader.h"

#include <cstdio>

#include "editor/design/control_kind.h"
#include "editor/properties/identifier_table.h"
#include "editor/script/script_tokens.h"
#include "editor/script/style_vocabulary.h"

namespace morvid {

namespace {

CustomClassHook customClassHook = nullptr;

constexpr const char* kNotFound = " - Not found\t";
constexpr const char* kAlreadyUsed = " - This value already use\t";

void AsciiLower(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
}

// As CStringU::Assign of the text as a C string. ASCII reads the same in
// every ANSI code page, so it is widened here without the conversion.
void AssignAnsi(CStringU& target, std::string_view text) {
  text = text.substr(0, text.find('\0'));
  if (text.size() <= static_cast<std::size_t>(CStringU::kCapacity)) {
    char16_t wide[CStringU::kCapacity];
    std::size_t i = 0;
    for (; i < text.size() && static_cast<unsigned char>(text[i]) < 0x80; ++i) wide[i] = static_cast<char16_t>(text[i]);
    if (i == text.size()) {
      target.Assign(std::u16string_view(wide, i));
      return;
    }
  }
  target.Assign(std::string(text).c_str());
}

std::uint32_t TextLength(const CStringU& text) { return static_cast<std::uint32_t>(text.Length()) + 1; }

}  // namespace

void SetCustomClassHook(CustomClassHook hook) { customClassHook = hook; }

// The context is kept in a journal of saves and appends and goes into the
// error text only when the outermost call fails: the error text then is
// exactly what saving, appending and restoring on CErrorU would leave, and a
// statement that succeeds leaves it untouched without copying it.
void CScriptReader::Push() {
  marks_.push_back(journal_.size());
  journal_.push_back({true, pieces_.size()});
}

void CScriptReader::Pop() {
  if (marks_.empty()) return;
  pieces_.resize(journal_[marks_.back()].end);
  journal_.resize(marks_.back());
  marks_.pop_back();
}

void CScriptReader::Append(std::string_view piece) {
  pieces_.append(piece);
  pieces_ += '\0';
  journal_.push_back({false, pieces_.size()});
}

template <typename Read>
int CScriptReader::Outermost(Read read) {
  ++depth_;
  int ok = read();
  if (--depth_ == 0) {
    if (!ok) {
      std::size_t start = 0;
      for (const ContextStep& step : journal_) {
        if (step.save) {
          error_.Push();
        } else {
          error_.message.Append(pieces_.c_str() + start);
        }
        start = step.end;
      }
    }
    journal_.clear();
    pieces_.clear();
    marks_.clear();
  }
  return ok;
}

// A word, name or text too long to hold fails its statement: its start and
// " - Too long" join the context, so the user sees where.
int CScriptReader::TooLong(std::string_view start) {
  Append(start.substr(0, 32));
  Append("... - Too long\t");
  return 0;
}

int CScriptReader::ReadText(ScriptCursor& cursor, CStringU& text) {
  std::string raw;
  switch (ReadQuotedText(cursor, raw)) {
    case ScanResult::kNone: return 0;
    case ScanResult::kTooLong: return TooLong(raw);
    case ScanResult::kFound: break;
  }
  AssignAnsi(text, raw);
  return 1;
}

// name DIALOG|DIALOGEX [attribute] x, y, cx, cy [, helpid]
//   { CAPTION | CLASS | EXSTYLE | FONT | LANGUAGE | MENU | STYLE | other word }
//   BEGIN|{ { control-statement | other word } END|}
// Only one memory attribute word is skipped (DISCARDABLE, not MOVEABLE PURE).
// Words the header loop does not know are skipped, among them the help
// identifier and the weight, italic and character set of an extended FONT.
int CScriptReader::ReadDialog(ScriptCursor& cursor, std::string_view keyword,
                                       std::string_view name, DialogStatement& result) {
  result.dialog.reset();
  result.skippedStatements.clear();
  Push();
  Append(" ");
  Append(name);
  Append(" ");
  Append(keyword);
  Append(" ");

  auto dialog = std::make_unique<CDlgRes>();
  dialog->menuLength = 1;
  dialog->classLength = 1;
  dialog->captionLength = 1;
  dialog->pointSize = 8;
  dialog->fontName.Assign("MS Sans Serif");
  dialog->fontLength = 15;
  dialog->name.Assign(std::string(name).c_str());

  std::size_t start = cursor.Position();
  std::int32_t number = 0;
  if (cursor.ReadDecimal(number)) {
    cursor.SetPosition(start);
  } else {
    std::string attribute;
    if (cursor.ReadWord(attribute) == ScanResult::kTooLong) return TooLong(attribute);
  }
  if (!ReadCoordinates(cursor, dialog->x, dialog->y, dialog->cx, dialog->cy)) return 0;
  if (!ReadHeader(cursor, *dialog)) return 0;
  if (!ReadControls(cursor, *dialog, result.skippedStatements)) return 0;
  dialog->count = static_cast<std::uint16_t>(dialog->controls.size());
  result.dialog = std::move(dialog);
  Pop();
  return 1;
}

int CScriptReader::ReadHeader(ScriptCursor& cursor, CDlgRes& dialog) {
  std::string word;
  for (;;) {
    switch (cursor.ReadWord(word)) {
      case ScanResult::kNone: return 0;
      case ScanResult::kTooLong: return TooLong(word);
      case ScanResult::kFound: break;
    }
    HeaderKeyword keyword = HeaderKeywordOf(word);
    if (keyword == HeaderKeyword::kBegin) return 1;
    if (keyword == HeaderKeyword::kNone) continue;
    Push();
    Append(word);
    Append(" ");
    if (!ReadHeaderStatement(cursor, keyword, dialog)) return 0;
    Pop();
  }
}

// CAPTION "text"
// CLASS number | "name"
// EXSTYLE ex-style-expr            (added to the extended style)
// FONT size , "face"               (further values are left to the loop)
// LANGUAGE primary , sub
// MENU number | name
// STYLE style-expr                 (several STYLE statements add up)
int CScriptReader::ReadHeaderStatement(ScriptCursor& cursor, HeaderKeyword keyword, CDlgRes& dialog) {
  std::uint32_t number = 0;
  switch (keyword) {
    case HeaderKeyword::kCaption:
      if (!ReadText(cursor, dialog.caption)) return 0;
      dialog.captionLength = TextLength(dialog.caption);
      return 1;
    case HeaderKeyword::kClass:
      if (cursor.ReadInteger(number)) {
        dialog.classOrdinalFlag = kOrdinalFlag;
        dialog.classAtom = static_cast<std::uint16_t>(number);
        dialog.classLength = 2;
        return 1;
      }
      if (!ReadText(cursor, dialog.className)) return 0;
      dialog.classLength = TextLength(dialog.className);
      // The first word of a template's class field: a name, for the writer.
      dialog.classOrdinalFlag = static_cast<std::uint16_t>(dialog.className.Text()[0]);
      return 1;
    case HeaderKeyword::kExStyle:
      if (!ReadExStyleExpr(cursor, number)) return 0;
      dialog.exStyle |= number;
      return 1;
    case HeaderKeyword::kFont:
      if (!cursor.ReadInteger(number) || !SkipComma(cursor)) return 0;
      if (!ReadText(cursor, dialog.fontName)) return 0;
      dialog.pointSize = static_cast<std::uint16_t>(number);
      dialog.fontLength = TextLength(dialog.fontName) + 1;
      return 1;
    case HeaderKeyword::kLanguage: {
      std::uint32_t sub = 0;
      if (!cursor.ReadInteger(number) || !SkipComma(cursor) || !cursor.ReadInteger(sub)) return 0;
      dialog.languagePrimary = number;
      dialog.languageSub = sub;
      return 1;
    }
    case HeaderKeyword::kMenu: {
      if (cursor.ReadInteger(number)) {
        dialog.menuOrdinalFlag = kOrdinalFlag;
        dialog.menuOrdinal = static_cast<std::uint16_t>(number);
        dialog.menuLength = 2;
        return 1;
      }
      std::string menu;
      switch (cursor.ReadWord(menu)) {
        case ScanResult::kNone: return 0;
        case ScanResult::kTooLong: return TooLong(menu);
        case ScanResult::kFound: break;
      }
      dialog.menu.Assign(menu.c_str());
      dialog.menuLength = TextLength(dialog.menu);
      dialog.menuOrdinalFlag = static_cast<std::uint16_t>(dialog.menu.Text()[0]);
      return 1;
    }
    case HeaderKeyword::kStyle:
      if (!ReadStyleExpr(cursor, number)) return 0;
      dialog.style |= number;
      return 1;
    case HeaderKeyword::kNone:
    case HeaderKeyword::kBegin:
      break;
  }
  return 1;
}

// Words of statements the reader does not know are skipped, and the keyword
// of each is kept for the caller's warning: a skipped word that starts a line
// which does not continue a list (after a comma or a bar) names a statement
// of its own; words left over after a statement that was read belong to that
// statement.
int CScriptReader::ReadControls(ScriptCursor& cursor, CDlgRes& dialog, std::vector<std::string>& skipped) {
  const std::string dialogName = dialog.name.Ansi();
  LineTracker lines(cursor.Text(), cursor.Position());
  std::string word;
  std::string lastKeyword;
  bool skipping = false;
  for (;;) {
    switch (cursor.ReadWord(word)) {
      case ScanResult::kNone: return 0;
      case ScanResult::kTooLong: return TooLong(word);
      case ScanResult::kFound: break;
    }
    if (IsEndKeyword(word)) return 1;
    if (const ControlStatementInfo* info = ControlStatementOf(word)) {
      skipping = false;
      lastKeyword = word;
      // Read in place rather than copied in: a record is over a kilobyte.
      auto item = std::make_unique<DlgItem>();
      if (!ReadControlStatement(cursor, *info, dialogName, *item)) return 0;
      item->order = static_cast<std::uint16_t>(dialog.controls.size() + 1);
      dialog.controls.push_back(std::move(item));
      continue;
    }
    const bool newStatement = lines.StartsLine(cursor.Position() - word.size()) && !lines.ContinuesList();
    const bool leftOver = !skipping && !newStatement && !lastKeyword.empty();
    const bool record = newStatement || !skipping;
    skipping = true;
    if (!record) continue;
    const std::string& keyword = leftOver ? lastKeyword : word;
    bool known = false;
    for (const std::string& seen : skipped) known = known || seen == keyword;
    if (!known) skipped.push_back(keyword);
  }
}

// CONTROL text|number, id, class, style, x, y, cx, cy [, exstyle]
// LTEXT|RTEXT|CTEXT|CHECKBOX|...|AUTORADIOBUTTON "text", id, x, y, cx, cy [, style [, exstyle]]
// EDITTEXT|COMBOBOX|LISTBOX|SCROLLBAR id, x, y, cx, cy [, style [, exstyle]]
// A short statement keeps only some bits of the style written and adds its
// own (ImpliedStyle). A custom class is made known through the hook.
int CScriptReader::ReadControlStatement(ScriptCursor& cursor, const ControlStatementInfo& info,
                                        const std::string& dialogName, DlgItem& item) {
  Push();
  Append("\n   ");
  Append(info.keyword);
  bool twoBlanks = info.statement == ControlStatement::kComboBox ||
                   info.statement == ControlStatement::kListBox ||
                   info.statement == ControlStatement::kScrollBar;
  Append(twoBlanks ? "  " : " ");
  if (!ReadControlFields(cursor, info, dialogName, item)) return 0;
  if (item.kind == ControlKind::Custom) {
    if (item.classOrdinalFlag == kOrdinalFlag) return 0;
    if (customClassHook && !customClassHook(item.className)) return 0;
  }
  Pop();
  return 1;
}

int CScriptReader::ReadControlFields(ScriptCursor& cursor, const ControlStatementInfo& info,
                                     const std::string& dialogName, DlgItem& item) {
  item.extraLength = 1;
  item.exStyle = 0;
  if (info.hasText) {
    std::string& raw = textScratch_;
    ScanResult text = ReadQuotedText(cursor, raw);
    if (text == ScanResult::kTooLong) return TooLong(raw);
    if (text == ScanResult::kFound) {
      AssignAnsi(item.text, raw);
      item.textLength = TextLength(item.text);
    } else if (info.statement == ControlStatement::kControl) {
      if (!ReadOrdinalOrName(cursor, item.textOrdinal)) return 0;
      item.textOrdinalFlag = kOrdinalFlag;
      item.textLength = 2;
    } else {
      return 0;
    }
    if (!SkipComma(cursor)) return 0;
  }
  if (!ReadControlId(cursor, dialogName, item.id) || !SkipComma(cursor)) return 0;

  std::uint32_t style = 0;
  if (info.statement == ControlStatement::kControl) {
    std::uint32_t atom = 0;
    if (cursor.ReadInteger(atom)) {
      item.classOrdinalFlag = kOrdinalFlag;
      item.classAtom = static_cast<std::uint16_t>(atom);
      item.classLength = 2;
    } else {
      std::string name;
      ScanResult found = ReadQuotedText(cursor, name);
      if (found == ScanResult::kTooLong) return TooLong(name);
      if (found == ScanResult::kNone) return 0;
      AsciiLower(name);
      AssignAnsi(item.className, name);
      item.classLength = TextLength(item.className);
    }
    if (!SkipComma(cursor) || !ReadStyleExpr(cursor, style) || !SkipComma(cursor)) return 0;
    if (!ReadCoordinates(cursor, item.x, item.y, item.cx, item.cy)) return 0;
  } else {
    item.classOrdinalFlag = kOrdinalFlag;
    item.classAtom = info.classAtom;
    item.classLength = 2;
    if (!ReadCoordinates(cursor, item.x, item.y, item.cx, item.cy)) return 0;
    if (!SkipComma(cursor)) {
      item.style = ImpliedStyle(info, 0);
      item.kind = ControlKindFromAtom(item.classAtom, item.style);
      return 1;
    }
    if (!ReadStyleExpr(cursor, style)) return 0;
  }
  item.style = ImpliedStyle(info, style);
  item.kind = item.classOrdinalFlag == kOrdinalFlag ? ControlKindFromAtom(item.classAtom, item.style)
                                                    : ControlKindFromClassName(item.className.View(), item.style);
  if (SkipComma(cursor)) {
    std::uint32_t exStyle = 0;
    if (!ReadExStyleExpr(cursor, exStyle)) return 0;
    item.exStyle |= exStyle;
  }
  return 1;
}

int CScriptReader::ReadStyleWith(ScriptCursor& cursor, bool extended, std::uint32_t& value) {
  std::string& name = styleScratch_;
  switch (ScanStyleExpr(cursor, extended ? ExStyleFromName : StyleFromName, extended, value, name)) {
    case StyleExprResult::kOk: return 1;
    case StyleExprResult::kUnknownName:
      Append(name);
      Append("\t");
      return 0;
    case StyleExprResult::kTooLong: return TooLong(name);
    case StyleExprResult::kFailed: return 0;
  }
  return 0;
}

// style-expr := integer | name { '|' name }     (an empty expression is 0)
int CScriptReader::ReadStyleExpr(ScriptCursor& cursor, std::uint32_t& value) {
  return Outermost([&] { return ReadStyleWith(cursor, false, value); });
}

// ex-style-expr := integer | name { '|' name }  (an empty expression fails)
int CScriptReader::ReadExStyleExpr(ScriptCursor& cursor, std::uint32_t& value) {
  return Outermost([&] { return ReadStyleWith(cursor, true, value); });
}

// id := integer | name
// A number n gets the name "IDn" (or "IDn_k" when IDn is taken by another
// value) so that the header can define it; a name must be known already.
// Either way the value may occur only once per dialog, except -1.
int CScriptReader::ReadControlIdStep(ScriptCursor& cursor, const std::string& dialogName, std::uint16_t& value) {
  // The context is written only when a check fails: it is then what saving
  // the error text, appending the piece and the reason would have left.
  auto fail = [this](std::string_view piece, const char* reason) {
    Push();
    Append(piece);
    Push();
    Append(reason);
    return 0;
  };
  std::uint32_t number = 0;
  if (cursor.ReadInteger(number)) {
    std::uint16_t n = static_cast<std::uint16_t>(number);
    if (ids_.IsValueUsedIn(n, dialogName)) return fail(std::to_string(n), kAlreadyUsed);
    value = n;
    // -1 already has its name; "ID65535" would only be a stray header line.
    if (n == 0xFFFF && !ids_.StaticName().empty()) return 1;
    char name[64];
    std::snprintf(name, sizeof name, "%s%d", "ID", n);
    for (int k = 1; !ids_.AddHeaderId(name, n); ++k) {
      std::snprintf(name, sizeof name, "%s%d_%d", "ID", n, k);
    }
    ids_.AddUse(n, name, dialogName);
    return 1;
  }
  std::string& name = idScratch_;
  if (ReadIdentifierName(cursor, name) == ScanResult::kTooLong) return TooLong(name);
  if (!ids_.IsNameTaken(name)) return fail(name, kNotFound);
  std::uint16_t found = 0;
  ids_.ValueOf(name, found);
  if (ids_.IsValueUsedIn(found, dialogName)) return fail(name, kAlreadyUsed);
  ids_.AddUse(found, name, dialogName);
  value = found;
  return 1;
}

// ordinal := integer | name        (the text of a CONTROL given by number)
int CScriptReader::ReadOrdinalStep(ScriptCursor& cursor, std::uint16_t& value) {
  std::uint32_t number = 0;
  if (cursor.ReadInteger(number)) {
    value = static_cast<std::uint16_t>(number);
    return 1;
  }
  std::string name;
  if (ReadIdentifierName(cursor, name) == ScanResult::kTooLong) return TooLong(name);
  Push();
  Append(name);
  Append(kNotFound);
  std::uint16_t found = 0;
  if (!ids_.ValueOf(name, found)) return 0;
  Pop();
  value = found;
  return 1;
}

int CScriptReader::ReadDialogStatement(ScriptCursor& cursor, std::string_view keyword, std::string_view name,
                                       DialogStatement& result) {
  return Outermost([&] { return ReadDialog(cursor, keyword, name, result); });
}

int CScriptReader::ReadControlId(ScriptCursor& cursor, const std::string& dialogName, std::uint16_t& value) {
  return Outermost([&] { return ReadControlIdStep(cursor, dialogName, value); });
}

int CScriptReader::ReadOrdinalOrName(ScriptCursor& cursor, std::uint16_t& value) {
  return Outermost([&] { return ReadOrdinalStep(cursor, value); });
}

}  // namespace morvid
