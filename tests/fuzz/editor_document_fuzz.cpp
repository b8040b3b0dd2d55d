// Any bytes as the user's script: open it through the comment and
// conditional passes, save it back (merge, header, final write) and open the
// saved script again. Nothing may crash, leak or hang.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "editor/app/doc.h"

namespace {

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

std::filesystem::path& WorkFolder() {
  static std::filesystem::path folder;
  return folder;
}

void RemoveWorkFolder() {
  std::error_code ec;
  std::filesystem::remove_all(WorkFolder(), ec);
}

// The fuzzer works in a folder of its own, the current directory of the run,
// removed when the run ends.
void EnterWorkFolder() {
  namespace fs = std::filesystem;
  if (!WorkFolder().empty()) return;
  WorkFolder() = fs::temp_directory_path() / ("morvid-document-fuzz-" + std::to_string(::getpid()));
  fs::create_directories(WorkFolder());
  fs::current_path(WorkFolder());
  std::atexit(RemoveWorkFolder);
}

void Write(const char* name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  EnterWorkFolder();
  Write("s.rc", std::string(reinterpret_cast<const char*>(data), size));
  Write("Resource.h", "#define IDC_STATIC -1\r\n#define IDD_A 100\r\n#define IDC_B 101\r\n#define FLAG\r\n");
  QuietUi ui;
  CDoc doc(ui);
  if (doc.OpenScript(CStringU(u"s.rc")) && doc.SaveScript()) doc.OpenScript(CStringU(u"s.rc"));
  return 0;
}
