#include "editor/app/doc.h"

#include "editor/app/resource_header.h"
#include "editor/app/script_passes.h"
#include "editor/app/text_file.h"
#include "editor/foundation/code_page.h"
#include "editor/foundation/error_u.h"
#include "editor/script/script_cursor.h"
#include "editor/script/script_reader.h"
#include "editor/script/script_writer.h"

namespace {

const CStringU kStripFile(CDocumentU::kSaveFile);       // open: the script without comments
const CStringU kResolvedFile(CDocumentU::kOpenFile);    // open: ... and without skipped blocks
const CStringU kDialogsFile(CDocumentU::kSaveFile);     // save: the printed dialogs
const CStringU kMergedFile(CDocumentU::kOpenFile);      // save: the script merged with them

size_t LastSeparator(std::u16string_view path) { return path.find_last_of(u"\\/:"); }

void SetError(const std::u16string& text) { AppError().SetMessage(Utf16ToAnsi(text).c_str()); }

std::u16string Quoted(const CStringU& text) { return u"\"" + std::u16string(text.View()) + u"\""; }

// Only a C identifier can be defined in the header: a dialog named by a
// number or a quoted word keeps its name in the script alone.
bool IsMacroName(const std::string& name) {
  auto letter = [](char c) { return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (name.empty() || !letter(name[0])) return false;
  for (char c : name)
    if (!letter(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

}  // namespace

CStringU FileNameOf(const CStringU& path) {
  std::u16string_view view = path.View();
  size_t cut = LastSeparator(view);
  return CStringU(cut == std::u16string_view::npos ? view : view.substr(cut + 1));
}

CStringU FolderOf(const CStringU& path) {
  std::u16string_view view = path.View();
  size_t cut = LastSeparator(view);
  return CStringU(cut == std::u16string_view::npos ? std::u16string_view() : view.substr(0, cut + 1));
}

CDoc::CDoc(CDocUi& ui, FileReplacer& replacer) : headerPath(u"Resource.h"), ui_(ui), replacer_(replacer) {}

CDoc::~CDoc() { ClearContents(); }

int CDoc::ClearContents() {
  journal.Clear();
  // A dialog's destructor closes its design window.
  dialogs.clear();
  ids.Clear();
  ids.history.Clear();
  // macroNames stays: the save of this script decides its blocks with it.
  return 1;
}

int CDoc::Exchange(CFileU& file, int storing) { return storing ? Store(file) : Load(file); }

int CDoc::FindDialog(const CStringU& name) const {
  for (size_t i = 0; i < dialogs.size(); ++i)
    if (dialogs[i]->name == name) return static_cast<int>(i);
  return -1;
}

// The load walks the prepared copy word by word; every DIALOG or DIALOGEX
// starts a dialog statement named by the word before it, wherever it stands.
int CDoc::Load(CFileU& file) {
  CErrorU& error = AppError();
  skipped_.clear();
  const std::u16string prefix = std::u16string(kOpenErrorText) + u" " + Quoted(FileNameOf(pathName));

  std::u16string failure;
  std::string text;
  if (!ReadWholeStream(file.fp, text) || text.find('\0') != std::string::npos) {
    // Zero bytes mean a UTF-16 or binary file, which is not an ANSI script.
    failure = prefix + u".";
  } else if (!ids.LoadHeaderIds(headerPath)) {
    failure = prefix + u":\n " + std::u16string(headerPath.View()) + u" - Not found.";
  } else {
    morvid::ScriptCursor cursor(text);
    morvid::CScriptReader reader(ids, error);
    std::string previous;
    std::string word;
    morvid::ScanResult first = cursor.ReadWord(previous);
    if (first == morvid::ScanResult::kNone) {
      failure = prefix + u".";
    } else {
      // A name longer than a word may be would be cut: such a dialog fails.
      bool previousTooLong = first == morvid::ScanResult::kTooLong;
      for (;;) {
        morvid::ScanResult scan = cursor.ReadWord(word);
        if (scan == morvid::ScanResult::kNone) break;
        if (word != "DIALOG" && word != "DIALOGEX") {
          previous = word;
          previousTooLong = scan == morvid::ScanResult::kTooLong;
          continue;
        }
        morvid::DialogStatement statement;
        if (previousTooLong) {
          error.message.Append(previous.substr(0, 32).c_str());
          error.message.Append("... - Too long\t");
          failure = prefix + u":";
          break;
        }
        if (IsMacroName(previous)) ids.AllocateId(previous);
        if (!reader.ReadDialogStatement(cursor, word, previous, statement)) {
          failure = prefix + u":";
          break;
        }
        if (!statement.skippedStatements.empty())
          skipped_.push_back({statement.dialog->name, std::move(statement.skippedStatements)});
        dialogs.push_back(std::move(statement.dialog));
      }
    }
  }
  if (failure.empty()) return 1;
  error.PrependMessage("\t\n");
  error.PrependMessage(Utf16ToAnsi(failure).c_str());
  return 0;
}

int CDoc::Store(CFileU& file) {
  // Room for a typical printed line per control, so the text is not moved
  // again and again while it grows to megabytes.
  size_t estimate = 0;
  for (const auto& dialog : dialogs) estimate += 256 + 96 * dialog->controls.size();
  std::string out;
  out.reserve(estimate);
  for (const auto& dialog : dialogs) morvid::WriteDialog(out, *dialog, ids);
  return file.Write(out);
}

void CDoc::ShowError() { AppError().Show(ui_.ProgramTitle()); }

void CDoc::RemoveTempFiles() {
  RemoveFile(CStringU(CDocumentU::kSaveFile));
  RemoveFile(CStringU(CDocumentU::kOpenFile));
}

void CDoc::ResetAsNew() {
  CStringU path(kNewProjectText);
  path.Append(u".rc");
  NewDocument(path);
  untitled = 1;
  ui_.ResetDialogTree(CStringU(kNewProjectText));
}

int CDoc::PromptSaveChanges() {
  if (!modified) return 1;
  switch (ui_.AskYesNoCancel(CStringU(kSaveChangesText))) {
    case CDocUi::Answer::Yes:
      return SaveScript();
    case CDocUi::Answer::No:
      return 1;
    case CDocUi::Answer::Cancel:
      break;
  }
  return 0;
}

int CDoc::New() {
  if (!PromptSaveChanges()) return 0;
  ResetAsNew();
  return 1;
}

int CDoc::Open() {
  if (!PromptSaveChanges()) return 0;
  CStringU path;
  if (!ui_.AskOpenPath(ui_.GetWorkDir(), path)) return 0;
  ui_.SetWorkDir(FolderOf(path));
  return OpenScript(path);
}

int CDoc::OpenScript(const CStringU& path) {
  if (!StripComments(path, kStripFile)) {
    RemoveTempFiles();
    return 0;
  }
  macroNames.Clear();
  CollectMacroNames(path, macroNames);
  CollectMacroNames(headerPath, macroNames);
  auto defined = [this](const std::string& name) { return macroNames.IsNameTaken(name); };
  if (!ResolveConditionals(kStripFile, kResolvedFile, defined)) {
    // A quiet failure keeps the script in use, whose save needs its names.
    macroNames.Clear();
    if (!untitled) CollectMacroNames(pathName, macroNames);
    CollectMacroNames(headerPath, macroNames);
    RemoveTempFiles();
    return 0;
  }

  AppError().Clear();
  if (!OpenDocument(path)) {
    // The prepared copy could not even be opened: still say which script.
    if (AppError().message.IsEmpty())
      SetError(std::u16string(kOpenErrorText) + u" " + Quoted(FileNameOf(path)) + u".");
    ShowError();
    RemoveTempFiles();
    ResetAsNew();
    return 0;
  }
  RemoveTempFiles();
  untitled = 0;
  ui_.FillDialogTree(FileNameOf(path), CStringU(kDialogsText));
  ShowUnsupportedWarning();
  return 1;
}

// Statements the reader skipped inside dialogs are not in the model, so the
// save would drop them: the user hears of it before editing.
void CDoc::ShowUnsupportedWarning() {
  if (skipped_.empty()) return;
  std::u16string text(kUnsupportedText);
  for (const SkippedStatements& entry : skipped_) {
    text += u"\n";
    text += entry.dialog.View();
    text += u":";
    for (size_t i = 0; i < entry.keywords.size(); ++i) {
      text += i == 0 ? u" " : u", ";
      text += AnsiToUtf16(entry.keywords[i]);
    }
  }
  skipped_.clear();
  ui_.ShowWarning(text);
}

int CDoc::SaveScript() {
  if (untitled) {
    CStringU path(pathName);
    if (!ui_.AskSavePath(ui_.GetWorkDir(), path)) return 0;
    // The user agreed to replace the chosen file; the merge starts from
    // nothing. A name that cannot be written is not kept, so the next save
    // asks again.
    if (!WriteBinaryFile(path, "")) {
      SetError(std::u16string(kSaveErrorText) + u" " + Quoted(FileNameOf(path)) + u".");
      ShowError();
      return 0;
    }
    pathName = path;
    ui_.SetWorkDir(FolderOf(path));
    untitled = 0;
  }

  // The base class clears the flag once the dialogs are printed; the document
  // is saved only when the script and the header are replaced as well.
  const int wasModified = modified;
  auto fail = [&]() {
    ShowError();
    RemoveTempFiles();
    modified = wasModified;
    return 0;
  };
  auto failWithPath = [&]() {
    CStringU text;
    text.Format("%s %s.   ", Utf16ToAnsi(kSaveErrorText).c_str(), pathName.Ansi().c_str());
    AppError().message.Append(text);
    return fail();
  };

  AppError().Clear();
  if (!SaveDocument()) {
    SetError(std::u16string(kSaveErrorText) + u" " + Quoted(FileNameOf(pathName)) + u".");
    return fail();
  }
  auto defined = [this](const std::string& name) { return macroNames.IsNameTaken(name); };
  if (!MergeDialogs(pathName, kDialogsFile, kMergedFile, defined)) return failWithPath();
  if (!WriteHeader(headerPath, ids, replacer_)) return fail();
  if (!WriteScript(headerPath, kMergedFile, pathName, replacer_)) return failWithPath();

  RemoveTempFiles();
  modified = 0;
  ui_.SetDialogTreeRoot(FileNameOf(pathName));
  return 1;
}
