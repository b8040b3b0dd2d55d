#include "editor/foundation/win/app_path_u.h"

#include <vector>

namespace {

std::wstring WithBackslash(std::wstring dir) {
  if (dir.empty() || dir.back() != L'\\') dir.push_back(L'\\');
  return dir;
}

// The stored value, or false when there is none that reads as text.
bool ReadStoredWorkDir(std::wstring& value) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, CAppPathU::kRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  DWORD size = 0;
  bool ok = RegQueryValueExW(key, CAppPathU::kWorkDirValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ);
  if (ok) {
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = size;
    ok = RegQueryValueExW(key, CAppPathU::kWorkDirValue, nullptr, &type,
                          reinterpret_cast<BYTE*>(buffer.data()), &got) == ERROR_SUCCESS;
    if (ok) value.assign(buffer.data());  // up to the terminator, stored or added
  }
  RegCloseKey(key);
  return ok;
}

}  // namespace

int CAppPathU::Init(HINSTANCE instance) {
  vendorKey = kVendorKey;
  wchar_t file[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameW(instance, file, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return 0;
  std::wstring path(file, n);
  size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return 0;
  appDir = path.substr(0, slash + 1);

  if (ReadStoredWorkDir(workDir)) return 1;
  DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::vector<wchar_t> current(size + 1, L'\0');
  if (size == 0 || GetCurrentDirectoryW(size + 1, current.data()) == 0) return 0;
  workDir = WithBackslash(current.data());
  return 1;
}

void CAppPathU::SetWorkDir(const wchar_t* directory) { workDir = WithBackslash(directory ? directory : L""); }

int CAppPathU::SaveWorkDir() const {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return 0;
  }
  DWORD bytes = static_cast<DWORD>((workDir.size() + 1) * sizeof(wchar_t));
  LONG result = RegSetValueExW(key, kWorkDirValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(workDir.c_str()), bytes);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? 1 : 0;
}

CAppPathU& AppPath() {
  static CAppPathU instance;
  return instance;
}
