#pragma once
// A read position in an in-memory copy of a script. The reader scans with
// the rules of C formatted input (white space, %s, %i, %d), so a script is
// read the same whether it comes from a file stream or from memory; the only
// look-ahead is saving and restoring the position.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvid {

// Words, names and texts longer than this fail the statement they are in
// rather than being cut, so nothing is lost without the user seeing it.
constexpr std::size_t kMaxTokenLength = 255;

enum class ScanResult {
  kFound,
  kNone,     // nothing of the kind here (or the end of the text)
  kTooLong,  // longer than kMaxTokenLength; the whole run was consumed
};

// White space of formatted input: blank, tab, LF, vertical tab, form feed, CR.
inline bool IsScriptWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Membership in a handful of separator characters, without a library call
// per character.
inline bool IsOneOf(char c, std::string_view set) {
  for (char s : set) {
    if (s == c) return true;
  }
  return false;
}

// The first position from `start` whose character is in `set`, or the end.
inline std::size_t FindOneOf(std::string_view text, std::size_t start, std::string_view set) {
  while (start < text.size() && !IsOneOf(text[start], set)) ++start;
  return start;
}

class ScriptCursor {
 public:
  explicit ScriptCursor(std::string_view text) : text_(text) {}

  std::size_t Position() const { return pos_; }
  void SetPosition(std::size_t pos) { pos_ = pos < text_.size() ? pos : text_.size(); }
  bool AtEnd() const { return pos_ >= text_.size(); }
  // The next character, or -1 at the end.
  int Peek() const { return AtEnd() ? -1 : static_cast<unsigned char>(text_[pos_]); }
  void Advance() { if (!AtEnd()) ++pos_; }
  std::string_view Text() const { return text_; }

  // Inline: called for nearly every character of a script.
  void SkipWhite() {
    while (pos_ < text_.size() && IsScriptWhite(text_[pos_])) ++pos_;
  }
  // Skips the longest run of characters of `set`; returns how many.
  std::size_t SkipRun(std::string_view set) {
    std::size_t start = pos_;
    while (pos_ < text_.size() && IsOneOf(text_[pos_], set)) ++pos_;
    return pos_ - start;
  }

  // %255s: white space skipped, then the longest run of non-white characters.
  // kNone only at the end of the text.
  ScanResult ReadWord(std::string& word);

  // %i: white space skipped, optional sign, then 0x/0X hexadecimal, a leading
  // 0 octal, otherwise decimal. The value wraps to 32 bits. "0x" without a hex
  // digit reads as 0 with the "x" left unread, as strtol does. Without a digit
  // the cursor stays where it was and the result is false.
  bool ReadInteger(std::uint32_t& value);
  // %d: as ReadInteger but always decimal ("0x10" reads as 0).
  bool ReadDecimal(std::int32_t& value);


 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Follows the lines of a text forward, position by position, so that asking
// about many words of one long line stays linear in the text.
class LineTracker {
 public:
  LineTracker(std::string_view text, std::size_t from);
  // Moves on to `pos` (never backwards) and tells whether only white space
  // stands before it on its line.
  bool StartsLine(std::size_t pos);
  // Whether the line of the last position continues the one before it: that
  // line's last non-white character is a comma or a bar.
  bool ContinuesList() const { return continues_; }

 private:
  std::string_view text_;
  std::size_t scanned_;
  bool lineHasWord_ = false;
  bool continues_ = false;
  char lastNonWhite_ = 0;
};

}  // namespace morvid
