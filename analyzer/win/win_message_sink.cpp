#include "analyzer/win/win_message_sink.h"

#include <windows.h>

#include "analyzer/win/win_text.h"

void WinMessageSink::Show(const UserMessage& message) {
  const UINT icon = message.icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONWARNING;
  MessageBoxW(nullptr, WideFromUtf8(message.text).c_str(), WideFromUtf8(message.caption).c_str(), MB_OK | icon);
}
