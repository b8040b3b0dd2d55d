// The identifier table at the size of a large project: a header of N
// `#define` lines, then N rounds of allocating a name, using it in one of
// 2,000 dialogs and asking whether its number is used there.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "editor/properties/identifier_table.h"

namespace {

constexpr int kDialogs = 2000;

// Sorted as the editor writes it; five names share each number so that the
// allocations that follow still find numbers below 0xFFFF.
std::string WriteHeader(int lines) {
  char path[] = "/tmp/morvid-bench-XXXXXX";
  int fd = mkstemp(path);
  std::FILE* f = fdopen(fd, "wb");
  std::fputs("// Morvid generated header file\r\n#pragma once\r\n\r\n#include <windows.h>\r\n\r\n", f);
  std::fputs("#define IDC_STATIC\t\t-1\r\n", f);
  for (int i = 0; i < lines; ++i) std::fprintf(f, "#define IDC_HEADER%d\t\t%d\r\n", i, 100 + i / 5);
  std::fclose(f);
  return path;
}

std::vector<std::string> DialogNames() {
  std::vector<std::string> names;
  for (int d = 0; d < kDialogs; ++d) names.push_back("IDD_DIALOG" + std::to_string(d));
  return names;
}

void BM_LoadHeader(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  std::string path = WriteHeader(n);
  CErrorU error;
  for (auto _ : state) {
    IdentifierTable table;
    if (!table.LoadHeaderIds(CStringU(path.c_str()), error)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(table.UserIds().size());
  }
  unlink(path.c_str());
  state.SetComplexityN(n);
}
BENCHMARK(BM_LoadHeader)->Arg(5000)->Arg(10000)->Arg(20000)->Arg(50000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_AllocateUseRounds(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  std::string path = WriteHeader(n);
  std::vector<std::string> dialogs = DialogNames();
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) names.push_back("IDC_NEW" + std::to_string(i));
  CErrorU error;
  for (auto _ : state) {
    state.PauseTiming();
    auto table = std::make_unique<IdentifierTable>();
    table->LoadHeaderIds(CStringU(path.c_str()), error);
    state.ResumeTiming();
    size_t used = 0;
    for (int i = 0; i < n; ++i) {
      const std::string& dialog = dialogs[i % kDialogs];
      table->AllocateId(names[i]);
      uint16_t value = 0;
      table->ValueOf(names[i], value);
      table->AddUse(0, names[i], dialog);
      used += table->IsValueUsedIn(value, dialog);
    }
    if (used != static_cast<size_t>(n)) state.SkipWithError("a round failed");
    state.PauseTiming();
    table.reset();  // destruction is not part of the rounds
    state.ResumeTiming();
  }
  unlink(path.c_str());
  state.SetComplexityN(n);
}
BENCHMARK(BM_AllocateUseRounds)->Arg(5000)->Arg(10000)->Arg(20000)->Arg(50000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Undo of a deletion copies the whole table once.
void BM_Snapshot(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  std::string path = WriteHeader(n);
  CErrorU error;
  IdentifierTable table;
  table.LoadHeaderIds(CStringU(path.c_str()), error);
  for (auto _ : state) table.SnapshotIds();
  unlink(path.c_str());
}
BENCHMARK(BM_Snapshot)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
