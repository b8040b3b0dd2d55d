#include "analyzer/capture_export.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "analyzer/analyzer_config.h"

namespace {

std::vector<uint8_t> Bytes(const std::vector<uint16_t>& samples) {
  std::vector<uint8_t> bytes;
  for (uint16_t s : samples) {
    bytes.push_back(static_cast<uint8_t>(s));
    bytes.push_back(static_cast<uint8_t>(s >> 8));
  }
  return bytes;
}

ExportSource Source(const std::vector<uint8_t>& bytes, double rateMHz) {
  TAnalyzerConfig config;
  SetDefaultConfig(config, kRateWhenMissing);
  return SourceFromConfig(bytes.data(), bytes.size() / 2, config, rateMHz);
}

// Restores the C locale when a test has switched to one with a decimal comma.
struct LocaleGuard {
  ~LocaleGuard() { std::setlocale(LC_ALL, "C"); }
};

}  // namespace

TEST(CaptureExport, TimescaleIsTheCoarsestUnitWithAWholePeriod) {
  struct Case {
    double rateMHz;
    int multiple;
    const char* unit;
    long double unitsPerSample;
    bool whole;
  };
  const Case cases[] = {
      {8, 1, "ns", 125, true},
      {12.5, 10, "ns", 8, true},
      {static_cast<float>(12.5), 10, "ns", 8, true},
      {1, 1, "us", 1, true},
      {100, 10, "ns", 1, true},
      {16, 100, "ps", 625, true},
      {static_cast<float>(0.1), 10, "us", 1, true},  // the settings hold a float
      {0.001, 1, "ms", 1, true},
      {2000, 100, "ps", 5, true},
      {1e-6, 1, "s", 1, true},
      {3, 1, "ns", 1000.0L / 3, false},
      {static_cast<float>(3.333), 1, "ns", 1000.0L / 3.333L, false},
      {3000, 100, "ps", 10.0L / 3, false},  // finer than 1 ns: samples keep their own timestamps
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rateMHz);
    const VcdTimescale scale = ChooseTimescale(c.rateMHz);
    EXPECT_EQ(scale.multiple, c.multiple);
    EXPECT_STREQ(scale.unit, c.unit);
    EXPECT_NEAR(static_cast<double>(scale.unitsPerSample), static_cast<double>(c.unitsPerSample), 1e-6);
    EXPECT_EQ(scale.whole, c.whole);
  }
}

TEST(CaptureExport, TimestampsAreRoundedFromTheSampleIndex) {
  const VcdTimescale three = ChooseTimescale(3);
  EXPECT_EQ(VcdTimestamp(three, 1), 333u);
  EXPECT_EQ(VcdTimestamp(three, 2), 667u);
  EXPECT_EQ(VcdTimestamp(three, 3), 1000u);
  EXPECT_EQ(VcdTimestamp(three, 32767), 10922333u);
  EXPECT_EQ(VcdTimestamp(three, 32768), 10922667u);
  EXPECT_EQ(VcdTimestamp(ChooseTimescale(8), 32768), 32768u * 125);
  EXPECT_EQ(VcdTimestamp(ChooseTimescale(12.5), 32767), 262136u);
  // One sample after the last never lands on the last one's timestamp.
  const VcdTimescale fast = ChooseTimescale(3000);
  for (std::size_t k = 0; k < 32768; ++k) ASSERT_LT(VcdTimestamp(fast, k), VcdTimestamp(fast, k + 1)) << k;
}

TEST(CaptureExport, LineNamesBecomeIdentifiers) {
  const struct {
    const char* name;
    int line;
    const char* expected;
  } cases[] = {
      {"Ln 0", 0, "Ln_0"},     {"SCL", 1, "SCL"},   {"", 2, "D2"},         {"   ", 3, "D3"},
      {"a.b/c[1]", 4, "a_b_c_1_"}, {"\xD2\xE0\xEA\xF2", 5, "D5"},  // a Cyrillic name in code page 1251
      {"Data\xC0", 6, "Data_"},  {"__", 7, "D7"},   {"_x_", 8, "_x_"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExportLineName(c.name, c.line), c.expected) << c.name;
}

TEST(CaptureExport, VcdHasTheHeaderAllLinesAtZeroAndThenOnlyChanges) {
  const std::vector<uint8_t> bytes = Bytes({0x0001, 0x0001, 0x8002, 0x8002, 0x0000});
  ExportSource source = Source(bytes, 8);
  source.lineNames[1] = "";
  source.lineNames[15] = "Clock out";
  std::string vcd;
  ASSERT_TRUE(WriteVcd(source, "2024-05-17 14:03:09", vcd));

  std::string expected =
      "$date\r\n  2024-05-17 14:03:09\r\n$end\r\n"
      "$version\r\n  Vantrel\r\n$end\r\n"
      "$timescale 1 ns $end\r\n"
      "$scope module vantrel $end\r\n";
  for (int i = 0; i < 16; ++i) {
    const std::string name = i == 1 ? "D1" : i == 15 ? "Clock_out" : "Ln_" + std::to_string(i);
    expected += "$var wire 1 " + std::string(1, static_cast<char>('!' + i)) + " " + name + " $end\r\n";
  }
  expected += "$upscope $end\r\n$enddefinitions $end\r\n#0\r\n$dumpvars\r\n1!\r\n";
  for (int i = 1; i < 16; ++i) expected += "0" + std::string(1, static_cast<char>('!' + i)) + "\r\n";
  expected +=
      "$end\r\n"
      "#250\r\n0!\r\n1\"\r\n10\r\n"  // sample 2: lines 0, 1 and 15 change
      "#500\r\n0\"\r\n00\r\n"        // sample 4
      "#625\r\n";                    // one sample after the last
  EXPECT_EQ(vcd, expected);
}

TEST(CaptureExport, CsvHasOneRowPerSampleWithLocaleFreeTimes) {
  LocaleGuard guard;
  // A decimal comma in the C library's locale must not reach the file.
  for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8"})
    if (std::setlocale(LC_ALL, name)) break;

  const std::vector<uint8_t> bytes = Bytes({0x0000, 0xFFFF, 0x8001, 0x0002});
  ExportSource source = Source(bytes, 3);
  source.lineNames[2] = "SDA, data";
  std::string csv;
  ASSERT_TRUE(WriteCsv(source, csv));
  const std::string header = "Time [us],Ln_0,Ln_1,SDA__data,Ln_3,Ln_4,Ln_5,Ln_6,Ln_7,Ln_8,Ln_9,Ln_10,Ln_11,"
                             "Ln_12,Ln_13,Ln_14,Ln_15\r\n";
  EXPECT_EQ(csv, header +
                     "0.000000,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                     "0.333333,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\r\n"
                     "0.666667,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n"
                     "1.000000,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");

  // The last row of a full buffer at 12.5 MHz: no error accumulates.
  std::vector<uint8_t> full(2 * 32768, 0);
  ASSERT_TRUE(WriteCsv(Source(full, 12.5), csv));
  const std::string last = csv.substr(csv.rfind("\r\n", csv.size() - 3) + 2);
  EXPECT_EQ(last.substr(0, last.find(',')), "2621.360000");
}

TEST(CaptureExport, NothingIsWrittenWithoutSamplesOrATimeableRate) {
  const std::vector<uint8_t> bytes = Bytes({1, 2});
  std::string out = "untouched";
  for (double rate : {0.0, -8.0, 1e-9, 1e7, std::nan("")}) {
    EXPECT_FALSE(WriteVcd(Source(bytes, rate), "", out)) << rate;
    EXPECT_FALSE(WriteCsv(Source(bytes, rate), out)) << rate;
  }
  const std::vector<uint8_t> none;
  EXPECT_FALSE(WriteVcd(Source(none, 8), "", out));
  EXPECT_FALSE(WriteCsv(Source(none, 8), out));
  EXPECT_EQ(out, "untouched");
}
