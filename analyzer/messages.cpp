#include "analyzer/messages.h"

bool operator==(const UserMessage& a, const UserMessage& b) {
  return a.text == b.text && a.caption == b.caption && a.icon == b.icon;
}

UserMessage ErrorBox(const std::string& text) { return {text, msg::kErrorCaption, MessageIcon::Error}; }

UserMessage WarningBox(const std::string& text) { return {text, msg::kWarningCaption, MessageIcon::Warning}; }

UserMessage AppErrorBox(const std::string& text) { return {text, msg::kAppTitle, MessageIcon::Error}; }

UserMessage ShortReadBox(std::size_t bytes) {
  return WarningBox("Считано только " + std::to_string(bytes) + " байт из 65536!");
}

UserMessage BadRateBox(const std::string& rateText) {
  return AppErrorBox("\"" + rateText + "\" не является числом с плавающей точкой.");
}
