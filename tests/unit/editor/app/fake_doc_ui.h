// A recorder of what the document asks and shows, with scripted answers.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "editor/app/doc_ui.h"
#include "editor/foundation/code_page.h"
#include "editor/foundation/error_u.h"

namespace apptest {

inline std::string U8(const CStringU& text) { return Utf16ToUtf8(text.View()); }

class FakeDocUi : public CDocUi, public CErrorSink {
 public:
  FakeDocUi() { AppError().SetSink(this); }
  ~FakeDocUi() override { AppError().SetSink(nullptr); }

  CStringU ProgramTitle() override { return CStringU(u"Resource Editor"); }
  Answer AskYesNoCancel(const CStringU& text) override {
    log.push_back("ask: " + U8(text));
    Answer answer = answers.empty() ? Answer::Cancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  void ShowWarning(const std::u16string& text) override { log.push_back("warning: " + Utf16ToUtf8(text)); }
  void ShowError(const CStringU& text, const CStringU& caption) override {
    log.push_back("error: " + U8(text));
    errorCaption = U8(caption);
  }
  bool AskOpenPath(const CStringU& initialDir, CStringU& path) override {
    log.push_back("open dialog in " + U8(initialDir));
    path = openPath;
    return !openPath.IsEmpty();
  }
  bool AskSavePath(const CStringU& initialDir, CStringU& path) override {
    log.push_back("save dialog in " + U8(initialDir) + " for " + U8(path));
    path = savePath;
    return !savePath.IsEmpty();
  }
  CStringU GetWorkDir() override { return workDir; }
  void SetWorkDir(const CStringU& dir) override { workDir = dir; }
  void ResetDialogTree(const CStringU& root) override { log.push_back("reset tree: " + U8(root)); }
  void FillDialogTree(const CStringU& root, const CStringU& folder) override {
    log.push_back("fill tree: " + U8(root) + " / " + U8(folder));
  }
  void SetDialogTreeRoot(const CStringU& root) override { log.push_back("tree root: " + U8(root)); }

  std::vector<std::string> log;
  std::deque<Answer> answers;
  CStringU openPath;
  CStringU savePath;
  CStringU workDir{u"C:\\work\\"};
  std::string errorCaption;
};

}  // namespace apptest
