#include "editor/app/safe_file.h"

#include <cstdio>

#include "editor/app/text_file.h"
#include "editor/foundation/code_page.h"

namespace {

class RenameReplacer : public FileReplacer {
 public:
  bool Replace(const CStringU& from, const CStringU& to) override {
    return std::rename(Utf16ToUtf8(from.View()).c_str(), Utf16ToUtf8(to.View()).c_str()) == 0;
  }
};

}  // namespace

FileReplacer& PortableFileReplacer() {
  static RenameReplacer replacer;
  return replacer;
}

CStringU SafeWriteTempPath(const CStringU& path) {
  CStringU temp(path);
  return temp.Append(u".~tmp") ? temp : CStringU();
}

int WriteFileSafely(const CStringU& path, std::string_view bytes, FileReplacer& replacer) {
  const CStringU temp = SafeWriteTempPath(path);
  if (temp.IsEmpty()) return 0;
  if (WriteBinaryFile(temp, bytes) && replacer.Replace(temp, path)) return 1;
  RemoveFile(temp);
  return 0;
}
