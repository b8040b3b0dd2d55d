#include "analyzer/win/vnt.h"

#include <commctrl.h>

#include <new>

#include "analyzer/win/settings.h"
#include "analyzer/win/tool_glyphs.h"

namespace {

// Design geometry of the client area (the window itself is 709 x 495).
constexpr int kTopStrip = 30;
constexpr int kLeftColumn = 64;
constexpr int kPanel1X = 66;
constexpr int kPanel1Y = 32;
constexpr int kPanel1Height = 4 + 280 + 4 + 17 + 4;
constexpr int kScrollHeight = 17;
constexpr int kPanel2Height = 92;
constexpr int kButton = 57;

struct CommandEntry {
  int id;
  void (TVNT::*handler)();
};

constexpr CommandEntry kCommands[] = {
    {ID_SPEEDBUTTON1, &TVNT::WOpenClick},  {ID_WOPEN, &TVNT::WOpenClick},
    {ID_SPEEDBUTTON2, &TVNT::WSaveClick},  {ID_WSAVE, &TVNT::WSaveClick},
    {ID_SPEEDBUTTON3, &TVNT::MExitClick},  {ID_MEXIT, &TVNT::MExitClick},
    {ID_BEXIT, &TVNT::MExitClick},         {ID_ZOOMIN, &TVNT::ZoomInClick},
    {ID_MZOOMIN, &TVNT::ZoomInClick},      {ID_ZOOMOUT, &TVNT::ZoomOutClick},
    {ID_MZOOMOUT, &TVNT::ZoomOutClick},    {ID_FINDLEFT, &TVNT::FindLeftClick},
    {ID_FINDPREV, &TVNT::FindLeftClick},   {ID_FINDRIGHT, &TVNT::FindRightClick},
    {ID_FINDNEXT, &TVNT::FindRightClick},  {ID_CONFIG, &TVNT::MSettingsClick},
    {ID_MSETTINGS, &TVNT::MSettingsClick}, {ID_START, &TVNT::StartClick},
    {ID_STOPWAIT, &TVNT::StopWaitClick},   {ID_BUTREAD, &TVNT::ButReadClick},
    {ID_GOM1, &TVNT::GoM1Click},           {ID_GOM2, &TVNT::GoM2Click},
};

struct ToolEntry {
  int id;
  ToolGlyph glyph;
  const wchar_t* hint;
  bool enabled;
};

constexpr ToolEntry kFileTools[] = {
    {ID_SPEEDBUTTON1, ToolGlyph::Open, L"", true},
    {ID_SPEEDBUTTON2, ToolGlyph::Save, L"", true},
    {ID_SPEEDBUTTON3, ToolGlyph::Exit, L"", true},
};
constexpr ToolEntry kViewTools[] = {
    {ID_ZOOMIN, ToolGlyph::ZoomIn, L"Увеличить", true},
    {ID_ZOOMOUT, ToolGlyph::ZoomOut, L"Уменьшить", true},
    {ID_FINDLEFT, ToolGlyph::FindLeft, L"Найти пред. перепад", false},
    {ID_FINDRIGHT, ToolGlyph::FindRight, L"Найти след. перепад", false},
    {ID_CONFIG, ToolGlyph::Settings, L"Настройка", true},
};

const wchar_t* HintOfTool(int id) {
  for (const ToolEntry& t : kViewTools) {
    if (t.id == id) return t.hint;
  }
  return nullptr;
}

// Trigger levels as the columns stack them, top to bottom.
constexpr TriggerLevel kLevels[3] = {TriggerLevel::High, TriggerLevel::DontCare, TriggerLevel::Low};
constexpr const wchar_t* kLevelCaptions[3] = {L"Выс. уровень", L"Безразлично", L"Низк. уровень"};
constexpr const wchar_t kTriggerHint[] = L"Условие срабатывания анализатора";

BOOL CALLBACK SetFontProc(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

}  // namespace

TVNT::TVNT(SerialPort& port, MessageSink& sink) : capture(port, sink), port(port), sink(sink) {}

// The tooltip is owned by the window and goes with it.
TVNT::~TVNT() = default;

bool TVNT::Create(HINSTANCE instance) {
  this->instance = instance;
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  if (!RegisterOnce(instance, kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                    LoadIconW(nullptr, IDI_APPLICATION)) ||
      !RegisterImageClass(instance) || !RegisterPanelClass(instance)) {
    return false;
  }
  CreateWindowExW(0, kClassName, L"Vantrel", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                  kDesignWidth, kDesignHeight, nullptr, nullptr, instance, this);
  if (!window) return false;

  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font.reset(CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                         L"MS Sans Serif"));
  tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance,
                            nullptr);

  CreateMenus();
  RECT client;
  GetClientRect(window, &client);
  designClientWidth = client.right;
  designClientHeight = client.bottom;
  panel2Width = designClientWidth - kPanel1X - 4;

  CreateToolbars();
  CreateLeftColumn();
  CreatePictureArea();
  CreateBottomPanel();
  EnumChildWindows(window, SetFontProc, reinterpret_cast<LPARAM>(font.get()));
  OnSize();
  return true;
}

bool TVNT::TranslateKeys(MSG& message) {
  if (!window) return false;
  if (TranslateAcceleratorW(window, accelerators.get(), &message)) return true;
  return IsDialogMessageW(window, &message) != FALSE;
}

void TVNT::CreateMenus() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, ID_WOPEN, L"&Загрузить");
  AppendMenuW(file, MF_STRING, ID_WSAVE, L"&Сохранить");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, ID_MEXIT, L"&Выход\tAlt+F4");
  HMENU view = CreatePopupMenu();
  AppendMenuW(view, MF_STRING, ID_MZOOMIN, L"&Увеличить");
  AppendMenuW(view, MF_STRING, ID_MZOOMOUT, L"У&меньшить");
  AppendMenuW(view, MF_STRING | MF_GRAYED, ID_FINDNEXT, L"Найти &След.\tAlt+Right");
  AppendMenuW(view, MF_STRING | MF_GRAYED, ID_FINDPREV, L"Найти &Пред.\tAlt+Left");
  AppendMenuW(view, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(view, MF_STRING, ID_MSETTINGS, L"&Настройка...");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&Файл");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&Вид");
  SetMenu(window, bar);  // destroyed with the window

  ACCEL keys[] = {
      {FVIRTKEY | FALT, VK_RIGHT, ID_FINDNEXT},
      {FVIRTKEY | FALT, VK_LEFT, ID_FINDPREV},
  };
  accelerators.reset(CreateAcceleratorTableW(keys, 2));
}

HWND TVNT::AddControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                      int id) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void TVNT::AddHint(HWND control, const wchar_t* hint) {
  if (!tooltip || !control) return;
  TTTOOLINFOW info = {};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = window;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = const_cast<wchar_t*>(hint);
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void TVNT::CreateToolbars() {
  HIMAGELIST glyphs = CreateToolGlyphs();
  auto makeBar = [&](const ToolEntry* tools, int count, int x) {
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER |
                                   CCS_NOPARENTALIGN,
                               x, 2, count * 25 + 6, kTopStrip - 4, window, nullptr, instance, nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(glyphs));
    for (int i = 0; i < count; ++i) {
      TBBUTTON button = {};
      button.iBitmap = static_cast<int>(tools[i].glyph);
      button.idCommand = tools[i].id;
      button.fsState = tools[i].enabled ? TBSTATE_ENABLED : 0;
      button.fsStyle = BTNS_BUTTON;
      SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    return bar;
  };
  fileBar = makeBar(kFileTools, 3, 2);
  viewBar = makeBar(kViewTools, 5, 3 * 25 + 14);
}

void TVNT::CreateLeftColumn() {
  SButPanel = CreatePanel(window, 0, kTopStrip, kLeftColumn, kPanel1Height + 4, PanelBevel::None);
  Start = AddControl(SButPanel, L"BUTTON", L"Запуск", BS_PUSHBUTTON | WS_TABSTOP, 4, 2, kButton, kButton, ID_START);
  AddHint(Start, L"Запуск анализатора/Отмена ожидания");
  Mode = AddControl(SButPanel, L"BUTTON", L"Ждать", BS_AUTOCHECKBOX | WS_TABSTOP, 6, 64, kButton, 17, ID_MODE);
  AddHint(Mode, L"Срабатывание по событию");
  StopWait =
      AddControl(SButPanel, L"BUTTON", L"Прервать", BS_PUSHBUTTON | WS_TABSTOP, 4, 86, kButton, kButton, ID_STOPWAIT);
  ButRead =
      AddControl(SButPanel, L"BUTTON", L"Считать", BS_PUSHBUTTON | WS_TABSTOP, 4, 150, kButton, kButton, ID_BUTREAD);
  AddHint(ButRead, L"Считать память");
}

void TVNT::CreatePictureArea() {
  Panel1 = CreatePanel(window, kPanel1X, kPanel1Y, designClientWidth - kPanel1X - 4, kPanel1Height, PanelBevel::Lowered);
  WForm = CreateImageWindow(Panel1, 4, 4, 100, kPictureHeight, 0, this);
  Scroll = AddControl(Panel1, L"SCROLLBAR", L"", SBS_HORZ, 4, 4 + kPictureHeight + 4, 100, kScrollHeight, ID_SCROLL);
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = static_cast<int>(kSampleCount);
  info.nPage = 0;
  info.nPos = 0;
  SetScrollInfo(Scroll, SB_CTL, &info, FALSE);
}

void TVNT::CreateBottomPanel() {
  Panel2 = CreatePanel(window, kPanel1X, designClientHeight - 4 - kPanel2Height, panel2Width, kPanel2Height,
                       PanelBevel::Raised);
  Marker1Text = AddControl(Panel2, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 6, 4, 200, 15, ID_MARKER1TEXT);
  Marker2Text = AddControl(Panel2, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 6, 20, 200, 15, ID_MARKER2TEXT);
  MarkerDif = AddControl(Panel2, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 6, 36, 200, 15, ID_MARKERDIF);
  GoM1 = AddControl(Panel2, L"BUTTON", L"На 1-й маркер", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 4, 60, 100, 25,
                    ID_GOM1);
  AddHint(GoM1, L"Перейти на 1-й маркер");
  GoM2 = AddControl(Panel2, L"BUTTON", L"На 2-й маркер", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 108, 60, 100, 25,
                    ID_GOM2);
  AddHint(GoM2, L"Перейти на 2-й маркер");

  // Columns for lines 7 .. 0 from left to right; only line 0 carries captions.
  constexpr int kColumn = 18;
  constexpr int kCaptioned = 104;
  Panel4 = CreatePanel(Panel2, 214, 4, 6 + 7 * kColumn + kCaptioned + 4, 82, PanelBevel::Raised);
  AddHint(Panel4, kTriggerHint);
  for (int line = 7; line >= 0; --line) {
    const int x = 6 + (7 - line) * kColumn;
    const int width = line == 0 ? kCaptioned : 16;
    for (int level = 0; level < 3; ++level) {
      const DWORD style = BS_AUTORADIOBUTTON | (level == 0 ? WS_GROUP | WS_TABSTOP : 0);
      trigger[line][level] = AddControl(Panel4, L"BUTTON", line == 0 ? kLevelCaptions[level] : L"", style, x,
                                        4 + 18 * level, width, 16, ID_TRIGGER + 3 * line + level);
    }
    SendMessageW(trigger[line][1], BM_SETCHECK, BST_CHECKED, 0);
    // The buttons have no hint of their own and show their panel's.
    for (HWND button : trigger[line]) AddHint(button, kTriggerHint);
  }
  for (int line = 7; line >= 0; --line) {
    const wchar_t digit[2] = {static_cast<wchar_t>(L'0' + line), 0};
    AddControl(Panel4, L"STATIC", digit, SS_LEFT | WS_GROUP, 6 + (7 - line) * kColumn + 3, 60, 12, 15, -1);
  }
  BExit = AddControl(Panel2, L"BUTTON", L"Выход", BS_PUSHBUTTON | WS_TABSTOP, panel2Width - 72, 60, 65, 25, ID_BEXIT);
}

// Panel1 follows the width, Panel2 keeps its size at the bottom right.
void TVNT::OnSize() {
  if (!Panel1) return;
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right - kPanel1X - 4;
  MoveWindow(SButPanel, 0, kTopStrip, kLeftColumn, client.bottom - kTopStrip, TRUE);
  MoveWindow(Panel1, kPanel1X, kPanel1Y, width, kPanel1Height, TRUE);
  MoveWindow(WForm, 4, 4, width - 8, kPictureHeight, TRUE);
  MoveWindow(Scroll, 4, 4 + kPictureHeight + 4, width - 8, kScrollHeight, TRUE);
  MoveWindow(Panel2, client.right - 4 - panel2Width, client.bottom - 4 - kPanel2Height, panel2Width, kPanel2Height,
             TRUE);
  FormResize();
}

LRESULT TVNT::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      OnNotify(reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Scroll) OnHScroll(wParam);
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x = kMinWidth;
      return 0;
    case WM_CLOSE:
      FormClose();
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (quitOnDestroy) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TVNT::OnCommand(int id) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.id == id) {
      (this->*entry.handler)();
      return;
    }
  }
}

void TVNT::OnNotify(NMHDR* header) {
  if (header->code != TTN_GETDISPINFOW) return;
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
  const wchar_t* hint = HintOfTool(static_cast<int>(header->idFrom));
  if (hint) info->lpszText = const_cast<wchar_t*>(hint);
}

// Arrows move one sample, a click in the track ten.
void TVNT::OnHScroll(WPARAM wParam) {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(Scroll, SB_CTL, &info);
  int position = info.nPos;
  switch (LOWORD(wParam)) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= 10; break;
    case SB_PAGERIGHT: position += 10; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_LEFT: position = info.nMin; break;
    case SB_RIGHT: position = info.nMax; break;
    case SB_ENDSCROLL: return;
  }
  if (position < info.nMin) position = info.nMin;
  if (position > info.nMax) position = info.nMax;
  SetScrollPos(Scroll, SB_CTL, position, TRUE);
  ScrollScroll(position);
}

void TVNT::ImageMouse(HWND image, UINT message, WPARAM wParam, LPARAM lParam) {
  if (image != WForm) return;
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  // A marker follows a drag also outside the picture, until the buttons are up.
  const bool held = (wParam & (MK_LBUTTON | MK_RBUTTON)) != 0;
  switch (message) {
    case WM_MOUSEMOVE:
      WFormMouseMove(wParam, x, y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (!held && GetCapture() == WForm) ReleaseCapture();
      break;
    default:
      if (held) SetCapture(WForm);
      WFormMouseDown(wParam, x, y);
      break;
  }
}

bool TVNT::Startup(const std::string& path) {
  configPath = path;
  samples.reset(new (std::nothrow) SampleBuffer{});
  if (!samples) {
    sink.Show(ErrorBox(msg::kNoMemory));
    return false;
  }
  LoadConfig(configPath, config, sink);
  float mhz = 0;
  if (ConvertRate(RateText(config), mhz)) {
    SampleRateMHz = mhz;
  } else {
    // The program goes on: a bad rate must not lock the user out for good.
    sink.Show(BadRateBox(RateText(config)));
    SampleRateMHz = kFallbackRateMHz;
  }
  capture.OpenPort(config.PortIndex);
  return true;
}

TriggerMasks TVNT::ReadTriggerMasks() const {
  std::array<TriggerLevel, 8> levels;
  for (int line = 0; line < 8; ++line) {
    levels[line] = TriggerLevel::Low;
    for (int level = 0; level < 3; ++level) {
      if (SendMessageW(trigger[line][level], BM_GETCHECK, 0, 0) == BST_CHECKED) levels[line] = kLevels[level];
    }
  }
  return MasksFromLevels(levels);
}

bool TVNT::WaitTicked() const { return SendMessageW(Mode, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TVNT::StartClick() {
  WaitCursor wait;
  capture.Arm(ReadTriggerMasks(), WaitTicked());
}

void TVNT::StopWaitClick() { capture.Abort(); }

void TVNT::ButReadClick() {
  {
    WaitCursor wait;
    capture.ReadMemory(*samples);
  }
  RedrawFromStartSample();
}

void TVNT::MSettingsClick() {
  if (settings) settings->ShowModal(window);
  float mhz = 0;
  if (!ConvertRate(RateText(config), mhz)) {
    sink.Show(BadRateBox(RateText(config)));
    return;
  }
  SampleRateMHz = mhz;
  RedrawFromStartSample();
}

void TVNT::MExitClick() { SendMessageW(window, WM_CLOSE, 0, 0); }

void TVNT::FormClose() {
  if (capture.State() == CaptureState::Closed) return;
  SaveConfig(configPath, config, sink);
  capture.Close();
}

void TVNT::EnableTool(int id, bool enable) {
  const HWND bar = id <= ID_SPEEDBUTTON3 ? fileBar : viewBar;
  SendMessageW(bar, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enable ? TRUE : FALSE, 0));
}

bool TVNT::IsToolEnabled(int id) const {
  const HWND bar = id <= ID_SPEEDBUTTON3 ? fileBar : viewBar;
  return SendMessageW(bar, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

void TVNT::EnableMenuCommand(int id, bool enable) {
  EnableMenuItem(GetMenu(window), static_cast<UINT>(id), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

HWND TVNT::Control(int id) const {
  for (HWND parent : {window, SButPanel, Panel1, Panel2, Panel4}) {
    if (HWND found = GetDlgItem(parent, id)) return found;
  }
  return nullptr;
}

HWND TVNT::TriggerButton(int line, TriggerLevel level) const {
  for (int i = 0; i < 3; ++i) {
    if (kLevels[i] == level) return trigger[line][i];
  }
  return nullptr;
}
