#include "editor/properties/identifier_view_text.h"

#include <string_view>

namespace {

constexpr std::string_view kSeparator = "; ";
constexpr std::string_view kMore = "...";

}  // namespace

// Bytes are counted: in a multi-byte code page a name takes at least as many
// bytes as characters, so what fits here fits the cell.
std::string UsingText(const std::vector<std::string>& users, size_t limit) {
  std::string all;
  for (const std::string& user : users) {
    if (!all.empty()) all += kSeparator;
    all += user;
  }
  if (all.size() <= limit) return all;

  std::string shown;
  for (const std::string& user : users) {
    const size_t grown = shown.size() + (shown.empty() ? 0 : kSeparator.size()) + user.size();
    if (grown + kSeparator.size() + kMore.size() > limit) break;
    if (!shown.empty()) shown += kSeparator;
    shown += user;
  }
  if (shown.empty()) return std::string(kMore);
  shown += kSeparator;
  shown += kMore;
  return shown;
}
