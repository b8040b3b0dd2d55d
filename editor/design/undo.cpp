#include "editor/design/undo.h"

namespace {

uint64_t g_lastSerial = 0;  // the editor runs on one thread

}  // namespace

uint64_t CUndo::Push(const UndoRecord& record) {
  records.push_front(record);
  records.front().serial = ++g_lastSerial;
  if (records.size() > depth) records.pop_back();
  return g_lastSerial;
}

int CUndo::Pop(UndoRecord& record) {
  if (records.empty()) return 0;
  record = std::move(records.front());
  records.pop_front();
  return 1;
}
