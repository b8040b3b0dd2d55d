// What the settings window edits, without the window: the line-name box
// with its Enter cycling, and the masked rate text "!99C999;1;_".
#pragma once

#include <array>
#include <string>

// The editable name box: typing changes only EditBuffer; Enter puts it into
// item EditIndex and moves on to the next line, wrapping after line 15.
class LineNameEditor {
 public:
  static constexpr int kLines = 16;
  static constexpr std::size_t kMaxName = 10;

  std::array<std::wstring, kLines> items;
  std::wstring EditBuffer;
  int EditIndex = 0;

  void ComboChange(const std::wstring& text) { EditBuffer = text.substr(0, kMaxName); }
  // A click outside the list (no selection) leaves the index alone.
  void ComboClick(int index) {
    if (index >= 0 && index < kLines) EditIndex = index;
  }
  // The box selected item `index` and shows its name. The buffer takes it
  // too: Enter without typing must keep the name the user sees, not put the
  // one typed before (or nothing) over it.
  void Shown(int index) { EditBuffer = items[index]; }
  // Returns the item the box selects next.
  int ComboEnter();
};

// Six places: two optional digits, one required character of any kind (the
// separator), three optional digits. Blank places are ' ' in the text and
// shown as '_'; optional digits before the separator are leading blanks.
class RateMask {
 public:
  static constexpr int kLength = 6;

  // The stored rate text laid into the mask ("8,000" -> " 8,000").
  static std::string Format(const std::string& rateText);
  static bool Accepts(int position, char c);

  explicit RateMask(const std::string& rateText = std::string()) : text(Format(rateText)) {}

  const std::string& Text() const { return text; }
  std::string Display() const;
  int Caret() const { return caret; }
  void SetCaret(int position);

  // Each returns true when the text changed.
  bool Type(char c);
  bool Backspace();
  bool Delete();

 private:
  std::string text;
  int caret = 0;
};
