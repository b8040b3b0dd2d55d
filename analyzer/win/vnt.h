// TVNT: the analyzer's main window. It owns the program-wide state (samples,
// configuration, capture cycle, sample rate) and runs the capture commands;
// the picture and its controls are handled in vnt_display.cpp.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "analyzer/analyzer_config.h"
#include "analyzer/capture_cycle.h"
#include "analyzer/sample_buffer.h"
#include "analyzer/win/base_window.h"
#include "analyzer/win/image_window.h"
#include "analyzer/win/unique_handle.h"
#include "analyzer/win/vnt_picture.h"

class TSettings;

// Command and control identifiers; the menu items share them with the
// buttons that do the same.
enum VntId : int {
  ID_SPEEDBUTTON1 = 101,  // open diagram
  ID_SPEEDBUTTON2,        // save diagram
  ID_SPEEDBUTTON3,        // exit
  ID_ZOOMIN,
  ID_ZOOMOUT,
  ID_FINDLEFT,
  ID_FINDRIGHT,
  ID_CONFIG,
  ID_START,
  ID_MODE,
  ID_STOPWAIT,
  ID_BUTREAD,
  ID_GOM1,
  ID_GOM2,
  ID_BEXIT,
  ID_SCROLL,
  ID_MARKER1TEXT,
  ID_MARKER2TEXT,
  ID_MARKERDIF,
  // Menu items.
  ID_WOPEN = 201,
  ID_WSAVE,
  ID_MEXIT,
  ID_MZOOMIN,
  ID_MZOOMOUT,
  ID_FINDNEXT,
  ID_FINDPREV,
  ID_MSETTINGS,
  // Trigger buttons, ID_TRIGGER + 3 * line + level (0 high, 1 don't care,
  // 2 low); the number in the name runs the other way from the line.
  ID_TRIGGER = 300,
  ID_WF7PL = ID_TRIGGER, ID_WF7DC, ID_WF7NL,  // line 0
  ID_WF6PL, ID_WF6DC, ID_WF6NL,
  ID_WF5PL, ID_WF5DC, ID_WF5NL,
  ID_WF4PL, ID_WF4DC, ID_WF4NL,
  ID_WF3PL, ID_WF3DC, ID_WF3NL,
  ID_WF2PL, ID_WF2DC, ID_WF2NL,
  ID_WF1PL, ID_WF1DC, ID_WF1NL,
  ID_WF0PL, ID_WF0DC, ID_WF0NL,  // line 7
};

class TVNT : public BaseWindow<TVNT>, public ImageOwner {
 public:
  static constexpr const wchar_t* kClassName = L"TVNT";
  static constexpr int kDesignWidth = 709;
  static constexpr int kDesignHeight = 495;
  static constexpr int kMinWidth = 650;
  static constexpr int kPictureHeight = 280;

  TVNT(SerialPort& port, MessageSink& sink);
  ~TVNT() override;

  // The window and all its controls, not yet shown.
  bool Create(HINSTANCE instance);
  // Start-up after the window exists: buffers, la.cfg, rate, port. False
  // when the program must end.
  bool Startup(const std::string& configPath);
  void AttachSettings(TSettings* settings) { this->settings = settings; }
  // Keys taken before dispatch: the accelerators, then Tab and the arrows
  // between the controls. True when the message was used up.
  bool TranslateKeys(MSG& message);

  // Capture and program commands.
  void StartClick();
  void StopWaitClick();
  void ButReadClick();
  void MSettingsClick();
  void MExitClick();
  void FormClose();

  // The picture and its controls (vnt_display.cpp).
  void ZoomInClick();
  void ZoomOutClick();
  void FindLeftClick();
  void FindRightClick();
  void GoM1Click();
  void GoM2Click();
  void ScrollScroll(int position);
  void WFormMouseDown(WPARAM buttons, int x, int y);
  void WFormMouseMove(WPARAM buttons, int x, int y);
  void FormResize();
  void WOpenClick();
  void WSaveClick();
  // Redraw from the current first sample, after a read or the settings.
  void RedrawFromStartSample();
  void PaintImage(HWND image, HDC dc) override;
  void ImageMouse(HWND image, UINT message, WPARAM wParam, LPARAM lParam) override;

  // Trigger condition as the radio buttons show it.
  TriggerMasks ReadTriggerMasks() const;
  bool WaitTicked() const;
  // Tool buttons are toolbar buttons, not windows.
  void EnableTool(int id, bool enable);
  bool IsToolEnabled(int id) const;
  void EnableMenuCommand(int id, bool enable);
  HWND Control(int id) const;
  HWND TriggerButton(int line, TriggerLevel level) const;

  // Program-wide state.
  std::unique_ptr<SampleBuffer> samples;
  TAnalyzerConfig config = {};
  float SampleRateMHz = kFallbackRateMHz;
  CaptureCycle capture;
  std::string configPath = kConfigFileName;
  // Tests keep their message loop alive when the window goes.
  bool quitOnDestroy = true;

  // The picture WForm shows (vnt_display.cpp).
  VntPicture display;
  // Controls the display work draws into or moves.
  HWND Panel1 = nullptr;
  HWND Panel2 = nullptr;
  HWND WForm = nullptr;
  HWND Scroll = nullptr;
  HWND Marker1Text = nullptr;
  HWND Marker2Text = nullptr;
  HWND MarkerDif = nullptr;
  HWND GoM1 = nullptr;
  HWND GoM2 = nullptr;

 private:
  friend class BaseWindow<TVNT>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);
  void OnHScroll(WPARAM wParam);
  void OnNotify(NMHDR* header);
  void OnSize();
  HWND AddControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id);
  void AddHint(HWND control, const wchar_t* hint);
  void CreateToolbars();
  void CreateLeftColumn();
  void CreatePictureArea();
  void CreateBottomPanel();
  void CreateMenus();

  SerialPort& port;
  MessageSink& sink;
  TSettings* settings = nullptr;
  HINSTANCE instance = nullptr;
  UniqueHFont font;
  UniqueHAccel accelerators;
  HWND tooltip = nullptr;
  HWND fileBar = nullptr;
  HWND viewBar = nullptr;
  HWND SButPanel = nullptr;
  HWND Panel4 = nullptr;
  HWND Start = nullptr;
  HWND Mode = nullptr;
  HWND StopWait = nullptr;
  HWND ButRead = nullptr;
  HWND BExit = nullptr;
  std::array<std::array<HWND, 3>, 8> trigger = {};
  int designClientWidth = 0;
  int designClientHeight = 0;
  int panel2Width = 0;
};

// Shows the wait cursor while an exchange blocks the window.
class WaitCursor {
 public:
  WaitCursor() : previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous;
};
