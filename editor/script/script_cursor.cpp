#include "editor/script/script_cursor.h"

namespace morvid {

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

ScanResult ScriptCursor::ReadWord(std::string& word) {
  SkipWhite();
  std::size_t start = pos_;
  while (pos_ < text_.size() && !IsScriptWhite(text_[pos_])) ++pos_;
  std::size_t length = pos_ - start;
  if (length == 0) {
    word.clear();
    return ScanResult::kNone;
  }
  if (length > kMaxTokenLength) {
    word.assign(text_.data() + start, kMaxTokenLength);
    return ScanResult::kTooLong;
  }
  word.assign(text_.data() + start, length);
  return ScanResult::kFound;
}

bool ScriptCursor::ReadInteger(std::uint32_t& value) {
  std::size_t saved = pos_;
  SkipWhite();
  bool negative = false;
  if (Peek() == '+' || Peek() == '-') {
    negative = Peek() == '-';
    ++pos_;
  }
  unsigned base = 10;
  if (Peek() == '0') {
    base = 8;
    if (pos_ + 2 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X') &&
        DigitValue(text_[pos_ + 2]) < 16) {
      base = 16;
      pos_ += 2;
    }
  }
  std::uint32_t result = 0;
  std::size_t digits = 0;
  while (pos_ < text_.size()) {
    int digit = DigitValue(text_[pos_]);
    if (digit >= static_cast<int>(base)) break;
    result = result * base + static_cast<std::uint32_t>(digit);
    ++pos_;
    ++digits;
  }
  if (digits == 0) {
    pos_ = saved;
    return false;
  }
  value = negative ? 0u - result : result;
  return true;
}

bool ScriptCursor::ReadDecimal(std::int32_t& value) {
  std::size_t saved = pos_;
  SkipWhite();
  bool negative = false;
  if (Peek() == '+' || Peek() == '-') {
    negative = Peek() == '-';
    ++pos_;
  }
  std::uint32_t result = 0;
  std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
    result = result * 10u + static_cast<std::uint32_t>(text_[pos_] - '0');
    ++pos_;
  }
  if (pos_ == start) {
    pos_ = saved;
    return false;
  }
  value = static_cast<std::int32_t>(negative ? 0u - result : result);
  return true;
}

LineTracker::LineTracker(std::string_view text, std::size_t from) : text_(text), scanned_(from) {
  if (scanned_ > text_.size()) scanned_ = text_.size();
  // Where the first position stands: one look back, once.
  std::size_t back = scanned_;
  while (back > 0 && text_[back - 1] != '\n') {
    if (!IsScriptWhite(text_[back - 1])) lineHasWord_ = true;
    --back;
  }
  std::size_t before = back;
  while (before > 0 && IsScriptWhite(text_[before - 1])) --before;
  continues_ = before > 0 && (text_[before - 1] == ',' || text_[before - 1] == '|');
  for (std::size_t i = scanned_; i > 0; --i) {
    if (!IsScriptWhite(text_[i - 1])) {
      lastNonWhite_ = text_[i - 1];
      break;
    }
  }
}

bool LineTracker::StartsLine(std::size_t pos) {
  if (pos > text_.size()) pos = text_.size();
  for (; scanned_ < pos; ++scanned_) {
    const char c = text_[scanned_];
    if (c == '\n') {
      continues_ = lastNonWhite_ == ',' || lastNonWhite_ == '|';
      lineHasWord_ = false;
    } else if (!IsScriptWhite(c)) {
      lineHasWord_ = true;
      lastNonWhite_ = c;
    }
  }
  return !lineHasWord_;
}

}  // namespace morvid
