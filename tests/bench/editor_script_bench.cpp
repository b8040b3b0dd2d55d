// Reading and writing the dialogs of a large generated script (20 controls
// per dialog), and the two resource compilers on the same script and header
// for comparison. The script and header are written into the build tree.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>

#include "editor/foundation/error_u.h"
#include "editor/properties/identifier_table.h"
#include "editor/script/script_reader.h"
#include "editor/script/script_writer.h"

namespace {

using morvid::CScriptReader;
using morvid::DialogStatement;
using morvid::ScanResult;
using morvid::ScriptCursor;

struct GeneratedScript {
  std::string script;
  std::string header;
};

// Every statement kind, a mix of named, numeric, predefined and static
// identifiers, and common controls, as a real script holds them.
GeneratedScript Generate(int dialogs) {
  GeneratedScript out;
  out.script = "#include <winresrc.h>\r\n#include \"resource.h\"\r\n\r\n";
  out.header = "#define IDC_STATIC -1\r\n";
  std::string& s = out.script;
  int nextId = 20000;
  char line[4096];
  for (int d = 1; d <= dialogs; ++d) {
    std::snprintf(line, sizeof line, "#define IDD_DLG%d %d\r\n", d, 100 + d);
    out.header += line;
    std::string ids[8];
    for (int k = 0; k < 8; ++k) {
      ids[k] = "IDC_D" + std::to_string(d) + "_" + std::to_string(k);
      std::snprintf(line, sizeof line, "#define %s %d\r\n", ids[k].c_str(), nextId++);
      out.header += line;
    }
    std::snprintf(line, sizeof line,
                  "IDD_DLG%d DIALOGEX 0, 0, 320, 200\r\n"
                  "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
                  "CAPTION \"Dialog %d: \"\"settings\"\"\"\r\n"
                  "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\r\n"
                  "BEGIN\r\n",
                  d, d);
    s += line;
    const char* body =
        "    LTEXT           \"Name:\",IDC_STATIC,7,7,40,8\r\n"
        "    EDITTEXT        %s,50,7,100,14,ES_AUTOHSCROLL\r\n"
        "    CTEXT           \"Centre\",IDC_STATIC,7,25,40,8\r\n"
        "    COMBOBOX        %s,50,25,100,80,CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP\r\n"
        "    RTEXT           \"Right\",IDC_STATIC,7,43,40,8\r\n"
        "    LISTBOX         %s,50,43,100,40,LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP\r\n"
        "    GROUPBOX        \"Options\",IDC_STATIC,160,7,150,80\r\n"
        "    AUTOCHECKBOX    \"Check\",%s,167,20,60,10\r\n"
        "    AUTORADIOBUTTON \"One\",%s,167,34,60,10,WS_GROUP\r\n"
        "    AUTORADIOBUTTON \"Two\",1001,167,48,60,10\r\n"
        "    STATE3          \"Three\",1002,167,62,60,10\r\n"
        "    CONTROL         \"\",%s,\"msctls_updown32\",UDS_ARROWKEYS | UDS_AUTOBUDDY,150,7,10,14\r\n"
        "    CONTROL         \"\",1003,\"msctls_progress32\",WS_BORDER,7,90,150,10\r\n"
        "    CONTROL         \"\",%s,\"msctls_trackbar32\",TBS_AUTOTICKS | WS_TABSTOP,7,105,150,15\r\n"
        "    CONTROL         \"\",1004,\"SysListView32\",LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP,"
        "7,125,300,40,WS_EX_CLIENTEDGE\r\n"
        "    SCROLLBAR       %s,300,7,10,80,SBS_VERT\r\n"
        "    CHECKBOX        \"Box\",1005,230,20,60,10\r\n"
        "    LTEXT           \"Path C:\\\\dir\\\\file\\ttab\",IDC_STATIC,7,170,200,8,SS_NOPREFIX\r\n"
        "    DEFPUSHBUTTON   \"OK\",IDOK,200,180,50,14\r\n"
        "    PUSHBUTTON      \"Cancel\",IDCANCEL,260,180,50,14\r\n"
        "END\r\n\r\n";
    std::snprintf(line, sizeof line, body, ids[0].c_str(), ids[1].c_str(), ids[2].c_str(), ids[3].c_str(),
                  ids[4].c_str(), ids[5].c_str(), ids[6].c_str(), ids[7].c_str());
    s += line;
  }
  return out;
}

// Through the table's own loader, as the document reads Resource.h.
void LoadHeader(const std::string& header, IdentifierTable& ids) {
  std::FILE* f = fmemopen(const_cast<char*>(header.data()), header.size(), "rb");
  CErrorU error;
  if (!f || !ids.LoadHeaderIds(f, error)) std::abort();
  std::fclose(f);
}

// The document's word walk over the whole script; the header is loaded first.
std::size_t ReadAll(const GeneratedScript& generated, IdentifierTable& ids,
                    std::vector<std::unique_ptr<CDlgRes>>& dialogs) {
  CErrorU error;
  CScriptReader reader(ids, error);
  ScriptCursor cursor(generated.script);
  std::string previous;
  std::string word;
  std::size_t controls = 0;
  while (cursor.ReadWord(word) == ScanResult::kFound) {
    if (word == "DIALOG" || word == "DIALOGEX") {
      ids.AllocateId(previous);
      DialogStatement result;
      if (!reader.ReadDialogStatement(cursor, word, previous, result)) std::abort();
      controls += result.dialog->count;
      dialogs.push_back(std::move(result.dialog));
    }
    previous.swap(word);
  }
  return controls;
}

// range(1): 1 to time the header's loading into the table as well.
void BM_ReadDialogs(benchmark::State& state) {
  GeneratedScript generated = Generate(static_cast<int>(state.range(0)));
  const bool withHeader = state.range(1) != 0;
  std::size_t controls = 0;
  for (auto _ : state) {
    auto ids = std::make_unique<IdentifierTable>();
    std::vector<std::unique_ptr<CDlgRes>> dialogs;
    if (!withHeader) state.PauseTiming();
    LoadHeader(generated.header, *ids);
    if (!withHeader) state.ResumeTiming();
    controls = ReadAll(generated, *ids, dialogs);
    benchmark::DoNotOptimize(dialogs.data());
    state.PauseTiming();
    dialogs.clear();
    ids.reset();
    state.ResumeTiming();
  }
  state.counters["controls"] = static_cast<double>(controls);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * generated.script.size()));
}
// With --benchmark_repetitions: the best run, which other work on a shared
// machine disturbs least.
double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(BM_ReadDialogs)
    ->ArgsProduct({{200, 500, 1000, 2000}, {0, 1}})
    ->ArgNames({"dialogs", "header"})
    ->ComputeStatistics("min", Min)
    ->Unit(benchmark::kMillisecond);

void BM_WriteDialogs(benchmark::State& state) {
  GeneratedScript generated = Generate(static_cast<int>(state.range(0)));
  IdentifierTable ids;
  std::vector<std::unique_ptr<CDlgRes>> dialogs;
  LoadHeader(generated.header, ids);
  ReadAll(generated, ids, dialogs);
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string out;
    for (const auto& dialog : dialogs) morvid::WriteDialog(out, *dialog, ids);
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteDialogs)
    ->Arg(200)->Arg(500)->Arg(1000)->Arg(2000)
    ->ComputeStatistics("min", Min)
    ->Unit(benchmark::kMillisecond);

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Growth from 200 to 2,000 dialogs (10 is linear) of reading (header
// included) and of writing. The sizes alternate and each keeps its best
// processor time, so that other work on a shared machine weighs on both alike.
void BM_ReadWriteGrowth(benchmark::State& state) {
  const GeneratedScript scripts[] = {Generate(200), Generate(2000)};
  double read[2] = {1e9, 1e9};
  double write[2] = {1e9, 1e9};
  for (auto _ : state) {
    for (int i = 0; i < 2; ++i) {
      auto ids = std::make_unique<IdentifierTable>();
      std::vector<std::unique_ptr<CDlgRes>> dialogs;
      double start = CpuSeconds();
      LoadHeader(scripts[i].header, *ids);
      ReadAll(scripts[i], *ids, dialogs);
      read[i] = std::min(read[i], CpuSeconds() - start);
      start = CpuSeconds();
      std::string out;
      for (const auto& dialog : dialogs) morvid::WriteDialog(out, *dialog, *ids);
      benchmark::DoNotOptimize(out.data());
      write[i] = std::min(write[i], CpuSeconds() - start);
    }
  }
  state.counters["read_200_ms"] = 1000 * read[0];
  state.counters["read_2000_ms"] = 1000 * read[1];
  state.counters["read_growth"] = read[1] / read[0];
  state.counters["write_200_ms"] = 1000 * write[0];
  state.counters["write_2000_ms"] = 1000 * write[1];
  state.counters["write_growth"] = write[1] / write[0];
}
BENCHMARK(BM_ReadWriteGrowth)->Iterations(10)->Unit(benchmark::kMillisecond);

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The compilers read the same script and header from the build tree.
void BM_Compiler(benchmark::State& state, const char* tool, const char* command) {
  const std::string dir = BENCH_OUTPUT_DIR;
  GeneratedScript generated = Generate(static_cast<int>(state.range(0)));
  std::ofstream(dir + "/generated.rc", std::ios::binary) << generated.script;
  std::ofstream(dir + "/resource.h", std::ios::binary) << generated.header;
  if (std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) != 0) {
    state.SkipWithError("compiler not installed");
    return;
  }
  const std::string run = "cd '" + dir + "' && " + command + " >/dev/null 2>&1";
  double cpu = 0;
  for (auto _ : state) {
    double cpuBefore = ChildCpuSeconds();
    auto start = std::chrono::steady_clock::now();
    if (std::system(run.c_str()) != 0) {
      state.SkipWithError("compiler failed");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    cpu += ChildCpuSeconds() - cpuBefore;
  }
  // The compilers' own processor time, comparable with the reader's CPU
  // time when the machine is busy.
  state.counters["child_cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
}
BENCHMARK_CAPTURE(BM_Compiler, llvm_rc, "llvm-rc",
                  "llvm-rc /I /usr/share/mingw-w64/include /FO generated.res generated.rc")
    ->Arg(200)->Arg(2000)->UseManualTime()->Iterations(3)->ComputeStatistics("min", Min)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compiler, windres, "x86_64-w64-mingw32-windres",
                  "x86_64-w64-mingw32-windres generated.rc -O coff -o generated.o")
    ->Arg(200)->Arg(2000)->UseManualTime()->Iterations(3)->ComputeStatistics("min", Min)
    ->Unit(benchmark::kMillisecond);

}  // namespace
