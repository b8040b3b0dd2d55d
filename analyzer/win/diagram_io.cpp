#include "analyzer/win/diagram_io.h"

#include <windows.h>

#include <string>
#include <vector>

#include "analyzer/win/unique_handle.h"

namespace {

DiagramStatus WriteWholeFile(const std::wstring& path, const void* data, std::size_t size) {
  UniqueFileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return DiagramStatus::CannotWrite;
  DWORD written = 0;
  if (!WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr) || written != size)
    return DiagramStatus::CannotWrite;
  return DiagramStatus::Ok;
}

}  // namespace

DiagramStatus SaveDiagramFile(const std::wstring& path, const SampleBuffer& samples) {
  return WriteWholeFile(path, DiagramImage(samples), kDiagramBytes);
}

DiagramStatus SaveExportFile(const std::wstring& path, ExportFormat format, const ExportSource& source) {
  std::string text;
  const bool made = format == ExportFormat::Vcd ? WriteVcd(source, ExportDateNow(), text)
                    : format == ExportFormat::Csv ? WriteCsv(source, text)
                                                  : false;
  if (!made) return DiagramStatus::CannotWrite;
  return WriteWholeFile(path, text.data(), text.size());
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
