#include "analyzer/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// printf rounds an exact tie to even (1000,5 to 1000 but 1001,5 to 1002);
// the picture rounds ties away from zero, so it asks for this many digits
// more and rounds them off itself.
constexpr int kGuardDigits = 30;

std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

void TrimTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

template <typename... Args>
std::string Printed(const char* format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format, args...);
  if (size <= 0) return std::string();
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(&text[0], text.size(), format, args...);
  text.resize(static_cast<size_t>(size));
  return text;
}

// Keeps the first `keep` digits, rounding half away from zero on the rest.
// True when the carry ran out of the front (999 -> 1000).
bool RoundDigits(std::string& digits, size_t keep) {
  const bool up = keep < digits.size() && digits[keep] >= '5';
  digits.resize(keep);
  if (!up) return false;
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
  return true;
}

}  // namespace

std::u16string FormatGeneral(long double value, int digits, char16_t separator) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  if (digits < 1) digits = 1;
  if (value == 0) return u"0";

  const std::string text = Printed("%.*Le", digits - 1 + kGuardDigits, std::fabs(value));
  const size_t e = text.find('e');
  if (e == std::string::npos) return u"";
  std::string mantissa;
  for (size_t i = 0; i < e; ++i)
    if (text[i] >= '0' && text[i] <= '9') mantissa += text[i];
  int exponent = std::atoi(text.c_str() + e + 1);
  if (RoundDigits(mantissa, static_cast<size_t>(digits))) {
    mantissa.pop_back();
    ++exponent;
  }

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
  if (!std::isfinite(value)) return FormatGeneral(value, 15, separator);
  const std::string text = Printed("%.*Lf", 3 + kGuardDigits, std::fabs(value));
  const size_t point = text.find('.');
  if (point == std::string::npos) return u"";
  std::string digits = text.substr(0, point) + text.substr(point + 1);
  size_t whole = point;
  if (RoundDigits(digits, whole + 3)) ++whole;
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::u16string out = value < 0 && !zero ? u"-" : u"";
  out += Widen(digits.substr(0, whole));
  out += separator;
  out += Widen(digits.substr(whole));
  return out;
}
