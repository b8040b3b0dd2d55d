#include "editor_test_util.h"

#include <fstream>
#include <iterator>

#include "win_test_util.h"

namespace morvidtest {

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &result);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TestData(const std::wstring& name) { return wintest::Widen(TEST_DATA_DIR) + L"\\" + name; }

// Wide names: a narrow one is taken in the ANSI code page, not UTF-8.
std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string DialogBlock(const std::string& script, const std::string& name) {
  const size_t start = script.find("\r\n" + name + " DIALOG");
  if (start == std::string::npos) return {};
  const size_t end = script.find("\r\nEND\r\n", start);
  return script.substr(start, end == std::string::npos ? std::string::npos : end + 7 - start);
}

namespace {

std::wstring TempFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  return temp;
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder(std::wstring tag) {
  for (wchar_t& c : tag)
    if (c == L'/') c = L'_';  // names of parameterised tests
  path = TempFolder() + L"morvid_" + tag + L"_" + std::to_wstring(GetCurrentProcessId());
  RemoveTree(path);
  CreateDirectoryW(path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
  // A folder cannot go while it is the current directory.
  SetCurrentDirectoryW(TempFolder().c_str());
  RemoveTree(path);
}

bool Captured(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndCapture != nullptr;
}

void Drag(HWND window, POINT from, std::initializer_list<POINT> path, std::initializer_list<WORD> keys,
          const std::function<bool()>& drawn) {
  const auto settle = [&drawn](bool moved) {
    if (drawn && moved) {
      wintest::PumpUntil(drawn, 1000);
    } else if (drawn) {
      wintest::PumpPending();
    } else {
      wintest::PumpUntil([] { return false; }, 150);
    }
  };
  for (WORD key : keys) wintest::KeyOnScreen(key, true);
  wintest::LeftButtonOnScreen(from, true);
  wintest::PumpUntil([&] { return Captured(window); }, 3000);
  // Taking the capture makes Wine read the keys back from the X server,
  // which never saw them held: they are pressed again for the release.
  for (WORD key : keys) wintest::KeyOnScreen(key, true);
  POINT last = from;
  for (POINT at : path) {
    wintest::MoveOnScreen(at);
    settle(true);
    last = at;
  }
  wintest::LeftButtonOnScreen(last, false);
  wintest::PumpUntil([&] { return !Captured(window); }, 3000);
  for (WORD key : keys) wintest::KeyOnScreen(key, false);
  settle(false);
}

}  // namespace morvidtest
