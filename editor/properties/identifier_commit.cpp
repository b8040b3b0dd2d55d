#include "editor/properties/identifier_commit.h"

#include "editor/design/dlg_res.h"
#include "editor/properties/identifier_table.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsLetter(char c) {
  return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsUserName(const IdentifierTable& ids, const std::string& name) {
  if (!ids.IsNameTaken(name) || name == ids.StaticName()) return false;
  for (const IdentifierRecord& record : ids.PredefinedIds())
    if (record.name == name) return false;
  return true;
}

// Both commits start alike: one word, the old name kept, a name checked
// only once it differs from the old one (a dialog read with a number for a
// name keeps it).
bool Screen(IdCommit& commit, std::string_view input) {
  if (!SingleWord(input, commit.word)) {
    commit.result = IdCommitResult::Invalid;
    return false;
  }
  if (commit.word == commit.oldName) {
    commit.result = IdCommitResult::Unchanged;
    return false;
  }
  if (!IsIdentifierName(commit.word)) {
    commit.result = IdCommitResult::Invalid;
    return false;
  }
  return true;
}

}  // namespace

bool SingleWord(std::string_view text, std::string& word) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  size_t end = begin;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  size_t rest = end;
  while (rest < text.size() && IsBlank(text[rest])) ++rest;
  if (begin == end || rest != text.size()) return false;
  word.assign(text.substr(begin, end - begin));
  return true;
}

bool IsIdentifierName(std::string_view name) {
  if (name.empty() || !IsLetter(name[0])) return false;
  for (char c : name)
    if (!IsLetter(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

IdCommit CommitControlId(IdentifierTable& ids, const std::string& dialogName, std::uint16_t& id,
                         std::string_view input) {
  IdCommit commit;
  if (!ids.NameOf(id, dialogName, commit.oldName)) commit.oldName.clear();
  if (!Screen(commit, input)) return commit;
  ids.AllocateId(commit.word);
  std::uint16_t value = 0;
  // A full table gives no new name: nothing to take.
  if (!ids.ValueOf(commit.word, value) || ids.IsValueUsedIn(value, dialogName)) {
    commit.result = IdCommitResult::InUse;
    return commit;
  }
  ids.AddUse(0, commit.word, dialogName);
  id = value;
  ids.RemoveUse(commit.oldName, dialogName);
  ids.DropIfUnused(commit.oldName);
  commit.result = IdCommitResult::Changed;
  return commit;
}

IdCommit CommitDialogName(IdentifierTable& ids, CDlgRes& dialog, std::string_view input) {
  IdCommit commit;
  commit.oldName = dialog.name.Ansi();
  if (!Screen(commit, input)) return commit;
  if (ids.IsNameTaken(commit.word)) {
    commit.result = IdCommitResult::InUse;
    return commit;
  }
  // A dialog named by a number has no record of its own, and the table's
  // rename then leaves its controls' uses behind under the old name.
  const bool ownRecord = IsUserName(ids, commit.oldName);
  ids.RenameId(commit.oldName, commit.word);
  if (!ownRecord) {
    std::string name;
    for (const auto& item : dialog.controls) {
      if (!ids.NameOf(item->id, commit.oldName, name)) continue;
      ids.RemoveUse(name, commit.oldName);
      ids.AddUse(0, name, commit.word);
    }
  }
  dialog.name.Assign(commit.word.c_str());
  commit.result = IdCommitResult::Changed;
  return commit;
}
