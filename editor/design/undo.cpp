#include "editor/design/undo.h"

void CUndo::Push(const UndoRecord& record) {
  records.push_front(record);
  if (records.size() > kDepth) records.pop_back();
}

int CUndo::Pop(UndoRecord& record) {
  if (records.empty()) return 0;
  record = std::move(records.front());
  records.pop_front();
  return 1;
}
