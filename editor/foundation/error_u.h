// CErrorU: the editor's one error message, built in steps by the operations
// that fail and shown once by the command that started them. Push and Pop
// save and restore it around nested work that adds context of its own.
#pragma once

#include <vector>

#include "editor/foundation/string_u.h"

// Where Show puts the message: a message box in the executable, a recorder in tests.
class CErrorSink {
 public:
  virtual ~CErrorSink() = default;
  virtual void ShowError(const CStringU& text, const CStringU& caption) = 0;
};

class CErrorU {
 public:
  virtual ~CErrorU() = default;

  void SetMessage(const char* text);
  // text followed by the old message; text alone when both exceed 255 characters.
  void PrependMessage(const char* text);
  // The message and every saved one are dropped.
  void Clear();
  // Does nothing without a sink.
  void Show(const CStringU& caption);
  int Push();
  // Restores the last saved message; nothing when none is saved.
  void Pop();

  size_t SavedCount() const { return saved.size(); }
  // The sink is not owned; nullptr removes it.
  void SetSink(CErrorSink* newSink) { sink = newSink; }

  CStringU message;

 private:
  std::vector<CStringU> saved;
  CErrorSink* sink = nullptr;
};

// The one instance of the program.
CErrorU& AppError();
