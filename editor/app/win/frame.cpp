#include "editor/app/win/frame.h"

#include <commctrl.h>

#include "editor/resources/resource.h"

namespace {

CFrame* FrameFromCreation(LPARAM lParam) {
  return static_cast<CFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

struct OwnedWindows {
  HWND owner;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM param) {
  auto* owned = reinterpret_cast<OwnedWindows*>(param);
  if (window != owned->owner && GetWindow(window, GW_OWNER) == owned->owner && IsWindowEnabled(window))
    owned->found->push_back(window);
  return TRUE;
}

}  // namespace

const CFrame::CommandHandler CFrame::commandHandlers[] = {
    {IDM_NEW, IDM_NEW, &CFrame::OnNew},
    {IDM_OPEN, IDM_OPEN, &CFrame::OnOpen},
    {IDM_SAVE, IDM_SAVE, &CFrame::OnSave},
    {IDM_EXIT, IDM_EXIT, &CFrame::OnExit},
    {IDM_UNDO, IDM_UNDO, &CFrame::OnUndo},
    {IDM_COPY, IDM_COPY, &CFrame::OnCopy},
    {IDM_PASTE, IDM_PASTE, &CFrame::OnPaste},
    {IDM_DELETE, IDM_DELETE, &CFrame::OnDelete},
    {IDM_ADD_DIALOG, IDM_ADD_DIALOG, &CFrame::OnAddDialog},
    {IDM_IDENTIFIERS, IDM_IDENTIFIERS, &CFrame::OnIdentifiers},
    {IDM_TEST, IDM_TEST, &CFrame::OnTest},
    {IDM_ALIGN_LEFT, IDM_CENTRE_VERTICAL, &CFrame::OnArrangeControls},
    {IDM_TILE_VERTICAL, IDM_TILE_VERTICAL, &CFrame::OnTileVertical},
    {IDM_TILE_HORIZONTAL, IDM_TILE_HORIZONTAL, &CFrame::OnTileHorizontal},
    {IDM_CASCADE, IDM_CASCADE, &CFrame::OnCascade},
    {IDM_CLOSE_ALL, IDM_CLOSE_ALL, &CFrame::OnCloseAll},
    {IDM_ABOUT, IDM_ABOUT, &CFrame::OnAbout},
    {IDM_TOOL_POINTER, IDM_TOOL_SLIDER, &CFrame::OnTool},
};

int CFrame::RegisterClasses(HINSTANCE instance, WNDPROC designWindowProc) {
  WNDCLASSEXW frame = {};
  frame.cbSize = sizeof(frame);
  frame.style = CS_HREDRAW | CS_VREDRAW;
  frame.lpfnWndProc = FrameProc;
  frame.hInstance = instance;
  frame.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MORVID));
  frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frame.lpszMenuName = MAKEINTRESOURCEW(IDR_FRAME_MENU);
  frame.lpszClassName = kClassName;
  WNDCLASSEXW design = {};
  design.cbSize = sizeof(design);
  design.style = CS_HREDRAW | CS_VREDRAW;
  design.lpfnWndProc = designWindowProc;
  design.hInstance = instance;
  design.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  design.lpszClassName = kDesignClassName;
  return RegisterClassExW(&frame) && RegisterClassExW(&design) ? 1 : 0;
}

CFrame::~CFrame() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

std::wstring CFrame::LoadText(UINT id) const {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

HWND CFrame::Create(HINSTANCE inst, ShellHooks* shellHooks) {
  instance = inst;
  hooks = shellHooks;
  title = LoadText(IDS_TITLE);
  HWND window = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
  if (!window) return nullptr;
  if (hooks) hooks->Attach(this);
  return window;
}

LRESULT CALLBACK CFrame::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CFrame* self = nullptr;
  if (message == WM_NCCREATE) {
    self = FrameFromCreation(lParam);
    self->hwnd = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<CFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefFrameProcW(window, nullptr, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd = nullptr;
    self->mdiClient = nullptr;
    return DefFrameProcW(window, nullptr, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT CFrame::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(hwnd, mdiClient, message, wParam, lParam);
}

LRESULT CFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) break;
      OnSize(wParam, lParam);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CLOSE:
      if (hooks && !hooks->QueryClose()) return 0;
      break;
    case WM_QUERYENDSESSION:
      // Logging off must not drop unsaved changes without the question.
      return hooks && !hooks->QueryClose() ? FALSE : TRUE;
    case WM_ACTIVATEAPP:
      appActive = wParam != FALSE;
      SendMessageW(hwnd, WM_NCACTIVATE, wParam, 0);
      break;
    case WM_ENABLE:
      SendMessageW(hwnd, WM_NCACTIVATE, wParam, 0);
      break;
    case WM_NCACTIVATE:
      return OnNcActivate(wParam, lParam);
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_MENUSELECT:
      OnMenuSelect(wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (RouteCommand(LOWORD(wParam))) return 0;
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

int CFrame::OnCreate() {
  if (!toolbar.Create(instance, commandTable, hwnd, IDB_MAIN_TOOLBAR, IDC_MAIN_TOOLBAR, kToolbarStyle, BTNS_BUTTON))
    return 0;
  if (!status.CreateStatusBar(hwnd)) return 0;
  status.SetStatusText(LoadText(IDS_READY).c_str());
  if (!panel.Create(instance, hwnd, this, 0, kToolbarHeight)) return 0;

  HMENU menu = GetMenu(hwnd);
  CLIENTCREATESTRUCT client = {};
  client.hWindowMenu = GetSubMenu(menu, 3);
  client.idFirstChild = IDM_FIRST_CHILD;
  mdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                              kPanelWidth, kToolbarHeight, 0, 0, hwnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MDI_CLIENT)), instance, &client);
  if (!mdiClient) return 0;
  // The client starts with both scroll bars and takes them away only when a
  // message it posts to itself arrives: without children it needs none, and
  // bars drawn into the first frame only to vanish cost the start-up its time.
  ShowScrollBar(mdiClient, SB_BOTH, FALSE);
  ShowWindow(mdiClient, SW_SHOW);
  projectMenu = GetSubMenu(menu, 2);
  return 1;
}

void CFrame::OnSize(WPARAM wParam, LPARAM lParam) {
  const int width = LOWORD(lParam);
  const int height = HIWORD(lParam);
  if (toolbar.Window()) MoveWindow(toolbar.Window(), 0, 0, width, kToolbarHeight, TRUE);
  status.LayoutParts(wParam, lParam);
  int statusHeight = 0;
  if (status.Window()) {
    RECT rc;
    GetWindowRect(status.Window(), &rc);
    statusHeight = rc.bottom - rc.top;
  }
  const int paneHeight = height - statusHeight - kToolbarHeight;
  if (panel.Window()) MoveWindow(panel.Window(), 0, kToolbarHeight, kPanelWidth, paneHeight, TRUE);
  if (mdiClient) MoveWindow(mdiClient, kPanelWidth, kToolbarHeight, width - kPanelWidth, paneHeight, TRUE);
}

// The frame's caption stays active while one of its tool windows (palette,
// properties) has the focus, and looks inactive while another program is
// active or a modal box has disabled the frame.
LRESULT CFrame::OnNcActivate(WPARAM wParam, LPARAM lParam) {
  if (IsIconic(hwnd)) return Default(WM_NCACTIVATE, wParam, lParam);
  const bool live = appActive && IsWindowEnabled(hwnd);
  if (wParam == FALSE) return live ? TRUE : Default(WM_NCACTIVATE, wParam, lParam);
  if (wParam == TRUE) return live ? Default(WM_NCACTIVATE, wParam, lParam) : TRUE;
  return Default(WM_NCACTIVATE, wParam, lParam);
}

std::wstring CFrame::HelpText(UINT cmd) const {
  const std::wstring text = LoadText(cmd);
  const size_t newline = text.find(L'\n');
  return newline == std::wstring::npos ? std::wstring() : text.substr(newline + 1);
}

LRESULT CFrame::OnNotify(NMHDR* header) {
  switch (header->code) {
    case TTN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
      const std::wstring text = LoadText(static_cast<UINT>(header->idFrom));
      tooltipText = text.substr(0, text.find(L'\n'));
      info->lpszText = tooltipText.data();
      info->hinst = nullptr;
      return 0;
    }
    case TTN_SHOW:
      status.SetStatusText(HelpText(static_cast<UINT>(header->idFrom)).c_str());
      return 0;
    case TTN_POP:
      status.SetStatusText(LoadText(IDS_READY).c_str());
      return 0;
    default:
      return Default(WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
  }
}

void CFrame::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
  const UINT flags = HIWORD(wParam);
  if (flags == 0xFFFF && lParam == 0) {
    status.SetStatusText(LoadText(IDS_READY).c_str());
  } else if (flags & (MF_POPUP | MF_SEPARATOR)) {
    status.SetStatusText(L"");
  } else {
    status.SetStatusText(HelpText(LOWORD(wParam)).c_str());
  }
}

int CFrame::RouteCommand(int cmd) {
  for (const CommandHandler& entry : commandHandlers) {
    if (cmd < entry.first || cmd > entry.last) continue;
    (this->*entry.handler)(cmd);
    RefreshStates();
    return 1;
  }
  return 0;
}

void CFrame::SetCommandEnabled(int cmd, bool enabled) {
  for (CmdEntry* row = commandTable; row->cmd != 0; ++row) {
    if (row->cmd != cmd || (row->enabled != 0) == enabled) continue;
    row->enabled = enabled ? 1 : 0;
    row->menuDirty = 1;
    row->toolbarDirty = row->toolbarId != 0 ? 1 : 0;
  }
}

void CFrame::RefreshStates() {
  if (!hwnd) return;
  SetCommandEnabled(IDM_COPY, hooks && hooks->CanCopy());
  SetCommandEnabled(IDM_PASTE, hooks && hooks->CanPaste());
  toolbar.RefreshMenuStates(GetMenu(hwnd));
  toolbar.RefreshToolbarStates();
  status.RefreshPanes();
}

int CFrame::PreTranslate(MSG* msg, HACCEL accelerators) {
  if (hwnd && GetActiveWindow() == hwnd &&
      ((mdiClient && TranslateMDISysAccel(mdiClient, msg)) ||
       (accelerators && TranslateAcceleratorW(hwnd, accelerators, msg))))
    return 1;
  if (panel.Window() && IsDialogMessageW(panel.Window(), msg)) return 1;
  HWND properties = hooks ? hooks->PropertiesWindow() : nullptr;
  if (properties && IsWindow(properties) && IsDialogMessageW(properties, msg)) return 1;
  return 0;
}

int CFrame::ShowMessage(const std::wstring& text, UINT type) {
  ModalScope modal(hwnd);
  return MessageBoxW(hwnd, text.c_str(), title.c_str(), type);
}

void CFrame::ShowAbout() {
  ModalScope modal(hwnd);
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), hwnd, AboutProc, 0);
}

HWND CFrame::CreateDesignWindow(const std::wstring& windowTitle, void* param) {
  if (!mdiClient) return nullptr;
  MDICREATESTRUCTW create = {};
  create.szClass = kDesignClassName;
  create.szTitle = windowTitle.c_str();
  create.hOwner = instance;
  create.x = 0;
  create.y = 0;
  create.cx = 350;
  create.cy = 300;
  create.style = kDesignWindowStyle;
  create.lParam = reinterpret_cast<LPARAM>(param);
  HWND child = reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  if (!child) return nullptr;
  openDesignWindows.push_back(child);
  ShowWindow(child, SW_SHOW);
  SetFocus(child);
  return child;
}

void CFrame::ForgetDesignWindow(HWND designWindow) {
  for (auto it = openDesignWindows.begin(); it != openDesignWindows.end(); ++it) {
    if (*it == designWindow) {
      openDesignWindows.erase(it);
      return;
    }
  }
}

int CFrame::OpenDesignWindow(const std::wstring& dialogName) {
  return hooks ? hooks->OpenDesignWindow(dialogName) : 0;
}

HWND CFrame::ActiveDesignWindow() {
  if (!mdiClient) return nullptr;
  return reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0));
}

void CFrame::SetDesignActive(HWND designWindow, int active) {
  if (hooks) hooks->SetDesignActive(designWindow, active);
  RefreshStates();
}

// Every change of the selection or of the active design window passes
// here, also when no command caused it (a click on the surface).
void CFrame::RefreshProperties() {
  if (hooks) hooks->RefreshProperties();
  RefreshStates();
}

void CFrame::ShowProperties() {
  if (hooks) hooks->ShowProperties();
}

void CFrame::OnNew(int) {
  if (hooks) hooks->NewCommand();
}
void CFrame::OnOpen(int) {
  if (hooks) hooks->OpenCommand();
}
void CFrame::OnSave(int) {
  if (hooks) hooks->SaveCommand();
}
void CFrame::OnExit(int) { SendMessageW(hwnd, WM_CLOSE, 0, 0); }
void CFrame::OnUndo(int) {
  if (hooks) hooks->Undo();
}
void CFrame::OnCopy(int) {
  if (hooks) hooks->CopyControls();
}
void CFrame::OnPaste(int) {
  if (hooks) hooks->PasteControls();
}
void CFrame::OnDelete(int) {
  // Del in the dialog list must not delete controls of the dialog behind it.
  if (panel.Tree() && GetFocus() == panel.Tree()) return;
  if (hooks) hooks->DeleteControls();
}
void CFrame::OnAddDialog(int) {
  if (hooks) hooks->AddDialog();
}
void CFrame::OnIdentifiers(int) {
  if (hooks) hooks->ShowIdentifiers();
}
void CFrame::OnTest(int) {
  if (hooks) hooks->TestDialog();
}
void CFrame::OnArrangeControls(int cmd) {
  if (hooks) hooks->ArrangeControls(cmd);
}
void CFrame::OnTileVertical(int) { SendMessageW(mdiClient, WM_MDITILE, MDITILE_VERTICAL, 0); }
void CFrame::OnTileHorizontal(int) { SendMessageW(mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0); }
void CFrame::OnCascade(int) { SendMessageW(mdiClient, WM_MDICASCADE, MDITILE_SKIPDISABLED, 0); }

void CFrame::OnCloseAll(int) {
  if (!mdiClient) return;
  // Collected first: destroying a child changes the list being walked.
  std::vector<HWND> children;
  for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (!GetWindow(child, GW_OWNER)) children.push_back(child);
  for (HWND child : children)
    if (IsWindow(child)) SendMessageW(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
}

void CFrame::OnAbout(int) { ShowAbout(); }
void CFrame::OnTool(int cmd) {
  if (hooks) hooks->SetTool(cmd - IDM_TOOL_POINTER);
}

ModalScope::ModalScope(HWND frame) {
  if (!frame) return;
  OwnedWindows owned = {frame, &disabled};
  EnumThreadWindows(GetCurrentThreadId(), CollectOwned, reinterpret_cast<LPARAM>(&owned));
  for (HWND window : disabled) EnableWindow(window, FALSE);
}

ModalScope::~ModalScope() {
  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

void FrameErrorSink::ShowError(const CStringU& text, const CStringU& caption) {
  ModalScope modal(frame->Window());
  MessageBoxW(frame->Window(), text.W(), caption.W(), MB_OK | MB_ICONERROR);
}
