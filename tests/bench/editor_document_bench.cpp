// Opening and saving a large generated script through the document, and
// llvm-rc compiling the same script, side by side.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>

#include "editor/app/doc.h"

namespace {

namespace fs = std::filesystem;

class QuietUi : public CDocUi {
 public:
  CStringU ProgramTitle() override { return CStringU(u"Resource Editor"); }
  Answer AskYesNoCancel(const CStringU&) override { return Answer::No; }
  void ShowWarning(const std::u16string&) override {}
  bool AskOpenPath(const CStringU&, CStringU&) override { return false; }
  bool AskSavePath(const CStringU&, CStringU&) override { return false; }
  CStringU GetWorkDir() override { return CStringU(); }
  void SetWorkDir(const CStringU&) override {}
  void ResetDialogTree(const CStringU&) override {}
  void FillDialogTree(const CStringU&, const CStringU&) override {}
  void SetDialogTreeRoot(const CStringU&) override {}
};

constexpr int kControlsPerDialog = 20;

// A script of `dialogs` dialogs of 20 controls each, with about 500 bytes of
// string tables, menus and version blocks per dialog between them, and a
// header of 20 lines per dialog (the dialog and 19 controls; one control is
// static). 2,000 dialogs give 40,000 controls, 1 MB of other resources and
// a 40,000-line header.
void Generate(int dialogs, const fs::path& folder) {
  std::ofstream header(folder / "Resource.h", std::ios::binary);
  std::ofstream script(folder / "big.rc", std::ios::binary);
  header << "#define IDC_STATIC -1\r\n";
  for (int d = 0; d < dialogs; ++d) header << "#define IDD_D" << d << " " << 100 + d << "\r\n";
  for (int d = 0; d < dialogs; ++d)
    for (int c = 1; c < kControlsPerDialog; ++c)
      header << "#define IDC_D" << d << "_C" << c << " " << 5000 + d * kControlsPerDialog + c << "\r\n";

  script << "#include \"Resource.h\"\r\n#include <windows.h>\r\n\r\n";
  static const char* const kinds[] = {"PUSHBUTTON \"Button\",", "AUTOCHECKBOX \"Check\",", "EDITTEXT ",
                                      "COMBOBOX ", "GROUPBOX \"Group\","};
  for (int d = 0; d < dialogs; ++d) {
    script << "IDD_D" << d << " DIALOGEX 0, 0, 320, 200\r\n"
           << "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
           << "CAPTION \"Dialog " << d << "\"\r\nFONT 8, \"MS Shell Dlg\"\r\nBEGIN\r\n"
           << "    LTEXT \"Label\",IDC_STATIC,7,7,60,8\r\n";
    for (int c = 1; c < kControlsPerDialog; ++c)
      script << "    " << kinds[c % 5] << "IDC_D" << d << "_C" << c << "," << 7 + (c % 4) * 70 << ","
             << 20 + (c / 4) * 20 << ",60,14\r\n";
    script << "END\r\n\r\n";
    // About 500 bytes of other resources per dialog.
    if (d % 3 == 0) {
      script << "STRINGTABLE\r\nBEGIN\r\n";
      for (int s = 0; s < 9; ++s)
        script << "    " << 20000 + d * 9 + s << " \"A string of the table, number " << s << " of " << d << "\"\r\n";
      script << "END\r\n\r\n";
    } else if (d % 3 == 1) {
      script << 40000 + d << " MENU\r\nBEGIN\r\n    POPUP \"&File\"\r\n    BEGIN\r\n";
      for (int m = 0; m < 12; ++m) script << "        MENUITEM \"Item " << m << "\", " << 50000 + m << "\r\n";
      script << "    END\r\nEND\r\n\r\n";
    } else {
      script << 60000 + d << " VERSIONINFO\r\n FILEVERSION 1,0,0," << d
             << "\r\nBEGIN\r\n    BLOCK \"StringFileInfo\"\r\n    BEGIN\r\n        BLOCK \"040904b0\"\r\n"
             << "        BEGIN\r\n            VALUE \"FileDescription\", \"Generated resource\"\r\n"
             << "            VALUE \"FileVersion\", \"1.0.0.0\"\r\n        END\r\n    END\r\n"
             << "    BLOCK \"VarFileInfo\"\r\n    BEGIN\r\n        VALUE \"Translation\", 0x409, 1200\r\n"
             << "    END\r\nEND\r\n\r\n";
    }
  }
}

// A generated script in its own folder, which is the current directory while
// the benchmark runs.
class Workspace {
 public:
  explicit Workspace(int dialogs)
      : folder_(fs::temp_directory_path() / ("morvid-doc-bench-" + std::to_string(dialogs))),
        saved_(fs::current_path()) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    Generate(dialogs, folder_);
    fs::current_path(folder_);
  }
  ~Workspace() {
    fs::current_path(saved_);
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  const fs::path& Folder() const { return folder_; }

 private:
  fs::path folder_;
  fs::path saved_;
};

void BM_OpenScript(benchmark::State& state) {
  Workspace workspace(static_cast<int>(state.range(0)));
  QuietUi ui;
  CDoc doc(ui);
  for (auto _ : state) {
    if (!doc.OpenScript(CStringU(u"big.rc"))) state.SkipWithError("open failed");
  }
  state.counters["dialogs"] = static_cast<double>(doc.dialogs.size());
}

void BM_SaveScript(benchmark::State& state) {
  Workspace workspace(static_cast<int>(state.range(0)));
  QuietUi ui;
  CDoc doc(ui);
  if (!doc.OpenScript(CStringU(u"big.rc"))) state.SkipWithError("open failed");
  for (auto _ : state) {
    if (!doc.SaveScript()) state.SkipWithError("save failed");
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size("big.rc"));
}

void BM_OpenAndSave(benchmark::State& state) {
  Workspace workspace(static_cast<int>(state.range(0)));
  QuietUi ui;
  CDoc doc(ui);
  for (auto _ : state) {
    if (!doc.OpenScript(CStringU(u"big.rc")) || !doc.SaveScript()) state.SkipWithError("open or save failed");
  }
}

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Growth from 200 to 2,000 dialogs (10 is linear) of open and of save. The
// sizes alternate and each keeps its best processor time, so that other work
// on a shared machine weighs on both alike.
void BM_OpenSaveGrowth(benchmark::State& state) {
  Workspace small(200);
  Workspace large(2000);
  const fs::path* folders[] = {&small.Folder(), &large.Folder()};
  QuietUi ui;
  // Each size has its document, reopened as the editor reopens a script.
  CDoc smallDoc(ui);
  CDoc largeDoc(ui);
  CDoc* docs[] = {&smallDoc, &largeDoc};
  double open[2] = {1e9, 1e9};
  double save[2] = {1e9, 1e9};
  for (auto _ : state) {
    for (int i = 0; i < 2; ++i) {
      fs::current_path(*folders[i]);
      double start = CpuSeconds();
      if (!docs[i]->OpenScript(CStringU(u"big.rc"))) state.SkipWithError("open failed");
      open[i] = std::min(open[i], CpuSeconds() - start);
      start = CpuSeconds();
      if (!docs[i]->SaveScript()) state.SkipWithError("save failed");
      save[i] = std::min(save[i], CpuSeconds() - start);
    }
  }
  state.counters["open_200_ms"] = 1000 * open[0];
  state.counters["open_2000_ms"] = 1000 * open[1];
  state.counters["open_growth"] = open[1] / open[0];
  state.counters["save_200_ms"] = 1000 * save[0];
  state.counters["save_2000_ms"] = 1000 * save[1];
  state.counters["save_growth"] = save[1] / save[0];
}

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A compiler's own processor time (its preprocessor included), so that the
// figures compare with the CPU column of the document's benchmarks on a
// machine shared with other work.
void BM_Compile(benchmark::State& state, const char* command) {
  Workspace workspace(static_cast<int>(state.range(0)));
  const std::string run = std::string(command) + " >/dev/null 2>&1";
  for (auto _ : state) {
    double before = ChildCpuSeconds();
    if (std::system(run.c_str()) != 0) state.SkipWithError("the compiler failed or is missing");
    state.SetIterationTime(ChildCpuSeconds() - before);
  }
}

// With --benchmark_repetitions: the best run, which other work on a shared
// machine disturbs least.
double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(BM_OpenScript)->Arg(200)->Arg(2000)->ComputeStatistics("min", Min)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveScript)->Arg(200)->Arg(2000)->ComputeStatistics("min", Min)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndSave)->Arg(200)->Arg(2000)->ComputeStatistics("min", Min)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSaveGrowth)->Iterations(6)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compile, LlvmRc, "llvm-rc /I /usr/x86_64-w64-mingw32/include /FO big.res big.rc")
    ->Arg(200)->Arg(2000)->ComputeStatistics("min", Min)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(BM_Compile, Windres, "x86_64-w64-mingw32-windres big.rc -O coff -o big.o")
    ->Arg(200)->Arg(2000)->ComputeStatistics("min", Min)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
