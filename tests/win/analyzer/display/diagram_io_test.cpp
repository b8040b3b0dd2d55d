// Diagram files written and read through the Windows file API.
#include "analyzer/win/diagram_io.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "analyzer/analyzer_config.h"

namespace {

std::wstring TempPath(const std::wstring& name) {
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + name;
}

std::vector<char> FileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::wstring& path, const std::vector<char>& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(DiagramIo, RoundTripKeepsEverySampleUnderACyrillicName) {
  auto captured = std::make_unique<SampleBuffer>();
  for (size_t i = 0; i < kSampleBytes; ++i) (*captured)[i] = static_cast<uint8_t>(i ^ (i >> 8));
  const std::wstring path = TempPath(L"диаграмма.lan");
  WriteBytes(path, std::vector<char>(100000, 'x'));  // a longer file is replaced, not overlaid
  ASSERT_EQ(SaveDiagramFile(path, *captured), DiagramStatus::Ok);
  EXPECT_EQ(FileBytes(path).size(), 65536u);

  auto fresh = std::make_unique<SampleBuffer>();
  ASSERT_EQ(LoadDiagramFile(path, *fresh), DiagramStatus::Ok);
  EXPECT_EQ(*fresh, *captured);
  DeleteFileW(path.c_str());
}

TEST(DiagramIo, FailuresAreReportedAndLeaveTheBufferAlone) {
  auto samples = std::make_unique<SampleBuffer>();
  samples->fill(0x5A);
  EXPECT_EQ(LoadDiagramFile(TempPath(L"no such file.lan"), *samples), DiagramStatus::CannotRead);
  EXPECT_EQ(SampleAt(*samples, 0), 0x5A5A);
  EXPECT_EQ(SaveDiagramFile(TempPath(L"no such folder\\x.lan"), *samples), DiagramStatus::CannotWrite);
}

TEST(DiagramIo, ExportsWriteWhatTheCoreMakesOrReportThatNothingWasWritten) {
  auto samples = std::make_unique<SampleBuffer>();
  for (size_t i = 0; i < kSampleBytes; ++i) (*samples)[i] = static_cast<uint8_t>(i * 13);
  TAnalyzerConfig config;
  SetDefaultConfig(config, kRateWhenMissing);
  ExportSource source = SourceFromConfig(samples->data(), kSampleCount, config, 12.5);

  const std::wstring csv = TempPath(L"экспорт.csv");
  ASSERT_EQ(SaveExportFile(csv, ExportFormat::Csv, source), DiagramStatus::Ok);
  std::string expected;
  ASSERT_TRUE(WriteCsv(source, expected));
  const std::vector<char> written = FileBytes(csv);
  EXPECT_EQ(std::string(written.begin(), written.end()), expected);
  DeleteFileW(csv.c_str());

  const std::wstring vcd = TempPath(L"экспорт.vcd");
  ASSERT_EQ(SaveExportFile(vcd, ExportFormat::Vcd, source), DiagramStatus::Ok);
  EXPECT_GT(FileBytes(vcd).size(), 32768u);
  DeleteFileW(vcd.c_str());

  EXPECT_EQ(SaveExportFile(TempPath(L"no such folder\\x.vcd"), ExportFormat::Vcd, source), DiagramStatus::CannotWrite);
  source.rateMHz = 0;
  EXPECT_EQ(SaveExportFile(vcd, ExportFormat::Vcd, source), DiagramStatus::CannotWrite);
  EXPECT_EQ(GetFileAttributesW(vcd.c_str()), INVALID_FILE_ATTRIBUTES);
}
