#include "editor/foundation/file_u.h"

#include "editor/foundation/code_page.h"

CFileU::~CFileU() {
  if (fp) std::fclose(fp);
}

int CFileU::Open(const char* ansiName, const char* mode) {
  if (!Close() || !ansiName || !mode) return 0;
  fp = std::fopen(ansiName, mode);
  return fp ? 1 : 0;
}

int CFileU::Open(const CStringU& name, const char* mode) {
  if (!Close() || !mode) return 0;
#ifdef _WIN32
  std::wstring wideMode(mode, mode + std::string_view(mode).size());
  fp = _wfopen(name.W(), wideMode.c_str());
#else
  fp = std::fopen(Utf16ToUtf8(name.View()).c_str(), mode);
#endif
  return fp ? 1 : 0;
}

int CFileU::Close() {
  if (!fp) return 1;
  if (std::fclose(fp) != 0) {
    // The C library has released the stream whatever the result; keeping the
    // pointer would close it twice.
    fp = nullptr;
    return 0;
  }
  fp = nullptr;
  return 1;
}

CFileU::Line CFileU::ReadLine(std::string& line, size_t maxBytes) {
  line.clear();
  if (!fp) return Line::Error;
  while (line.size() < maxBytes) {
    int c = std::getc(fp);
    if (c == EOF) {
      if (std::ferror(fp)) return Line::Error;
      return line.empty() ? Line::End : Line::Read;
    }
    if (c == '\n') return Line::Read;
    if (c == '\r') {
      int next = std::getc(fp);
      if (next == '\n') return Line::Read;
      if (next != EOF) std::ungetc(next, fp);
    }
    line.push_back(static_cast<char>(c));
  }
  return Line::Read;
}

int CFileU::Write(std::string_view bytes) {
  if (!fp) return 0;
  return std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size() ? 1 : 0;
}

bool NextLinePiece(std::string_view bytes, size_t& pos, std::string_view& line, size_t maxBytes) {
  if (pos >= bytes.size()) return false;
  const size_t start = pos;
  while (pos - start < maxBytes && pos < bytes.size()) {
    char c = bytes[pos++];
    if (c == '\n') {
      line = bytes.substr(start, pos - 1 - start);
      return true;
    }
    if (c == '\r' && pos < bytes.size() && bytes[pos] == '\n') {
      ++pos;
      line = bytes.substr(start, pos - 2 - start);
      return true;
    }
  }
  line = bytes.substr(start, pos - start);
  return true;
}
