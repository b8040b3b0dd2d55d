// What the document asks of the user and shows to the user. The Win32 shell
// implements it with message boxes owned by the frame (caption: the program
// title), the common file dialogs, the working directory and the dialog list
// panel; tests implement it with a recorder.
#pragma once

#include "editor/foundation/string_u.h"

// The filter of the open and save dialogs, in the form the common dialogs
// take (pairs of description and pattern, each ended by a zero).
inline constexpr char16_t kScriptFileFilter[] =
    u"Файлы ресурсов (*.rc)\0*.rc\0Все файлы (*.*)\0*.*\0";

class CDocUi {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~CDocUi() = default;

  // The program title, caption of every box the document shows.
  virtual CStringU ProgramTitle() = 0;
  // Question box with Yes, No and Cancel.
  virtual Answer AskYesNoCancel(const CStringU& text) = 0;
  // Warning box with OK; the text may be longer than a CStringU holds.
  virtual void ShowWarning(const std::u16string& text) = 0;

  // The open dialog (file must exist, hide read-only) and the save dialog
  // (overwrite prompt, hide read-only), both with kScriptFileFilter, filter
  // index 1, the given initial folder, and without keeping the current
  // directory. `path` comes preset for the save dialog. False: cancelled.
  virtual bool AskOpenPath(const CStringU& initialDir, CStringU& path) = 0;
  virtual bool AskSavePath(const CStringU& initialDir, CStringU& path) = 0;

  // The working directory kept between runs.
  virtual CStringU GetWorkDir() = 0;
  virtual void SetWorkDir(const CStringU& dir) = 0;

  // The dialog list panel.
  virtual void ResetDialogTree(const CStringU& root) = 0;
  virtual void FillDialogTree(const CStringU& root, const CStringU& folder) = 0;
  virtual void SetDialogTreeRoot(const CStringU& root) = 0;
};
