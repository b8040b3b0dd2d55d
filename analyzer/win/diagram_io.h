// Diagram files on disk: the whole sample buffer out, up to its size back
// in; exports for other tools out.
#pragma once

#include <string>

#include "analyzer/capture_export.h"
#include "analyzer/diagram_file.h"

// Creates or replaces the file with all samples.
DiagramStatus SaveDiagramFile(const std::wstring& path, const SampleBuffer& samples);
// Creates or replaces the file with the capture as VCD or CSV.
DiagramStatus SaveExportFile(const std::wstring& path, ExportFormat format, const ExportSource& source);
// Reads up to 65536 bytes over the start of the buffer; on failure the
// buffer is left as it was.
DiagramStatus LoadDiagramFile(const std::wstring& path, SampleBuffer& samples);
