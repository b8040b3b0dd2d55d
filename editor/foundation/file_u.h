// CFileU: the owner of one buffered file stream. Text files are opened in
// byte mode on every build; ReadLine drops the CR of CR LF and writers put
// "\r\n" themselves, so both builds see and write the same bytes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "editor/foundation/string_u.h"

class CFileU {
 public:
  CFileU() = default;
  CFileU(const CFileU&) = delete;
  CFileU& operator=(const CFileU&) = delete;
  virtual ~CFileU();

  // 1 when opened; an open stream is closed first.
  int Open(const char* ansiName, const char* mode);
  int Open(const CStringU& name, const char* mode);
  // 1 when there was nothing to close or the stream closed without error,
  // 0 when closing failed (data may be lost). Either way the stream is gone.
  int Close();

  enum class Line { Read, End, Error };
  // One line without its end; a longer line comes in pieces of maxBytes.
  Line ReadLine(std::string& line, size_t maxBytes = 255);
  // 1 when every byte was written.
  int Write(std::string_view bytes);

  std::FILE* fp = nullptr;
};

// The next line of bytes in memory as CFileU::ReadLine reads it from a
// stream: without its LF or CR LF (a lone CR stays), a longer line in pieces
// of maxBytes. False at the end.
bool NextLinePiece(std::string_view bytes, size_t& pos, std::string_view& line, size_t maxBytes = 255);
