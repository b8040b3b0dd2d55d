#include "analyzer/win/settings.h"

#include <commctrl.h>
#include <commdlg.h>

#include "analyzer/win/win_text.h"

namespace {

constexpr int kPreviewWidth = 100;
constexpr int kPreviewHeight = 50;

bool RunColourDialog(HWND owner, COLORREF& colour) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.rgbResult = colour;
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT;
  if (!ChooseColorW(&dialog)) return false;
  colour = dialog.rgbResult;
  return true;
}

BOOL CALLBACK SetFontProc(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

}  // namespace

bool TSettings::Create(HINSTANCE instance, HWND owner) {
  this->instance = instance;
  if (!RegisterOnce(instance, kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) ||
      !RegisterImageClass(instance)) {
    return false;
  }
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  CreateWindowExW(exStyle, kClassName, L"Настройки", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                  frame.bottom - frame.top, owner, nullptr, instance, this);
  if (!window) return false;

  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  preview.reset(CreateCompatibleBitmap(screen, kPreviewWidth, kPreviewHeight));
  ReleaseDC(nullptr, screen);
  font.reset(CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                         L"MS Sans Serif"));

  Sample = CreateImageWindow(window, 8, 8, kPreviewWidth, kPreviewHeight, ID_SAMPLE, this);
  Color1 = AddControl(L"BUTTON", L"Цвет \"1\"", BS_PUSHBUTTON | WS_TABSTOP, 122, 8, 106, 23, ID_COLOR1);
  Color0 = AddControl(L"BUTTON", L"Цвет \"0\"", BS_PUSHBUTTON | WS_TABSTOP, 122, 35, 106, 23, ID_COLOR0);
  AddControl(L"STATIC", L"Названия линий", SS_LEFT, 8, 64, 220, 14, -1);
  Combo = AddControl(L"COMBOBOX", L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 8, 80, 220, 300, ID_COMBO);
  AddControl(L"STATIC", L"Выберите порт", SS_LEFT, 122, 108, 106, 14, -1);
  ChoosePort = AddControl(L"COMBOBOX", L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 122, 124, 106, 120, ID_CHOOSEPORT);
  SampleRate = AddControl(L"EDIT", L"", WS_BORDER | ES_LEFT | WS_TABSTOP, 8, 124, 60, 21, ID_SAMPLERATE);
  AddControl(L"STATIC", L"МГц", SS_LEFT, 72, 127, 40, 14, -1);
  AddControl(L"STATIC", L"Частота оцифровки", SS_LEFT, 8, 149, 110, 14, -1);
  BitBtn1 = AddControl(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 80, 166, 75, 25, ID_BITBTN1);
  EnumChildWindows(window, SetFontProc, reinterpret_cast<LPARAM>(font.get()));

  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(Combo, &info)) ComboEdit = info.hwndItem;
  if (ComboEdit) SetWindowSubclass(ComboEdit, ComboEditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SetWindowSubclass(SampleRate, RateEditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(Combo, CB_LIMITTEXT, LineNameEditor::kMaxName, 0);
  SendMessageW(Combo, CB_SETMINVISIBLE, 16, 0);

  // Creation fills the controls from the record.
  DrawPreview(true, true);
  for (int i = 0; i < 16; ++i) {
    names.items[i] = WideFromAnsi(LineName(config, i));
    SendMessageW(Combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names.items[i].c_str()));
  }
  SendMessageW(Combo, CB_SETCURSEL, 0, 0);
  names.Shown(0);
  SendMessageW(ChoosePort, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"COM1"));
  SendMessageW(ChoosePort, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"COM2"));
  SendMessageW(ChoosePort, CB_SETCURSEL, static_cast<WPARAM>(config.PortIndex), 0);
  rate = RateMask(RateText(config));
  ShowRate();
  return true;
}

HWND TSettings::AddControl(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

bool TSettings::ShowModal(HWND owner) {
  okResult = false;
  modal = true;
  // A popup made with default coordinates stands in the screen's corner: the
  // first showing puts it over the middle of the main window, later ones
  // where the user left it.
  if (owner && !placed) {
    RECT main = {}, own = {};
    GetWindowRect(owner, &main);
    GetWindowRect(window, &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    SetWindowPos(window, nullptr, (main.left + main.right - width) / 2, (main.top + main.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  placed = true;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  MSG message;
  while (modal && IsWindowVisible(window)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  modal = false;
  if (owner) {
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
  }
  return okResult;
}

LRESULT TSettings::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (id == ID_COLOR1 && code == BN_CLICKED) Color1Click();
      if (id == ID_COLOR0 && code == BN_CLICKED) Color0Click();
      if (id == ID_COMBO && code == CBN_EDITCHANGE) ComboChange();
      if (id == ID_COMBO && code == CBN_SELCHANGE) {
        ComboClick();
        // The box's own text still shows the old item at this point.
        names.ComboChange(SelectedItemText());
      }
      if (id == ID_CHOOSEPORT && (code == CBN_SELCHANGE || code == CBN_EDITCHANGE)) ChoosePortChange();
      if ((id == ID_BITBTN1 && code == BN_CLICKED) || id == IDOK) {
        okResult = true;
        SendMessageW(window, WM_CLOSE, 0, 0);
      }
      if (id == IDCANCEL) SendMessageW(window, WM_CLOSE, 0, 0);
      return 0;
    }
    case WM_CLOSE:
      FormClose();
      ShowWindow(window, SW_HIDE);
      modal = false;
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TSettings::PaintImage(HWND, HDC dc) {
  UniqueHDC source(CreateCompatibleDC(dc));
  ScopedSelect select(source.get(), preview.get());
  BitBlt(dc, 0, 0, kPreviewWidth, kPreviewHeight, source.get(), 0, 0, SRCCOPY);
}

// A falling edge and the low level in the level-0 colour, then a rising edge
// and the high level in the level-1 colour.
void TSettings::DrawPreview(bool level0, bool level1) {
  const HDC screen = GetDC(nullptr);
  UniqueHDC dc(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  ScopedSelect bitmap(dc.get(), preview.get());
  if (level0 && level1) {
    const RECT all = {0, 0, kPreviewWidth, kPreviewHeight};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  if (level0) {
    UniqueHPen pen(CreatePen(PS_SOLID, 1, config.Colour0));
    ScopedSelect select(dc.get(), pen.get());
    MoveToEx(dc.get(), 10, 10, nullptr);
    LineTo(dc.get(), 10, 40);
    LineTo(dc.get(), 50, 40);
  }
  if (level1) {
    UniqueHPen pen(CreatePen(PS_SOLID, 1, config.Colour1));
    ScopedSelect select(dc.get(), pen.get());
    MoveToEx(dc.get(), 50, 40, nullptr);
    LineTo(dc.get(), 50, 10);
    LineTo(dc.get(), 90, 10);
  }
  if (Sample) InvalidateRect(Sample, nullptr, FALSE);
}

void TSettings::Color1Click() {
  COLORREF colour = config.Colour1;
  if (!(chooseColour ? chooseColour : RunColourDialog)(window, colour)) return;
  config.Colour1 = colour;
  DrawPreview(false, true);
}

void TSettings::Color0Click() {
  COLORREF colour = config.Colour0;
  if (!(chooseColour ? chooseColour : RunColourDialog)(window, colour)) return;
  config.Colour0 = colour;
  DrawPreview(true, false);
}

void TSettings::ComboChange() { names.ComboChange(WindowText(Combo)); }

std::wstring TSettings::SelectedItemText() const {
  const LRESULT selected = SendMessageW(Combo, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return WindowText(Combo);
  const LRESULT length = SendMessageW(Combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length == CB_ERR) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void TSettings::ComboClick() { names.ComboClick(static_cast<int>(SendMessageW(Combo, CB_GETCURSEL, 0, 0))); }

void TSettings::ComboKeyDown(WPARAM key) {
  if (key != VK_RETURN) return;
  const int edited = names.EditIndex;
  const int next = names.ComboEnter();
  SendMessageW(Combo, CB_DELETESTRING, static_cast<WPARAM>(edited), 0);
  SendMessageW(Combo, CB_INSERTSTRING, static_cast<WPARAM>(edited),
               reinterpret_cast<LPARAM>(names.items[edited].c_str()));
  SendMessageW(Combo, CB_SETCURSEL, static_cast<WPARAM>(next), 0);
}

void TSettings::ChoosePortChange() {
  config.PortIndex = static_cast<int32_t>(SendMessageW(ChoosePort, CB_GETCURSEL, 0, 0));
}

void TSettings::SampleRateChange() { SetRateText(config, rate.Text()); }

void TSettings::FormClose() {
  for (int i = 0; i < 16; ++i) SetLineName(config, i, AnsiFromWide(names.items[i]));
}

void TSettings::ShowRate() {
  const std::string shown = rate.Display();
  SetWindowTextW(SampleRate, std::wstring(shown.begin(), shown.end()).c_str());
  SendMessageW(SampleRate, EM_SETSEL, static_cast<WPARAM>(rate.Caret()), rate.Caret());
}

LRESULT CALLBACK TSettings::ComboEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
  auto* self = reinterpret_cast<TSettings*>(data);
  switch (message) {
    case WM_GETDLGCODE:
      if (wParam == VK_RETURN) return DLGC_WANTALLKEYS;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        self->ComboKeyDown(wParam);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r') return 0;  // no beep for the Enter already handled
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The edit shows the mask; keys edit the mask, never the text directly.
LRESULT CALLBACK TSettings::RateEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR data) {
  auto* self = reinterpret_cast<TSettings*>(data);
  auto syncCaret = [&] {
    DWORD start = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    self->rate.SetCaret(static_cast<int>(start));
  };
  switch (message) {
    case WM_CHAR: {
      syncCaret();
      bool changed = false;
      if (wParam == VK_BACK) {
        changed = self->rate.Backspace();
      } else if (wParam >= 0x20 && wParam < 0x7F) {
        changed = self->rate.Type(static_cast<char>(wParam));
      } else {
        return 0;
      }
      self->ShowRate();
      if (changed) self->SampleRateChange();
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        syncCaret();
        const bool changed = self->rate.Delete();
        self->ShowRate();
        if (changed) self->SampleRateChange();
        return 0;
      }
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}
