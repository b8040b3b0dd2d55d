#include "analyzer/diagram_file.h"

#include <algorithm>
#include <cstring>

std::size_t LoadDiagram(const uint8_t* data, std::size_t size, SampleBuffer& samples) {
  const std::size_t taken = std::min(size, kDiagramBytes);
  if (taken > 0) std::memcpy(samples.data(), data, taken);
  return taken;
}

const char* DiagramErrorText(DiagramStatus status) {
  switch (status) {
    case DiagramStatus::CannotRead: return "Не могу открыть файл диаграммы!";
    case DiagramStatus::CannotWrite: return "Не могу записать файл диаграммы!";
    case DiagramStatus::Ok: break;
  }
  return nullptr;
}
