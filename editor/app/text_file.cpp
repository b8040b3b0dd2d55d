#include "editor/app/text_file.h"

#include <algorithm>
#include <cstdio>

#include "editor/foundation/code_page.h"
#include "editor/foundation/file_u.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

int ReadBinaryFile(const CStringU& path, std::string& bytes) {
  bytes.clear();
  CFileU file;
  if (!file.Open(path, "rb")) return 0;
  return ReadWholeStream(file.fp, bytes);
}

int ReadWholeStream(std::FILE* fp, std::string& bytes) {
  // Sized once when the stream can tell its length; read to the end either way.
  if (std::fseek(fp, 0, SEEK_END) == 0) {
    long size = std::ftell(fp);
    if (size > 0) bytes.reserve(bytes.size() + static_cast<size_t>(size));
    std::rewind(fp);
  }
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, fp)) > 0) bytes.append(buffer, n);
  return std::ferror(fp) ? 0 : 1;
}

int ReadTextFile(const CStringU& path, std::string& text) {
  std::string bytes;
  if (!ReadBinaryFile(path, bytes)) return 0;
  // One pass over the bytes: megabytes of short lines.
  text.resize(bytes.size());
  const size_t n = bytes.size();
  size_t out = 0;
  for (size_t i = 0; i < n; ++i) {
    if (bytes[i] == '\r') {
      if (i + 1 < n && bytes[i + 1] == '\n') continue;  // the LF stays
      // A lone CR (old Mac line ends) ends a line too: taken as one line,
      // such a script would lose everything after its first dialog on save.
      text[out++] = '\n';
      continue;
    }
    text[out++] = bytes[i];
  }
  text.resize(out);
  return 1;
}

void AppendCrLf(std::string& out, std::string_view text) {
  const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
  size_t at = out.size();
  out.resize(at + text.size() + lines);
  for (char c : text) {
    if (c == '\n') out[at++] = '\r';
    out[at++] = c;
  }
}

int WriteBinaryFile(const CStringU& path, std::string_view bytes) {
  CFileU file;
  if (!file.Open(path, "wb")) return 0;
  const int written = file.Write(bytes);
  // Closing flushes: a full disk may only show here.
  return file.Close() && written ? 1 : 0;
}

int RemoveFile(const CStringU& path) {
#ifdef _WIN32
  if (_wremove(path.W()) == 0) return 1;
#else
  if (std::remove(Utf16ToUtf8(path.View()).c_str()) == 0) return 1;
#endif
  CFileU probe;
  return probe.Open(path, "rb") ? 0 : 1;
}

bool LineCursor::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  size_t lf = text_.find('\n', pos_);
  size_t end = lf == std::string_view::npos ? text_.size() : lf + 1;
  line = text_.substr(pos_, end - pos_);
  pos_ = end;
  return true;
}

LineWords FirstTwoWords(std::string_view line) {
  LineWords words;
  size_t i = 0;
  const size_t n = line.size();
  for (int w = 0; w < 2; ++w) {
    while (i < n && IsSpace(line[i])) ++i;
    if (i == n) break;
    size_t start = i;
    while (i < n && !IsSpace(line[i])) ++i;
    (w == 0 ? words.first : words.second) = line.substr(start, i - start);
    words.count = w + 1;
  }
  return words;
}

