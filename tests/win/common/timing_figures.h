// What every timing harness run under Wine prints: the spread of a series of
// times and the load average the machine had while they were taken. The
// harnesses assert nothing; their figures are read by people.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace timing {

// Milliseconds of the performance counter.
double NowMs();

struct Spread {
  std::size_t n = 0;
  double min = 0;
  double p10 = 0;
  double median = 0;  // of an even count, the mean of the middle two
  double p90 = 0;
  double max = 0;
};
// All zeros for an empty series.
Spread SpreadOf(std::vector<double> values);

// The three load averages of the Linux host (Wine shows /proc on drive Z:),
// or "unknown".
std::string LoadAverage();
// "load average: 0.52 0.61 0.70", after `when` when given.
void PrintLoad(const char* when = nullptr);

// One line: the name, then median, min, p10, p90 and max in milliseconds and
// the number of values. Nothing for an empty series.
void PrintSpread(const char* name, const std::vector<double>& ms);

}  // namespace timing
