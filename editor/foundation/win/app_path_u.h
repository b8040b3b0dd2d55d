// CAppPathU: the program's directory and the working directory, which the
// editor keeps across runs in the registry value "WorkDir" under
// HKEY_CURRENT_USER\Software\Halvo\Morvid.
#pragma once

#include <windows.h>

#include <string>

#include "editor/foundation/string_u.h"

class CAppPathU {
 public:
  virtual ~CAppPathU() = default;

  // Called once at start: the program directory, and the stored working
  // directory or else the current one. 0 when the program file name fails.
  int Init(HINSTANCE instance);
  // Empty when the directory does not fit a CStringU.
  CStringU GetWorkDir() const { return CStringU(workDir.c_str()); }
  // Stored with a trailing backslash.
  void SetWorkDir(const wchar_t* directory);
  int SaveWorkDir() const;

  const std::wstring& AppDir() const { return appDir; }
  const std::wstring& WorkDir() const { return workDir; }

  static constexpr const wchar_t* kVendorKey = L"Halvo\\Morvid";
  static constexpr const wchar_t* kRegistryKey = L"Software\\Halvo\\Morvid";
  static constexpr const wchar_t* kWorkDirValue = L"WorkDir";

 private:
  std::wstring vendorKey;
  std::wstring appDir;
  std::wstring workDir;
};

// The one instance of the program.
CAppPathU& AppPath();
