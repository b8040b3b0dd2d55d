#include "analyzer/number_format.h"

#include <gtest/gtest.h>

TEST(FormatGeneral, FixedWhileTheRoundedValueFits) {
  EXPECT_EQ(FormatGeneral(0, 4, u','), u"0");
  EXPECT_EQ(FormatGeneral(2, 4, u','), u"2");
  EXPECT_EQ(FormatGeneral(2.5L, 4, u','), u"2,5");
  EXPECT_EQ(FormatGeneral(16.0L / 3, 4, u','), u"5,333");
  EXPECT_EQ(FormatGeneral(16.0L / 3, 4, u'.'), u"5.333");
  EXPECT_EQ(FormatGeneral(1234.4L, 4, u','), u"1234");
  EXPECT_EQ(FormatGeneral(0.00012346L, 4, u','), u"0,0001235");
  EXPECT_EQ(FormatGeneral(0.00001L, 4, u','), u"0,00001");
  EXPECT_EQ(FormatGeneral(-2.5L, 4, u','), u"-2,5");
  EXPECT_EQ(FormatGeneral(2.0L / 3, 15, u','), u"0,666666666666667");
  EXPECT_EQ(FormatGeneral(123456789012345.0L, 15, u','), u"123456789012345");
}

TEST(FormatGeneral, ScientificWhenTooLargeOrTooSmall) {
  EXPECT_EQ(FormatGeneral(8192, 4, u','), u"8192");
  EXPECT_EQ(FormatGeneral(8192.4L, 3, u','), u"8,19E+3");
  EXPECT_EQ(FormatGeneral(81920, 4, u','), u"8,192E+4");
  EXPECT_EQ(FormatGeneral(9999.6L, 4, u','), u"1E+4");  // rounding adds a digit
  EXPECT_EQ(FormatGeneral(10000, 4, u'.'), u"1E+4");
  EXPECT_EQ(FormatGeneral(0.0000099996L, 4, u','), u"0,00001");
  EXPECT_EQ(FormatGeneral(0.000001234L, 4, u','), u"1,234E-6");
  EXPECT_EQ(FormatGeneral(1e20L, 15, u','), u"1E+20");
}

TEST(FormatFixed3, ThreeDecimalsWithTheSeparator) {
  EXPECT_EQ(FormatFixed3(1.25L, u','), u"1,250");
  EXPECT_EQ(FormatFixed3(1.25L, u'.'), u"1.250");
  EXPECT_EQ(FormatFixed3(0, u','), u"0,000");
  EXPECT_EQ(FormatFixed3(8191.75L, u','), u"8191,750");
  EXPECT_EQ(FormatFixed3(2.0L / 3, u','), u"0,667");
  EXPECT_EQ(FormatFixed3(9.9996L, u','), u"10,000");
}

// Readouts and tick labels land exactly halfway often (rate 8 at zoom 1 gives
// quarters of a microsecond): such ties go up, never to the even neighbour.
TEST(NumberFormats, ExactTiesRoundAwayFromZero) {
  EXPECT_EQ(FormatGeneral(1000.5L, 4, u','), u"1001");
  EXPECT_EQ(FormatGeneral(1001.5L, 4, u','), u"1002");
  EXPECT_EQ(FormatGeneral(0.03125L, 3, u','), u"0,0313");
  EXPECT_EQ(FormatGeneral(99995, 4, u','), u"1E+5");
  EXPECT_EQ(FormatGeneral(-2.5L, 1, u','), u"-3");
  EXPECT_EQ(FormatFixed3(0.0625L, u','), u"0,063");
  EXPECT_EQ(FormatFixed3(0.3125L, u'.'), u"0.313");
  EXPECT_EQ(FormatFixed3(0.1875L, u','), u"0,188");
  EXPECT_EQ(FormatFixed3(0.0624L, u','), u"0,062");
}
