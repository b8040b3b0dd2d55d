// Plain message boxes: no owner, OK only, the message's icon.
#pragma once

#include "analyzer/messages.h"

class WinMessageSink : public MessageSink {
 public:
  void Show(const UserMessage& message) override;
};
