#include "analyzer/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

void TrimTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

std::u16string FormatGeneral(long double value, int digits, char16_t separator) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  if (digits < 1) digits = 1;
  if (value == 0) return u"0";

  // Let printf do the rounding once; the digits and exponent then say
  // everything about the rounded value.
  char buf[96];
  std::snprintf(buf, sizeof buf, "%.*Le", digits - 1, std::fabs(value));
  std::string text(buf);
  const size_t e = text.find('e');
  std::string mantissa;
  for (size_t i = 0; i < e; ++i)
    if (text[i] >= '0' && text[i] <= '9') mantissa += text[i];
  const int exponent = std::atoi(text.c_str() + e + 1);

  std::u16string out = value < 0 ? u"-" : u"";
  if (exponent < digits && exponent >= -5) {
    std::string whole, fraction;
    if (exponent >= 0) {
      whole = mantissa.substr(0, static_cast<size_t>(exponent) + 1);
      fraction = mantissa.substr(static_cast<size_t>(exponent) + 1);
    } else {
      whole = "0";
      fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
    }
    TrimTrailingZeros(fraction);
    out += Widen(whole);
    if (!fraction.empty()) out += separator + Widen(fraction);
    return out;
  }

  std::string rest = mantissa.substr(1);
  TrimTrailingZeros(rest);
  out += static_cast<char16_t>(mantissa[0]);
  if (!rest.empty()) out += separator + Widen(rest);
  out += exponent < 0 ? u"E-" : u"E+";
  out += Widen(std::to_string(std::abs(exponent)));
  return out;
}

std::u16string FormatFixed3(long double value, char16_t separator) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%.3Lf", value);
  std::u16string out = Widen(buf);
  for (char16_t& c : out)
    if (c == u'.') c = separator;
  return out;
}
