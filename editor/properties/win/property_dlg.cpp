#include "editor/properties/win/property_dlg.h"

#include <commctrl.h>

#include <vector>

#include "editor/design/dlg_res.h"
#include "editor/design/win/design_window.h"
#include "editor/properties/page_set.h"
#include "editor/properties/win/property_page.h"
#include "editor/resources/resource.h"

CPropertyDlg g_propertyDlg;

namespace {

constexpr DWORD kTabStyle = 0x54011000;  // child, visible, clip siblings, tab stop, focus on button down

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

std::wstring LoadText(UINT id) {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(Instance(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

}  // namespace

CPropertyDlg::CPropertyDlg() = default;

CPropertyDlg::~CPropertyDlg() = default;

HWND CPropertyDlg::Tabs() const {
  return window ? GetDlgItem(window, IDC_PROPERTY_TABS) : nullptr;
}

int CPropertyDlg::ShowProperties(HWND panel) {
  if (!window) {
    HWND owner = host ? host->FrameWindow() : nullptr;
    if (!CreateDialogParamW(Instance(), MAKEINTRESOURCEW(IDD_PROPERTIES), owner, DialogProc,
                            reinterpret_cast<LPARAM>(this)))
      return 0;
    lastTab = -1;
  } else {
    SetActiveWindow(window);
  }
  RefreshProperties(panel);
  return 1;
}

// The window is painted once, when the new strip and page are in place.
void CPropertyDlg::RefreshProperties(HWND focusOwner) {
  if (!window) return;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  Rebuild(focusOwner);
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  // The focus may have gone with the old page or strip.
  HWND tabs = Tabs();
  if (tabs && GetActiveWindow() == window) SetFocus(tabs);
}

void CPropertyDlg::Rebuild(HWND focusOwner) {
  HWND tabs = Tabs();
  int tab = tabs ? TabCtrl_GetCurSel(tabs) : -1;
  if (tab < 0) tab = lastTab;
  DestroyPage();
  // The strip goes unless the new selection has the same tabs: making it
  // again is a good part of switching between two controls.
  spareTabs = tabs;
  RebuildPageSet(focusOwner, tab);
  if (spareTabs) DestroyWindow(spareTabs);
  spareTabs = nullptr;
}

void CPropertyDlg::RebuildPageSet(HWND focusOwner, int tab) {
  HWND tree = focusOwner ? GetDlgItem(focusOwner, IDC_DIALOG_TREE) : nullptr;
  if (tree && GetFocus() == tree) {
    ShowNoProperties(tab);
    return;
  }
  HWND design = host ? host->ActiveDesignWindow() : nullptr;
  if (!design || IsIconic(design)) {
    ShowNoProperties(tab);
    return;
  }
  CDlgRes* shown = CDesignWindow::DialogOf(design);
  // A design window on its way out still answers as the active one.
  if (!shown || shown->window != design) {
    ShowNoProperties(tab);
    return;
  }
  if (shown->type == kResourceDialog) BuildPageSet(tab, *shown);
}

void CPropertyDlg::ShowNoProperties(int tab) {
  SetCaption(kNoPropertiesCaption);
  lastTab = tab;
}

void CPropertyDlg::SetCaption(int stringId) {
  const std::wstring caption = LoadText(static_cast<UINT>(stringId));
  wchar_t shown[64] = {};
  GetWindowTextW(window, shown, 64);
  if (caption != shown) SetWindowTextW(window, caption.c_str());
}

std::uint32_t CPropertyDlg::SelectedOrder(const CDlgRes& shown) const {
  if (!shown.surface) return 0;
  for (std::uint32_t order = 1; order <= shown.ControlCount(); ++order) {
    WindowHandle control = shown.surface->ControlWindow(static_cast<std::uint16_t>(order));
    if (control && shown.selection.IsSelected(control)) return order;
  }
  return 0;
}

bool CPropertyDlg::SpareTabsShow(const std::vector<const char16_t*>& texts) const {
  if (!spareTabs || TabCtrl_GetItemCount(spareTabs) != static_cast<int>(texts.size())) return false;
  for (size_t i = 0; i < texts.size(); ++i) {
    wchar_t text[32] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    if (!TabCtrl_GetItem(spareTabs, static_cast<int>(i), &item) ||
        std::wstring(text) != reinterpret_cast<const wchar_t*>(texts[i]))
      return false;
  }
  return true;
}

HWND CPropertyDlg::CreateTabs(const std::vector<const char16_t*>& texts) {
  if (SpareTabsShow(texts)) {
    HWND tabs = spareTabs;
    spareTabs = nullptr;
    return tabs;
  }
  if (spareTabs) {
    DestroyWindow(spareTabs);
    spareTabs = nullptr;
  }
  RECT client;
  GetClientRect(window, &client);
  HWND tabs =
      CreateWindowExW(0, WC_TABCONTROLW, L"", kTabStyle, 0, 0, client.right, client.bottom, window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PROPERTY_TABS)), Instance(), nullptr);
  if (!tabs) return nullptr;
  SendMessageW(tabs, WM_SETFONT, SendMessageW(window, WM_GETFONT, 0, 0), FALSE);
  for (size_t i = 0; i < texts.size(); ++i) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(texts[i]));
    TabCtrl_InsertItem(tabs, static_cast<int>(i), &item);
  }
  return tabs;
}

int CPropertyDlg::BuildPageSet(int tab, CDlgRes& shown) {
  HWND tabs = nullptr;
  if (shown.dialogSelected) {
    tabs = CreateTabs(DialogTabs());
    if (!tabs) return 0;
    pageSet = kDialogPageSet;
    dialog = &shown;
    const int first = FirstDialogTab(tab);
    TabCtrl_SetCurSel(tabs, first);
    ShowDialogPage(first);
  } else {
    const std::uint32_t order = shown.selection.Count() == 1 ? SelectedOrder(shown) : 0;
    if (order == 0) {
      pageSet = kNoPageSet;
      ShowNoProperties(tab);
      return 1;
    }
    const ControlKind kind = shown.KindAt(order);
    tabs = CreateTabs(ControlTabs(kind));
    if (!tabs) return 0;
    pageSet = ControlPageSet(kind);
    itemDialog = &shown;
    itemOrder = order;
    const int first = FirstControlTab(tab, kind);
    TabCtrl_SetCurSel(tabs, first);
    ShowControlPage(first);
  }
  return 1;
}

void CPropertyDlg::ShowControlPage(int tab) {
  DestroyPage();
  if (!itemDialog) return;
  const ControlKind kind = itemDialog->KindAt(itemOrder);
  const int templateId = ControlPageTemplate(kind, tab);
  if (templateId) ShowPage(templateId, ControlPageCaption(kind), kind, false);
}

void CPropertyDlg::ShowDialogPage(int tab) {
  DestroyPage();
  const int templateId = DialogPageTemplate(tab);
  if (templateId && dialog) ShowPage(templateId, kDialogPageCaption, ControlKind::StaticText, true);
}

void CPropertyDlg::ShowPage(int templateId, int caption, ControlKind kind, bool forDialog) {
  SetCaption(caption);
  auto* made = new CPropertyPage(*this, templateId, kind, forDialog);
  HWND created = CreateDialogParamW(Instance(), MAKEINTRESOURCEW(templateId), window, CPropertyPage::PageProc,
                                    reinterpret_cast<LPARAM>(made));
  if (!created) {
    if (!made->attached) delete made;
    return;
  }
  page = made;
  pageWindow = created;
  RECT area;
  GetClientRect(window, &area);
  if (HWND tabs = Tabs()) TabCtrl_AdjustRect(tabs, FALSE, &area);
  // Above the strip, which would otherwise paint over it.
  SetWindowPos(pageWindow, HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CPropertyDlg::DestroyPage() {
  if (!pageWindow) return;
  if (page) page->closing = true;
  // A field commits as it loses the focus, which it must while its page stands.
  HWND focus = GetFocus();
  if (focus && IsChild(pageWindow, focus)) SetFocus(Tabs());
  HWND closing = pageWindow;
  pageWindow = nullptr;
  DestroyWindow(closing);
}

void CPropertyDlg::OnTabChange() {
  HWND tabs = Tabs();
  const int tab = tabs ? TabCtrl_GetCurSel(tabs) : -1;
  if (tab < 0 || pageSet == kNoPageSet) return;
  if (pageSet == kDialogPageSet)
    ShowDialogPage(tab);
  else
    ShowControlPage(tab);
}

void CPropertyDlg::OnClose() {
  if (pageWindow && !SendMessageW(pageWindow, WM_PAGE_COMMIT, 0, 0)) return;
  DestroyWindow(window);
}

INT_PTR CALLBACK CPropertyDlg::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CPropertyDlg*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->window = hwnd;
    return TRUE;
  }
  auto* self = reinterpret_cast<CPropertyDlg*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom != IDC_PROPERTY_TABS || header->code != TCN_SELCHANGE) return FALSE;
      self->OnTabChange();
      return TRUE;
    }
    case WM_CLOSE:
      self->OnClose();
      return TRUE;
    case WM_DESTROY:
      if (self->page) self->page->closing = true;
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, DWLP_USER, 0);
      self->window = nullptr;
      self->pageWindow = nullptr;
      self->pageSet = kNoPageSet;
      return FALSE;
    default:
      return FALSE;
  }
}
