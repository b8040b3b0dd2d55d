// A buffer inside another process, for the messages of common controls that
// carry pointers (Wine does not carry them across processes).
#pragma once

#include <windows.h>

#include <string>

class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size)
      : process(process), data(static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))) {}
  ~RemoteBuffer() {
    if (data) VirtualFreeEx(process, data, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  template <typename T>
  void Write(const T& value, size_t offset = 0) const {
    WriteProcessMemory(process, data + offset, &value, sizeof(T), nullptr);
  }
  template <typename T>
  T Read(size_t offset = 0) const {
    T value{};
    ReadProcessMemory(process, data + offset, &value, sizeof(T), nullptr);
    return value;
  }
  // A text of at most 255 characters.
  std::wstring Text(size_t offset = 0) const {
    wchar_t text[256] = {};
    ReadProcessMemory(process, data + offset, text, sizeof(text) - sizeof(wchar_t), nullptr);
    return text;
  }
  char* At(size_t offset) const { return data + offset; }
  LPARAM Param() const { return reinterpret_cast<LPARAM>(data); }

 private:
  HANDLE process;
  char* data;
};
