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

// Each input runs in a folder of the fuzzer's own, removed at the end; the
// current directory is restored afterwards, because the fuzzer reads its
// corpus by relative names.
class InWorkFolder {
 public:
  InWorkFolder() : saved_(std::filesystem::current_path()) {
    namespace fs = std::filesystem;
    if (WorkFolder().empty()) {
      WorkFolder() = fs::temp_directory_path() / ("morvid-document-fuzz-" + std::to_string(::getpid()));
      fs::create_directories(WorkFolder());
      std::atexit(RemoveWorkFolder);
    }
    fs::current_path(WorkFolder());
  }
  ~InWorkFolder() { std::filesystem::current_path(saved_); }

 private:
  std::filesystem::path saved_;
};

void Write(const char* name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InWorkFolder folder;
  Write("s.rc", std::string(reinterpret_cast<const char*>(data), size));
  Write("Resource.h", "#define IDC_STATIC -1\r\n#define IDD_A 100\r\n#define IDC_B 101\r\n#define FLAG\r\n");
  QuietUi ui;
  CDoc doc(ui);
  if (doc.OpenScript(CStringU(u"s.rc")) && doc.SaveScript()) doc.OpenScript(CStringU(u"s.rc"));
  return 0;
}
