// TSettings: the tool window "Настройки". Built once at start, shown modally;
// every change goes straight into the configuration record (no cancel).
#pragma once

#include <windows.h>

#include <string>

#include "analyzer/analyzer_config.h"
#include "analyzer/settings_model.h"
#include "analyzer/win/base_window.h"
#include "analyzer/win/image_window.h"
#include "analyzer/win/unique_handle.h"

enum SettingsId : int {
  ID_COLOR1 = 401,
  ID_COLOR0,
  ID_COMBO,
  ID_SAMPLERATE,
  ID_CHOOSEPORT,
  ID_BITBTN1,
  ID_SAMPLE,
};

class TSettings : public BaseWindow<TSettings>, public ImageOwner {
 public:
  static constexpr const wchar_t* kClassName = L"TSettings";
  static constexpr int kClientWidth = 236;
  static constexpr int kClientHeight = 195;

  explicit TSettings(TAnalyzerConfig& config) : config(config) {}

  bool Create(HINSTANCE instance, HWND owner);
  // Runs until the window closes; true when it was closed with "OK".
  bool ShowModal(HWND owner);

  void Color1Click();
  void Color0Click();
  void ComboChange();
  void ComboClick();
  void ComboKeyDown(WPARAM key);
  void ChoosePortChange();
  void SampleRateChange();
  void FormClose();
  void PaintImage(HWND image, HDC dc) override;

  // The colour the colour dialog would return; tests set it to skip the dialog.
  bool (*chooseColour)(HWND owner, COLORREF& colour) = nullptr;

  HWND Sample = nullptr;
  HWND Color1 = nullptr;
  HWND Color0 = nullptr;
  HWND Combo = nullptr;
  HWND ComboEdit = nullptr;
  HWND SampleRate = nullptr;
  HWND ChoosePort = nullptr;
  HWND BitBtn1 = nullptr;
  LineNameEditor names;
  RateMask rate;

 private:
  friend class BaseWindow<TSettings>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND AddControl(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id);
  void DrawPreview(bool level0, bool level1);
  void ShowRate();
  std::wstring SelectedItemText() const;
  static LRESULT CALLBACK ComboEditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT CALLBACK RateEditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  TAnalyzerConfig& config;
  HINSTANCE instance = nullptr;
  UniqueHFont font;
  UniqueHBitmap preview;
  bool modal = false;
  bool placed = false;
  bool okResult = false;
};
