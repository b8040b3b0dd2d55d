#include "editor/app/safe_file.h"

#include <cstdio>

#include "editor/app/text_file.h"

namespace {

class RenameReplacer : public FileReplacer {
 public:
  bool Replace(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }
};

}  // namespace

FileReplacer& PortableFileReplacer() {
  static RenameReplacer replacer;
  return replacer;
}

std::string SafeWriteTempPath(const std::string& path) { return path + ".~tmp"; }

int WriteFileSafely(const std::string& path, std::string_view bytes, FileReplacer& replacer) {
  const std::string temp = SafeWriteTempPath(path);
  if (WriteBinaryFile(temp, bytes) && replacer.Replace(temp, path)) return 1;
  std::remove(temp.c_str());
  return 0;
}
