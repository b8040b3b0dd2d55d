#include "analyzer/diagram_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<SampleBuffer> Filled(uint8_t byte) {
  auto b = std::make_unique<SampleBuffer>();
  b->fill(byte);
  return b;
}

}  // namespace

TEST(DiagramFile, SaveWritesEverySampleAndLoadRestoresThem) {
  auto captured = std::make_unique<SampleBuffer>();
  for (size_t i = 0; i < kSampleBytes; ++i) (*captured)[i] = static_cast<uint8_t>(i * 7 + (i >> 9));
  const std::vector<uint8_t> file(DiagramImage(*captured), DiagramImage(*captured) + kDiagramBytes);
  ASSERT_EQ(file.size(), 65536u);
  EXPECT_EQ(file[2 * 32767], (*captured)[2 * 32767]);

  auto fresh = Filled(0);
  EXPECT_EQ(LoadDiagram(file.data(), file.size(), *fresh), 65536u);
  EXPECT_EQ(*fresh, *captured);
  EXPECT_EQ(SampleAt(*fresh, 32767), SampleAt(*captured, 32767));
}

TEST(DiagramFile, ShortFilesReplaceOnlyWhatTheyHold) {
  // A file of an earlier version: samples 0..16383.
  const std::vector<uint8_t> old(32768, 0x11);
  auto b = Filled(0xAA);
  EXPECT_EQ(LoadDiagram(old.data(), old.size(), *b), 32768u);
  EXPECT_EQ(SampleAt(*b, 16383), 0x1111);
  EXPECT_EQ(SampleAt(*b, 16384), 0xAAAA);

  const std::vector<uint8_t> tiny = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0};
  b = Filled(0xAA);
  EXPECT_EQ(LoadDiagram(tiny.data(), tiny.size(), *b), 10u);
  EXPECT_EQ(SampleAt(*b, 4), 5);
  EXPECT_EQ(SampleAt(*b, 5), 0xAAAA);

  b = Filled(0xAA);
  EXPECT_EQ(LoadDiagram(nullptr, 0, *b), 0u);
  EXPECT_EQ(SampleAt(*b, 0), 0xAAAA);
}

TEST(DiagramFile, LongerFilesGiveTheirFirst65536Bytes) {
  std::vector<uint8_t> big(70000, 0x22);
  big[65536] = 0x99;
  auto b = Filled(0);
  EXPECT_EQ(LoadDiagram(big.data(), big.size(), *b), 65536u);
  EXPECT_EQ(SampleAt(*b, 32767), 0x2222);
}
