// CDoc: the editor's one document, the resource script being edited. A
// script is never edited in place: opening reads a copy without comments and
// without the conditional blocks that do not apply; saving prints the dialogs
// and merges them into the user's script, which is replaced only once the
// new one is complete.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/app/doc_ui.h"
#include "editor/app/safe_file.h"
#include "editor/design/dlg_res.h"
#include "editor/design/journal.h"
#include "editor/foundation/document_u.h"
#include "editor/properties/identifier_table.h"

// Texts of the string table the document uses.
inline constexpr char16_t kNewProjectText[] = u"Новый проект";             // 5002
inline constexpr char16_t kOpenErrorText[] = u"Ошибка при открытии файла";  // 5003
inline constexpr char16_t kDialogsText[] = u"Диалоги";                       // 5004
inline constexpr char16_t kSaveErrorText[] = u"Ошибка при сохранении файла"; // 5005
inline constexpr char16_t kSaveChangesText[] = u"Документ изменен. Сохранить изменения ?";
inline constexpr char16_t kUnsupportedText[] = u"Неподдерживаемые операторы будут удалены при сохранении:";

class CDoc : public CDocumentU {
 public:
  // Neither is owned; both outlive the document.
  explicit CDoc(CDocUi& ui, FileReplacer& replacer = PortableFileReplacer());
  ~CDoc() override;

  int ClearContents() override;
  // storing 0: reads the dialogs of the prepared copy; 1: prints them.
  int Exchange(CFileU& file, int storing) override;

  // Index of the first dialog named exactly so, or -1.
  int FindDialog(const CStringU& name) const;

  // The commands New (3001), Open (3002) and Save (3003); 1 on success.
  int New();
  int Open();
  int Save() { return SaveScript(); }
  int OpenScript(const CStringU& path);
  int SaveScript();
  // Asks whether to save unsaved changes. 1: go on (saved, or not wanted);
  // 0: the user cancelled, or the save failed.
  int PromptSaveChanges();

  std::vector<std::unique_ptr<CDlgRes>> dialogs;
  IdentifierTable ids;
  CStringU headerPath;
  IdentifierTable macroNames;
  // Ctrl+Z's entries refer to these dialogs and this table, so the journal
  // is forgotten with them.
  CJournal journal;
  int untitled = 1;

 private:
  struct SkippedStatements {
    CStringU dialog;
    std::vector<std::string> keywords;
  };

  int Load(CFileU& file);
  int Store(CFileU& file);
  void ResetAsNew();
  void ShowError();
  void ShowUnsupportedWarning();
  void RemoveTempFiles();

  CDocUi& ui_;
  FileReplacer& replacer_;
  // What the last load skipped inside dialogs, for the warning after open.
  std::vector<SkippedStatements> skipped_;
};

// The file name with its extension: what follows the last \, / or :.
CStringU FileNameOf(const CStringU& path);
// The drive and folder with the separator that ends them; empty without one.
CStringU FolderOf(const CStringU& path);
