// The properties window in process: a real frame with the document's hooks,
// a script opened from a copy, and its design windows. The selection is set
// directly, as the design surface sets it, and the window refreshed.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "design_fixture.h"
#include "editor/properties/page_rules.h"
#include "editor/properties/win/property_dlg.h"
#include "editor/resources/resource.h"
#include "win_test_util.h"

namespace {

using namespace morvidtest;

// Orders of the controls of IDD_PROPS.
constexpr int kOk = 1;
constexpr int kEdit = 3;
constexpr int kList = 4;
constexpr int kVBar = 5;
constexpr int kHBar = 6;
constexpr int kStatic = 7;
constexpr int kPicture = 9;

// The window as the screen shows it, its pages included.
void Screenshot(HWND window, const wchar_t* name) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  wintest::PumpPending();
  wintest::SavePng(wintest::ScreenshotPath(name), wintest::CaptureScreenOfWindow(window));
}

// Answers the message boxes that come up while a call runs, remembering
// what they said and whether the properties window was disabled meanwhile.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(HWND frame) : timer(SetTimer(nullptr, 0, 20, OnTimer)) {
    current = this;
    owner = frame;
  }
  ~BoxAnswerer() {
    KillTimer(nullptr, timer);
    current = nullptr;
  }
  std::wstring text;
  int boxes = 0;
  bool propertiesDisabled = false;

 private:
  static BOOL CALLBACK Find(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && window != g_propertyDlg.window &&
        GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), Find, reinterpret_cast<LPARAM>(&box));
    if (!box || !current) return;
    current->text = TextOf(GetDlgItem(box, 0xFFFF));
    current->boxes++;
    current->propertiesDisabled = g_propertyDlg.window && !IsWindowEnabled(g_propertyDlg.window);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  UINT_PTR timer;
  static BoxAnswerer* current;
  static HWND owner;
};

BoxAnswerer* BoxAnswerer::current = nullptr;
HWND BoxAnswerer::owner = nullptr;

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// Every field a page's rules name is on its template, as a check box or a
// combo box; a missing one would leave its style bits out of reach.
TEST(PropertyPages, EveryTemplateHoldsItsFields) {
  HWND owner =
      CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROPERTIES), nullptr, QuietProc, 0);
  ASSERT_NE(owner, nullptr);
  EXPECT_EQ(TextOf(owner), L"Свойства");
  RECT size = {0, 0, 307, 95}, client;
  MapDialogRect(owner, &size);
  GetClientRect(owner, &client);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);
  for (int page : {IDD_PAGE_GENERAL, IDD_PAGE_STATIC, IDD_PAGE_EX_STYLES, IDD_PAGE_RADIO, IDD_PAGE_PUSH,
                   IDD_PAGE_CHECK, IDD_PAGE_GROUP, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_EDIT, IDD_PAGE_COMBO,
                   IDD_PAGE_LIST, IDD_PAGE_SCROLL, IDD_PAGE_UPDOWN, IDD_PAGE_PROGRESS, IDD_PAGE_SLIDER,
                   IDD_PAGE_DIALOG, IDD_PAGE_DIALOG_STYLES, IDD_PAGE_DIALOG_MORE, IDD_PAGE_DIALOG_EX}) {
    HWND made = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(page), owner, QuietProc, 0);
    ASSERT_NE(made, nullptr) << page;
    // As written in the template (a made window shows DS_CONTROL as WS_EX_CONTROLPARENT).
    const auto* header = static_cast<const DWORD*>(LockResource(LoadResource(
        nullptr, FindResourceW(nullptr, MAKEINTRESOURCEW(page), reinterpret_cast<LPCWSTR>(RT_DIALOG)))));
    ASSERT_NE(header, nullptr);
    const DWORD exStyle = header[2], style = header[3];  // after version, signature and help id
    const bool controlParent = page < IDD_PAGE_DIALOG_MORE;
    EXPECT_EQ((exStyle & WS_EX_CONTROLPARENT) != 0, controlParent) << page;
    EXPECT_EQ((style & DS_CONTROL) != 0, !controlParent) << page;
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    const PageTable table = PageFields(page);
    for (size_t i = 0; i < table.count; ++i) {
      HWND field = GetDlgItem(made, table.fields[i].id);
      ASSERT_NE(field, nullptr) << table.fields[i].id;
      wchar_t name[32] = {};
      GetClassNameW(field, name, 32);
      EXPECT_STREQ(name, table.fields[i].combo ? L"ComboBox" : L"Button") << table.fields[i].id;
      if (!table.fields[i].combo) {
        EXPECT_EQ(GetWindowLongPtrW(field, GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);
      }
    }
    DestroyWindow(made);
  }
  DestroyWindow(owner);
}

class PropertiesWindow : public DocumentSuite {
 protected:
  void SetUp() override {
    ASSERT_EQ(OpenDataScript(L"properties", L"props.rc"), 1);
    design = DocumentSuite::Open(L"IDD_PROPS");
    ASSERT_NE(design, nullptr);
    dialog = &DialogOf(design);
  }
  void TearDown() override {
    CloseDocument();
    // The window stays open between tests (closing a top-level window costs
    // seconds under Wine without a window manager); each starts afresh.
    EXPECT_EQ(g_propertyDlg.Tabs(), nullptr);
    g_propertyDlg.lastTab = -1;
  }

  HWND Control(int order) { return ControlOf(design, order); }
  void Select(int order) { DocumentSuite::Select(design, {order}); }
  void SelectDialog() { DocumentSuite::Select(design, {}); }
  void Open() {
    hooks->ShowProperties();
    ASSERT_NE(g_propertyDlg.window, nullptr);
  }
  void SwitchTab(int tab) {
    HWND tabs = g_propertyDlg.Tabs();
    ASSERT_NE(tabs, nullptr);
    TabCtrl_SetCurSel(tabs, tab);
    NMHDR header = {tabs, IDC_PROPERTY_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(g_propertyDlg.window, WM_NOTIFY, IDC_PROPERTY_TABS, reinterpret_cast<LPARAM>(&header));
  }
  int Tab() { return g_propertyDlg.Tabs() ? TabCtrl_GetCurSel(g_propertyDlg.Tabs()) : -1; }
  int TabCount() { return g_propertyDlg.Tabs() ? TabCtrl_GetItemCount(g_propertyDlg.Tabs()) : -1; }
  std::wstring Caption() { return TextOf(g_propertyDlg.window); }
  HWND Field(int id) { return g_propertyDlg.pageWindow ? GetDlgItem(g_propertyDlg.pageWindow, id) : nullptr; }
  // Types into a field as the keyboard would, after emptying it.
  void Type(HWND field, const std::wstring& text) {
    HWND edit = GetWindow(field, GW_CHILD) ? GetWindow(field, GW_CHILD) : field;
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 0);
  }
  std::wstring IdText(int comboId) { return TextOf(Field(comboId)); }

  HWND design = nullptr;
  CDlgRes* dialog = nullptr;
};

}  // namespace

TEST_F(PropertiesWindow, OpensOnTheDialogOwnedByTheFrame) {
  Open();
  HWND window = g_propertyDlg.window;
  EXPECT_EQ(GetWindow(window, GW_OWNER), frame->Window());
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(hooks->PropertiesWindow(), window);
  EXPECT_EQ(Caption(), L"Свойства диалога");
  EXPECT_EQ(TabCount(), 4);
  EXPECT_EQ(Tab(), 0);
  EXPECT_EQ(GetWindowLongPtrW(g_propertyDlg.Tabs(), GWL_STYLE), 0x54011000);
  EXPECT_EQ(GetFocus(), g_propertyDlg.Tabs());
  ASSERT_NE(Field(IDC_DLG_ID), nullptr);
  EXPECT_EQ(IdText(IDC_DLG_ID), L"IDD_PROPS");
  EXPECT_EQ(TextOf(Field(IDC_DLG_FONT_NAME)), L"MS Sans Serif");
  // The page lies in the strip's display area.
  RECT area;
  GetClientRect(window, &area);
  TabCtrl_AdjustRect(g_propertyDlg.Tabs(), FALSE, &area);
  POINT origin = {0, 0};
  MapWindowPoints(g_propertyDlg.pageWindow, window, &origin, 1);
  EXPECT_EQ(origin.x, area.left);
  EXPECT_EQ(origin.y, area.top);
  Screenshot(window, L"properties_dialog_general");
  Screenshot(frame->Window(), L"properties_over_frame");
}

// A double click opens the window on what it selected: a control, or the
// dialog when it lands on empty dialog area.
TEST_F(PropertiesWindow, DoubleClickOpensTheWindow) {
  if (g_propertyDlg.window) DestroyWindow(g_propertyDlg.window);
  auto centre = [](HWND window) {
    RECT rc;
    GetWindowRect(window, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  };
  wintest::ClickOnScreen(centre(Control(kEdit)), 2);
  ASSERT_TRUE(wintest::PumpUntil([] { return g_propertyDlg.window != nullptr; }));
  EXPECT_EQ(Caption(), L"Свойства текстового окна");
  EXPECT_TRUE(dialog->selection.IsSelected(Control(kEdit)));

  wintest::ClickOnScreen(ScreenAtUnits(design, 150, 100), 2);
  EXPECT_TRUE(wintest::PumpUntil([&] { return Caption() == L"Свойства диалога"; }));
}

TEST_F(PropertiesWindow, NoPropertiesForTwoControlsNoneTheTreeAndAMinimisedWindow) {
  Open();
  Select(kEdit);
  EXPECT_EQ(Caption(), L"Свойства текстового окна");
  dialog->selection.AddAsPrimary(Control(kList));
  hooks->RefreshProperties();
  EXPECT_EQ(Caption(), L"Нет свойств");
  EXPECT_EQ(g_propertyDlg.Tabs(), nullptr);
  EXPECT_EQ(g_propertyDlg.pageWindow, nullptr);
  dialog->selection.Clear();
  hooks->RefreshProperties();
  EXPECT_EQ(Caption(), L"Нет свойств");

  Select(kStatic);
  EXPECT_EQ(Caption(), L"Свойства статического текста");
  SetFocus(frame->Panel().Tree());
  hooks->RefreshProperties();
  EXPECT_EQ(Caption(), L"Нет свойств");
  SetFocus(design);
  hooks->RefreshProperties();
  EXPECT_EQ(Caption(), L"Свойства статического текста");

  // A picture has no pages: an empty strip, and the caption stays.
  Select(kPicture);
  EXPECT_EQ(TabCount(), 0);
  EXPECT_EQ(g_propertyDlg.pageWindow, nullptr);
  EXPECT_EQ(Caption(), L"Свойства статического текста");

  ShowWindow(design, SW_MINIMIZE);
  hooks->RefreshProperties();
  EXPECT_EQ(Caption(), L"Нет свойств");
  ShowWindow(design, SW_RESTORE);
}

// The open tab is kept by position across selections, and falls back to
// General where the new set has no such tab.
TEST_F(PropertiesWindow, TabIsKeptByPosition) {
  Open();
  Select(kOk);
  SwitchTab(1);
  EXPECT_NE(Field(IDC_PSH_DEFAULT), nullptr);
  Select(kVBar);
  EXPECT_EQ(Tab(), 1);
  EXPECT_EQ(TabCount(), 2);
  ASSERT_NE(Field(IDC_SCR_ALIGN), nullptr);
  wchar_t item[32] = {};
  SendMessageW(Field(IDC_SCR_ALIGN), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"Left");
  Select(kHBar);
  SendMessageW(Field(IDC_SCR_ALIGN), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"Top");

  Select(kList);
  SwitchTab(2);
  EXPECT_NE(Field(IDC_EXS_CLIENT_EDGE), nullptr);
  Select(kVBar);
  EXPECT_EQ(Tab(), 0);
  EXPECT_NE(Field(IDC_GNX_ID), nullptr);

  SelectDialog();
  SwitchTab(2);
  EXPECT_NE(Field(IDC_DMS_MODAL_FRAME), nullptr);
  Select(kEdit);
  EXPECT_EQ(Tab(), 2);
  EXPECT_NE(Field(IDC_EXS_STATIC_EDGE), nullptr);

  // Through "no properties" the tab index is remembered.
  dialog->selection.Clear();
  hooks->RefreshProperties();
  Select(kList);
  EXPECT_EQ(Tab(), 2);
}

TEST_F(PropertiesWindow, StyleChangeReachesTheModelAndTheSavedScript) {
  Open();
  Select(kEdit);
  SwitchTab(1);
  ASSERT_NE(Field(IDC_EDT_MULTILINE), nullptr);
  EXPECT_FALSE(IsWindowEnabled(Field(IDC_EDT_WANT_RETURN)));
  SendMessageW(Field(IDC_EDT_MULTILINE), BM_CLICK, 0, 0);
  SendMessageW(Field(IDC_EDT_WANT_RETURN), BM_CLICK, 0, 0);
  DlgItem* edit = dialog->ControlAt(kEdit);
  EXPECT_EQ(edit->style & (ES_MULTILINE | ES_WANTRETURN), static_cast<DWORD>(ES_MULTILINE | ES_WANTRETURN));
  // The control's window was made again with the new style, still selected.
  HWND remade = Control(kEdit);
  ASSERT_NE(remade, nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(remade, GWL_STYLE) & ES_MULTILINE);
  EXPECT_TRUE(dialog->selection.IsSelected(remade));
  EXPECT_FALSE(IsWindowEnabled(Field(IDC_EDT_PASSWORD)));
  EXPECT_EQ(Doc().modified, 1);
  Screenshot(g_propertyDlg.window, L"properties_edit_styles");

  // A dialog style rebuilds the surface dialog from the model.
  SelectDialog();
  SwitchTab(1);
  SendMessageW(Field(IDC_DST_TITLE_BAR), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog->style & (WS_CAPTION | WS_SYSMENU), 0u);
  EXPECT_FALSE(IsWindowEnabled(Field(IDC_DST_SYSMENU)));
  HWND surface = SurfaceOf(design);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(surface, GWL_STYLE) & WS_CAPTION, 0);

  ASSERT_EQ(hooks->SaveCommand(), 1);
  const std::string script = ReadBytes(PathOf(L"props.rc"));
  EXPECT_NE(script.find("ES_MULTILINE"), std::string::npos) << script;
  EXPECT_NE(script.find("ES_WANTRETURN"), std::string::npos);
}

TEST_F(PropertiesWindow, CaptionsAndPositionAreStoredAsTyped) {
  Open();
  Select(kStatic);
  Type(Field(IDC_GEN_CAPTION), L"a\\tb");
  EXPECT_EQ(dialog->ControlAt(kStatic)->text.View(), u"a\tb");
  EXPECT_EQ(dialog->ControlAt(kStatic)->textLength, 4u);
  EXPECT_EQ(Doc().modified, 1);

  SelectDialog();
  Type(Field(IDC_DLG_CAPTION), L"New");
  EXPECT_EQ(dialog->caption.View(), u"New");
  EXPECT_EQ(TextOf(SurfaceOf(design)), L"New");
  Type(Field(IDC_DLG_X), L"12abc");
  SendMessageW(g_propertyDlg.pageWindow, WM_COMMAND, MAKEWPARAM(IDC_DLG_X, EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(Field(IDC_DLG_X)));
  EXPECT_EQ(dialog->x, 12);
  EXPECT_EQ(TextOf(Field(IDC_DLG_X)), L"12");
  Type(Field(IDC_DLG_Y), L"");
  SendMessageW(g_propertyDlg.pageWindow, WM_COMMAND, MAKEWPARAM(IDC_DLG_Y, EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(Field(IDC_DLG_Y)));
  EXPECT_EQ(dialog->y, 0);
  EXPECT_EQ(TextOf(Field(IDC_DLG_Y)), L"0");
}

// The font dialog's choice is stored by the model's length rule, and the
// surface dialog is made again with it.
TEST_F(PropertiesWindow, ChosenFontRebuildsTheSurface) {
  Open();
  HWND before = SurfaceOf(design);
  {
    BoxAnswerer answerer(frame->Window());
    SendMessageW(Field(IDC_DLG_FONT), BM_CLICK, 0, 0);
    EXPECT_EQ(answerer.boxes, 1);
    EXPECT_TRUE(answerer.propertiesDisabled);
  }
  EXPECT_EQ(dialog->fontLength, static_cast<std::uint32_t>(dialog->fontName.Length() + 2));
  EXPECT_GT(dialog->pointSize, 0);
  EXPECT_EQ(TextOf(Field(IDC_DLG_FONT_SIZE)), std::to_wstring(dialog->pointSize));
  EXPECT_EQ(TextOf(Field(IDC_DLG_FONT_NAME)), dialog->fontName.W());
  EXPECT_NE(SurfaceOf(design), before);
  EXPECT_EQ(GetFocus(), Field(IDC_DLG_FONT));
  EXPECT_EQ(Doc().modified, 1);
}

// Refused identifiers are told by the frame and keep the window open with
// the old name back in the field.
TEST_F(PropertiesWindow, RefusedIdentifierKeepsTheWindowOpen) {
  Open();
  Select(kEdit);
  EXPECT_EQ(IdText(IDC_GNX_ID), L"IDC_EDIT1");
  struct Case {
    const wchar_t* typed;
    const wchar_t* message;
  } cases[] = {{L"IDC_ONE IDC_TWO", L"Некорректный ввод идентификатора"},
               {L"IDOK", L"Данный идентификатор уже используется"}};
  for (const Case& c : cases) {
    Type(Field(IDC_GNX_ID), c.typed);
    BoxAnswerer answerer(frame->Window());
    SendMessageW(g_propertyDlg.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(answerer.boxes, 1) << wintest::Narrow(c.typed);
    EXPECT_EQ(answerer.text, c.message);
    EXPECT_TRUE(answerer.propertiesDisabled);
    ASSERT_NE(g_propertyDlg.window, nullptr);
    EXPECT_TRUE(IsWindowEnabled(g_propertyDlg.window));
    EXPECT_EQ(IdText(IDC_GNX_ID), L"IDC_EDIT1");
  }
  EXPECT_EQ(dialog->ControlAt(kEdit)->id, 1001);
  EXPECT_EQ(Doc().modified, 0);

  // A new name that begins like a listed one is taken as typed.
  Type(Field(IDC_GNX_ID), L"IDC_EDIT");
  SendMessageW(g_propertyDlg.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(g_propertyDlg.window, nullptr);
  EXPECT_EQ(dialog->ControlAt(kEdit)->id, 1007);
  EXPECT_EQ(Doc().modified, 1);

  // A name chosen from the list is taken at once.
  Open();
  HWND combo = Field(IDC_GNX_ID);
  SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"IDABORT"));
  SendMessageW(g_propertyDlg.pageWindow, WM_COMMAND, MAKEWPARAM(IDC_GNX_ID, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(dialog->ControlAt(kEdit)->id, IDABORT);
  EXPECT_EQ(IdText(IDC_GNX_ID), L"IDABORT");
}

TEST_F(PropertiesWindow, RenamedDialogShowsInTreeTitleScriptAndHeader) {
  Open();
  // Leaving the page commits the field as it loses the focus.
  Type(Field(IDC_DLG_ID), L"IDD_RENAMED");
  SwitchTab(1);
  EXPECT_EQ(dialog->name.View(), u"IDD_RENAMED");
  EXPECT_EQ(TextOf(design), L"IDD_RENAMED");
  HTREEITEM root = TreeView_GetRoot(frame->Panel().Tree());
  HTREEITEM folder = TreeView_GetChild(frame->Panel().Tree(), root);
  const auto names = frame->Panel().ChildTexts(folder);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], L"IDD_RENAMED");
  EXPECT_EQ(names[1], L"IDD_OTHER");

  ASSERT_EQ(hooks->SaveCommand(), 1);
  const std::string script = ReadBytes(PathOf(L"props.rc"));
  EXPECT_NE(script.find("IDD_RENAMED DIALOGEX"), std::string::npos) << script;
  EXPECT_NE(script.find("IDC_EDIT1"), std::string::npos);
  const std::string header = ReadBytes(PathOf(L"Resource.h"));
  EXPECT_NE(header.find("#define IDD_RENAMED"), std::string::npos) << header;
  EXPECT_EQ(header.find("IDD_PROPS"), std::string::npos);
}
