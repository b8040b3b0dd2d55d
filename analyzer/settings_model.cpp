#include "analyzer/settings_model.h"

int LineNameEditor::ComboEnter() {
  items[EditIndex] = EditBuffer;
  EditIndex = EditIndex + 1 > kLines - 1 ? 0 : EditIndex + 1;
  Shown(EditIndex);
  return EditIndex;
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr int kSeparator = 2;
}  // namespace

std::string RateMask::Format(const std::string& rateText) {
  std::string source = rateText.substr(0, kLength);
  const std::size_t first = source.find_first_not_of(' ');
  source = first == std::string::npos ? std::string() : source.substr(first);
  std::size_t split = 0;
  while (split < source.size() && IsDigit(source[split])) ++split;
  std::string whole = source.substr(0, split);
  if (whole.size() > 2) whole = whole.substr(whole.size() - 2);
  std::string result(kLength, ' ');
  result.replace(2 - whole.size(), whole.size(), whole);
  if (split < source.size()) {
    result[kSeparator] = source[split];
    for (std::size_t i = split + 1, at = 3; i < source.size() && at < kLength && IsDigit(source[i]); ++i, ++at) {
      result[at] = source[i];
    }
  }
  return result;
}

bool RateMask::Accepts(int position, char c) {
  if (position == kSeparator) return c != '\0';
  return position >= 0 && position < kLength && IsDigit(c);
}

std::string RateMask::Display() const {
  std::string shown = text;
  for (char& c : shown) {
    if (c == ' ') c = '_';
  }
  return shown;
}

void RateMask::SetCaret(int position) { caret = position < 0 ? 0 : (position > kLength ? kLength : position); }

bool RateMask::Type(char c) {
  if (caret >= kLength) return false;
  // A separator typed into the digits before it jumps over them.
  if (caret < kSeparator && !IsDigit(c) && Accepts(kSeparator, c)) caret = kSeparator;
  if (!Accepts(caret, c)) return false;
  const bool changed = text[caret] != c;
  text[caret] = c;
  ++caret;
  return changed;
}

bool RateMask::Backspace() {
  if (caret == 0) return false;
  --caret;
  const bool changed = text[caret] != ' ';
  text[caret] = ' ';
  return changed;
}

bool RateMask::Delete() {
  if (caret >= kLength) return false;
  const bool changed = text[caret] != ' ';
  text[caret] = ' ';
  return changed;
}
