#include "analyzer/win/diagram_io.h"

#include <windows.h>

#include <vector>

#include "analyzer/win/unique_handle.h"

DiagramStatus SaveDiagramFile(const std::wstring& path, const SampleBuffer& samples) {
  UniqueFileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return DiagramStatus::CannotWrite;
  DWORD written = 0;
  if (!WriteFile(file.get(), DiagramImage(samples), static_cast<DWORD>(kDiagramBytes), &written, nullptr) ||
      written != kDiagramBytes)
    return DiagramStatus::CannotWrite;
  return DiagramStatus::Ok;
}

DiagramStatus LoadDiagramFile(const std::wstring& path, SampleBuffer& samples) {
  UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return DiagramStatus::CannotRead;
  std::vector<uint8_t> content(kDiagramBytes);
  DWORD read = 0;
  if (!ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr))
    return DiagramStatus::CannotRead;
  LoadDiagram(content.data(), read, samples);
  return DiagramStatus::Ok;
}
