// The user-visible messages of the analyzer. Every failure is one plain box
// (no owner, OK only); the core hands them to a MessageSink so that the
// window shows them and tests can see exactly which box would appear.
#pragma once

#include <string>

enum class MessageIcon { Error, Warning };

struct UserMessage {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8
  MessageIcon icon;
};

bool operator==(const UserMessage& a, const UserMessage& b);

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void Show(const UserMessage& message) = 0;
};

namespace msg {
constexpr const char kAppTitle[] = "Vantrel";
constexpr const char kErrorCaption[] = "Ошибка!";
constexpr const char kWarningCaption[] = "Предупреждение!";

constexpr const char kNoMemory[] = "Нет свободной памяти!";
constexpr const char kConfigMissing[] = "Конфигурационный файл отсутствует! Настройки по умолчанию.";
constexpr const char kConfigDamaged[] = "Конфигурационный файл поврежден!";
constexpr const char kCannotOpenCom[] = "Не могу открыть COM!";
constexpr const char kCannotRead[] = "Не удаётся произвести чтение!";
constexpr const char kNoDevice[] = "Не могу обнаружить устройство!";
constexpr const char kCannotCreateConfig[] = "Не могу открыть конфигурационный файл!";
constexpr const char kCannotWriteConfig[] = "Не могу записать в конфигурационный файл!";
}  // namespace msg

UserMessage ErrorBox(const std::string& text);
UserMessage WarningBox(const std::string& text);
// The application's own error box, used for a rate text that is no number.
UserMessage AppErrorBox(const std::string& text);

// "Считано только N байт из 65536!"
UserMessage ShortReadBox(std::size_t bytes);
// The application's box for a rate text that does not convert.
UserMessage BadRateBox(const std::string& rateText);
