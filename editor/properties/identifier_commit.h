// What the identifier field of a General page does with its text: a
// control takes a name (a new one is created) unless its number is already
// used in the same dialog; a dialog takes only a name that exists nowhere.
// Names are byte strings in the ANSI code page, as in the identifier table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CDlgRes;
class IdentifierTable;

// The two refusals, shown by the frame.
inline constexpr char16_t kInvalidIdText[] = u"Некорректный ввод идентификатора";
inline constexpr char16_t kIdInUseText[] = u"Данный идентификатор уже используется";

enum class IdCommitResult {
  Unchanged,  // the field holds the old name
  Changed,
  Invalid,  // not exactly one word, or the word is no C identifier
  InUse,
};

struct IdCommit {
  IdCommitResult result = IdCommitResult::Invalid;
  std::string oldName;  // what the field goes back to when refused
  std::string word;     // what it shows when accepted
};

// The text's only blank-separated word; false for none or several.
bool SingleWord(std::string_view text, std::string& word);
// A letter or underscore, then letters, digits and underscores: the only
// names a resource compiler takes in a header.
bool IsIdentifierName(std::string_view name);

// The control of dialog `dialogName` whose identifier value is `id`.
IdCommit CommitControlId(IdentifierTable& ids, const std::string& dialogName, std::uint16_t& id,
                         std::string_view input);
IdCommit CommitDialogName(IdentifierTable& ids, CDlgRes& dialog, std::string_view input);
