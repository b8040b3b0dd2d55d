#include "editor/foundation/document_u.h"

CDocumentU* CDocumentU::current = nullptr;

CDocumentU::CDocumentU() { current = this; }

CDocumentU::~CDocumentU() {
  if (current == this) current = nullptr;
}

int CDocumentU::NewDocument(const CStringU& name) {
  if (!ClearContents()) return 0;
  pathName = name;
  modified = 0;
  return 1;
}

int CDocumentU::OpenDocument(const CStringU& name) {
  CFileU file;
  // Nothing is touched unless the prepared copy can be read.
  if (!file.Open(kOpenFile, "rb")) return 0;
  if (!ClearContents()) return 0;
  pathName = name;
  if (!Exchange(file, 0)) return 0;
  if (!file.Close()) return 0;
  modified = 0;
  return 1;
}

int CDocumentU::SaveDocument() {
  CFileU file;
  if (!file.Open(kSaveFile, "wb")) return 0;
  if (!Exchange(file, 1)) return 0;
  if (!file.Close()) return 0;
  modified = 0;
  return 1;
}
