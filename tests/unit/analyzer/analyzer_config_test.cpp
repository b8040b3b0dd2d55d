#include "analyzer/analyzer_config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fake_port.h"

namespace {

class ConfigFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path = ::testing::TempDir() + "la_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".cfg";
    std::remove(path.c_str());
  }
  void TearDown() override { std::remove(path.c_str()); }

  void WriteBytes(const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::vector<uint8_t> ReadBytes() {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }

  std::string path;
  RecordingSink sink;
  TAnalyzerConfig config = {};
};

void ExpectDefaults(const TAnalyzerConfig& config, const char* rate) {
  EXPECT_EQ(config.Colour0, 0x00FF00u);
  EXPECT_EQ(config.Colour1, 0xFF0000u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(LineName(config, i), "Ln " + std::to_string(i));
  EXPECT_EQ(config.PortIndex, 1);
  EXPECT_EQ(RateText(config), rate);
}

TEST_F(ConfigFile, MissingFileWarnsAndDefaultsWithComma) {
  EXPECT_EQ(LoadConfig(path, config, sink), ConfigRead::Missing);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], (UserMessage{"Конфигурационный файл отсутствует! Настройки по умолчанию.", "Предупреждение!",
                                        MessageIcon::Warning}));
  ExpectDefaults(config, "8,000");
  EXPECT_STREQ(PortName(config.PortIndex), "COM2");
}

TEST_F(ConfigFile, ShortFileIsDamagedAndDefaultsWithPoint) {
  WriteBytes(std::vector<uint8_t>(100, 0x41));
  EXPECT_EQ(LoadConfig(path, config, sink), ConfigRead::Damaged);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], (UserMessage{"Конфигурационный файл поврежден!", "Ошибка!", MessageIcon::Error}));
  ExpectDefaults(config, "8.000");
}

TEST_F(ConfigFile, LongFileGivesItsFirst210BytesSilently) {
  std::vector<uint8_t> bytes(300);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i);
  WriteBytes(bytes);
  EXPECT_EQ(LoadConfig(path, config, sink), ConfigRead::Loaded);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(0, std::memcmp(&config, bytes.data(), 210));
}

TEST_F(ConfigFile, SaveWrites210BytesThatLoadBackWhole) {
  SetDefaultConfig(config, "8,000");
  SetRateText(config, "12,345");  // six characters: no terminator
  SetLineName(config, 3, "Clock");
  config.PortIndex = 0;
  ASSERT_TRUE(SaveConfig(path, config, sink));
  const std::vector<uint8_t> bytes = ReadBytes();
  ASSERT_EQ(bytes.size(), 210u);
  EXPECT_EQ(std::string(bytes.begin() + 204, bytes.end()), "12,345");

  TAnalyzerConfig back = {};
  EXPECT_EQ(LoadConfig(path, back, sink), ConfigRead::Loaded);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(RateText(back), "12,345");
  EXPECT_EQ(LineName(back, 3), "Clock");
  EXPECT_STREQ(PortName(back.PortIndex), "COM1");
}

TEST_F(ConfigFile, SaveIntoMissingFolderReportsCannotOpen) {
  SetDefaultConfig(config, "8,000");
  EXPECT_FALSE(SaveConfig(::testing::TempDir() + "no/such/dir/la.cfg", config, sink));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], (UserMessage{"Не могу открыть конфигурационный файл!", "Ошибка!", MessageIcon::Error}));
}

TEST(ConfigText, UnterminatedFieldsAreReadWithinTheirLimits) {
  TAnalyzerConfig config;
  std::memset(&config, 'x', sizeof(config));
  EXPECT_EQ(LineName(config, 15), std::string(11, 'x'));
  EXPECT_EQ(RateText(config), std::string(6, 'x'));
  SetLineName(config, 0, "a-name-longer-than-eleven");
  EXPECT_EQ(LineName(config, 0), "a-name-long");
  EXPECT_EQ(config.LineNames[0][11], '\0');
  EXPECT_EQ(LineName(config, 1), std::string(11, 'x')) << "the neighbour is untouched";
}

TEST(ConfigText, PortIndexZeroIsCom1AndAnythingElseCom2) {
  EXPECT_STREQ(PortName(0), "COM1");
  EXPECT_STREQ(PortName(1), "COM2");
  EXPECT_STREQ(PortName(2), "COM2");
  EXPECT_STREQ(PortName(-1), "COM2");
}

TEST(ConvertRate, AcceptsCommaOrPointWithBlanksAround) {
  float mhz = 0;
  EXPECT_TRUE(ConvertRate("8,000", mhz));
  EXPECT_FLOAT_EQ(mhz, 8.0f);
  EXPECT_TRUE(ConvertRate("8.000", mhz));
  EXPECT_FLOAT_EQ(mhz, 8.0f);
  EXPECT_TRUE(ConvertRate(" 2,5  ", mhz));
  EXPECT_FLOAT_EQ(mhz, 2.5f);
  EXPECT_TRUE(ConvertRate("12,   ", mhz));
  EXPECT_FLOAT_EQ(mhz, 12.0f);
  EXPECT_TRUE(ConvertRate(" ,125", mhz));
  EXPECT_FLOAT_EQ(mhz, 0.125f);
}

TEST(ConvertRate, RejectsNonNumbersAndRatesNotAboveZero) {
  for (const char* text : {"", "   ", "abc", "8,0,0", "8 ,000", ",", "0,000", "-1", "inf", "0x10", "1e3", "8;000"}) {
    float mhz = 42.0f;
    EXPECT_FALSE(ConvertRate(text, mhz)) << '"' << text << '"';
    EXPECT_EQ(mhz, 42.0f) << "unchanged on failure";
  }
}

}  // namespace
