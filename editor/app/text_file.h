// Text files of the editor: 8-bit bytes with CR LF line ends on disk and LF
// in memory, the same on every build.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "editor/foundation/string_u.h"


// Reads the whole file; each CR that stands before an LF is dropped, and a
// lone CR becomes an LF. Returns
// 1, or 0 when the file cannot be opened or read.
int ReadTextFile(const CStringU& path, std::string& text);

// Appends text with every LF written as CR LF.
void AppendCrLf(std::string& out, std::string_view text);

// Appends the rest of an open stream from its start; 1, or 0 on a read error.
int ReadWholeStream(std::FILE* fp, std::string& bytes);

// Reads a whole file as it is. Returns 1 or 0.
int ReadBinaryFile(const CStringU& path, std::string& bytes);

// Creates or truncates the file and writes the bytes; 1 only when every byte
// reached the file and it closed cleanly.
int WriteBinaryFile(const CStringU& path, std::string_view bytes);

// Removes the file; 1 when it is gone (or was never there).
int RemoveFile(const CStringU& path);

// Walks a text line by line; a line keeps its LF, the last one may lack it.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  bool Next(std::string_view& line);

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// The first words of a line as the C library's "%s" splits them.
struct LineWords {
  std::string_view first;
  std::string_view second;
  int count = 0;  // 0, 1 or 2 (2 means two or more)
};
LineWords FirstTwoWords(std::string_view line);

