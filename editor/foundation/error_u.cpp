#include "editor/foundation/error_u.h"

void CErrorU::SetMessage(const char* text) { message.Assign(text); }

void CErrorU::PrependMessage(const char* text) {
  CStringU head(text);
  if (head.Length() + message.Length() > CStringU::kCapacity) {
    message = head;
  } else {
    head.Append(message);
    message = head;
  }
}

void CErrorU::Clear() {
  message.Assign(u"");
  saved.clear();
}

void CErrorU::Show(const CStringU& caption) {
  if (sink) sink->ShowError(message, caption);
}

int CErrorU::Push() {
  saved.push_back(message);
  return 1;
}

void CErrorU::Pop() {
  if (saved.empty()) return;
  message = saved.back();
  saved.pop_back();
}

CErrorU& AppError() {
  static CErrorU instance;
  return instance;
}
