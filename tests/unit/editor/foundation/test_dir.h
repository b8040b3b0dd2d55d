// A fresh temporary directory made current for one test, restored and removed afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TestDir {
 public:
  TestDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "morvid-XXXXXX").string();
    path = mkdtemp(templ.data());
    previous = std::filesystem::current_path();
    std::filesystem::current_path(path);
  }
  ~TestDir() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::filesystem::path path;

 private:
  std::filesystem::path previous;
};
