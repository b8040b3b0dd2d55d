// CDocumentU: the base of the editor's one document. The derived document
// turns the user's script into "ex0002.tmp" before OpenDocument and merges
// "ex0001.tmp" back into the script after SaveDocument; both names are
// relative to the current directory.
#pragma once

#include "editor/foundation/file_u.h"
#include "editor/foundation/string_u.h"

class CDocumentU {
 public:
  static constexpr const char* kOpenFile = "ex0002.tmp";
  static constexpr const char* kSaveFile = "ex0001.tmp";

  CDocumentU();
  CDocumentU(const CDocumentU&) = delete;
  CDocumentU& operator=(const CDocumentU&) = delete;
  virtual ~CDocumentU();

  // Discards all document data; nonzero = go on.
  virtual int ClearContents() = 0;
  // Reads the document from the file (storing 0) or writes it (storing 1); nonzero = success.
  virtual int Exchange(CFileU& file, int storing) = 0;

  int NewDocument(const CStringU& name);
  int OpenDocument(const CStringU& name);
  int SaveDocument();
  void SetPathName(const CStringU& name) { pathName = name; }

  // The document that exists now, or nullptr.
  static CDocumentU* Current() { return current; }
  // Every edit of the model calls this, so that closing asks to save it.
  static void MarkModified() {
    if (current != nullptr) current->modified = 1;
  }

  CStringU pathName;
  int modified = 0;

 private:
  static CDocumentU* current;
};
