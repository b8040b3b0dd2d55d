// Morvid's resources as the program loads them: menus, accelerators, strings,
// images and the two dialog templates of the shell.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/resources/resource.h"
#include "win_test_util.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::wstring String(UINT id) {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(Instance(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

std::wstring MenuText(HMENU menu, UINT pos) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, pos, text, 128, MF_BYPOSITION);
  return text;
}

struct Item {
  std::wstring text;
  UINT id;  // 0 for a separator, -1 for a popup
};

std::vector<Item> Items(HMENU menu) {
  std::vector<Item> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetSubMenu(menu, i)) {
      items.push_back({MenuText(menu, i), static_cast<UINT>(-1)});
    } else {
      items.push_back({MenuText(menu, i), GetMenuItemID(menu, i)});
    }
  }
  return items;
}

void ExpectItems(HMENU menu, const std::vector<Item>& expected) {
  const auto items = Items(menu);
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, expected[i].text) << "item " << i;
    EXPECT_EQ(items[i].id, expected[i].id) << "item " << i;
  }
}

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::wstring ChildTexts(HWND dialog) {
  std::wstring all;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t text[128] = {};
    GetWindowTextW(c, text, 128);
    all += text;
    all += L"|";
  }
  return all;
}

}  // namespace

TEST(Resources, FrameMenuHasItsPopupsCommandsAndRightAlignedHelp) {
  HMENU menu = LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_FRAME_MENU));
  ASSERT_NE(menu, nullptr);
  const UINT popup = static_cast<UINT>(-1);
  ExpectItems(menu, {{L"&Файл", popup}, {L"&Правка", popup}, {L"П&роект", popup}, {L"&Окно", popup},
                     {L"&Справка", popup}});
  ExpectItems(GetSubMenu(menu, 0), {{L"&Создать\tCtrl+N", IDM_NEW},
                                    {L"&Открыть\tCtrl+O", IDM_OPEN},
                                    {L"Со&хранить\tCtrl+S", IDM_SAVE},
                                    {L"", 0},
                                    {L"&Выход\tAlt+X", IDM_EXIT}});
  ExpectItems(GetSubMenu(menu, 1), {{L"&Отменить\tCtrl+Z", IDM_UNDO},
                                    {L"", 0},
                                    {L"&Копировать", IDM_COPY},
                                    {L"&Вставить", IDM_PASTE},
                                    {L"&Удалить\tDel", IDM_DELETE}});
  ExpectItems(GetSubMenu(menu, 2), {{L"Добавить &диалог", IDM_ADD_DIALOG}, {L"", 0}, {L"&Идентификаторы", IDM_IDENTIFIERS}});
  ExpectItems(GetSubMenu(menu, 3), {{L"Упорядочить", popup}, {L"Закрыть все", IDM_CLOSE_ALL}});
  ExpectItems(GetSubMenu(GetSubMenu(menu, 3), 0),
              {{L"Вертикально", IDM_TILE_VERTICAL}, {L"Горизонтально", IDM_TILE_HORIZONTAL}, {L"Каскадом", IDM_CASCADE}});
  ExpectItems(GetSubMenu(menu, 4), {{L"О программе", IDM_ABOUT}});

  MENUITEMINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(menu, 4, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_RIGHTJUSTIFY);
  ASSERT_TRUE(GetMenuItemInfoW(menu, 3, TRUE, &info));
  EXPECT_FALSE(info.fType & MFT_RIGHTJUSTIFY);
  DestroyMenu(menu);
}

TEST(Resources, DialogMenuHoldsAlignmentSizingSpacingCentringAndTest) {
  HMENU menu = LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_DIALOG_MENU));
  ASSERT_NE(menu, nullptr);
  const UINT popup = static_cast<UINT>(-1);
  ExpectItems(menu, {{L"&Выравнивание", popup},
                     {L"&Одинаковый размер", popup},
                     {L"&Равномерное распределение", popup},
                     {L"&Центрирование", popup},
                     {L"", 0},
                     {L"Тест\tCtrl+T", IDM_TEST}});
  ExpectItems(GetSubMenu(menu, 0), {{L"В&лево", IDM_ALIGN_LEFT}, {L"Вве&рх", IDM_ALIGN_TOP}});
  ExpectItems(GetSubMenu(menu, 1), {{L"&Ширина", IDM_SAME_WIDTH}, {L"&Высота", IDM_SAME_HEIGHT}, {L"&Оба", IDM_SAME_BOTH}});
  ExpectItems(GetSubMenu(menu, 2), {{L"&Горизонтально", IDM_SPREAD_HORIZONTAL}, {L"&Вертикально", IDM_SPREAD_VERTICAL}});
  ExpectItems(GetSubMenu(menu, 3), {{L"&Горизонтально", IDM_CENTRE_HORIZONTAL}, {L"&Вертикально", IDM_CENTRE_VERTICAL}});
  DestroyMenu(menu);
}

TEST(Resources, AcceleratorsAreTheEightKeysAndNotCtrlS) {
  HACCEL table = LoadAcceleratorsW(Instance(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
  ASSERT_NE(table, nullptr);
  ACCEL keys[16] = {};
  ASSERT_EQ(CopyAcceleratorTableW(table, keys, 16), 8);
  struct Expected {
    BYTE flags;
    WORD key;
    WORD cmd;
  };
  const Expected expected[] = {
      {FVIRTKEY | FCONTROL | FNOINVERT, 'N', IDM_NEW},  {FVIRTKEY | FCONTROL | FNOINVERT, 'O', IDM_OPEN},
      {FVIRTKEY | FALT | FNOINVERT, 'X', IDM_EXIT},     {FVIRTKEY | FNOINVERT, VK_DELETE, IDM_DELETE},
      {FVIRTKEY | FCONTROL | FNOINVERT, 'Z', IDM_UNDO}, {FVIRTKEY | FCONTROL | FNOINVERT, 'T', IDM_TEST},
      {FVIRTKEY | FCONTROL | FNOINVERT, 'C', IDM_COPY}, {FVIRTKEY | FCONTROL | FNOINVERT, 'V', IDM_PASTE}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(keys[i].fVirt & ~0x80, expected[i].flags) << i;
    EXPECT_EQ(keys[i].key, expected[i].key) << i;
    EXPECT_EQ(keys[i].cmd, expected[i].cmd) << i;
    EXPECT_NE(keys[i].cmd, IDM_SAVE);
  }
  DestroyAcceleratorTable(table);
}

TEST(Resources, StringsOfCommandsAndShell) {
  EXPECT_EQ(String(IDM_NEW), L"Создать\nСоздать новый документ");
  EXPECT_EQ(String(IDM_OPEN), L"Открыть\nОткрыть документ");
  EXPECT_EQ(String(IDM_SAVE), L"Сохранить\nСохранить документ");
  EXPECT_EQ(String(IDM_EXIT), L"Выход\nЗавершение работы с программой");
  EXPECT_EQ(String(IDS_TITLE), L"Resource Editor");
  EXPECT_EQ(String(IDS_READY), L"Готово");
  EXPECT_EQ(String(IDS_NEW_PROJECT), L"Новый проект");
  EXPECT_EQ(String(IDS_OPEN_ERROR), L"Ошибка при открытии файла");
  EXPECT_EQ(String(IDS_DIALOGS), L"Диалоги");
  EXPECT_EQ(String(IDS_SAVE_ERROR), L"Ошибка при сохранении файла");
  EXPECT_EQ(String(IDS_DIALOG_MENU), L"&Диалог");
  EXPECT_EQ(String(5100), L"Свойства статического текста");
  EXPECT_EQ(String(5108), L"Свойства вертикальной полосы прокрутки");
  EXPECT_EQ(String(5113), L"Свойства диалога");
  EXPECT_EQ(String(5114), L"Нет свойств");
  EXPECT_EQ(String(IDM_TOOL_POINTER), L"Редактирование\nРедактирование диалога");
}

TEST(Resources, EveryPaletteToolHasATooltipAndAHelpText) {
  for (UINT id = IDM_TOOL_POINTER; id <= IDM_TOOL_SLIDER; ++id) {
    const std::wstring text = String(id);
    const size_t newline = text.find(L'\n');
    ASSERT_NE(newline, std::wstring::npos) << id;
    EXPECT_GT(newline, 0u) << id;
    EXPECT_LT(newline + 1, text.size()) << id;
  }
}

TEST(Resources, ToolbarImagesHoldThreeAndFifteenButtons) {
  struct Strip {
    UINT id;
    LONG width;
  };
  for (const Strip strip : {Strip{IDB_MAIN_TOOLBAR, 3 * 16}, Strip{IDB_PALETTE, 15 * 16}}) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(Instance(), MAKEINTRESOURCEW(strip.id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    ASSERT_NE(bitmap, nullptr) << strip.id;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, strip.width);
    EXPECT_EQ(info.bmHeight, 15);
    // The grey background follows the user's button face colour.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_3DFACE)) << strip.id;
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
}

TEST(Resources, IconComesInBothSizes) {
  for (int size : {16, 32}) {
    HICON icon = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(IDI_MORVID), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    DestroyIcon(icon);
  }
}

TEST(Resources, AboutShowsProductVersionAndSupport) {
  HWND about = CreateDialogParamW(Instance(), MAKEINTRESOURCEW(IDD_ABOUT), nullptr, QuietProc, 0);
  ASSERT_NE(about, nullptr);
  wchar_t caption[64] = {};
  GetWindowTextW(about, caption, 64);
  EXPECT_EQ(std::wstring(caption), L"О программе");
  const std::wstring texts = ChildTexts(about);
  for (const wchar_t* line : {L"|Morvid - Редактор сценариев ресурсов|", L"|для MS Windows|", L"|Версия 1.1.1.1|",
                              L"|Поддержка:|", L"|OK|"})
    EXPECT_NE(texts.find(line), std::wstring::npos) << wintest::Narrow(line);
  EXPECT_NE(GetDlgItem(about, IDOK), nullptr);
  DestroyWindow(about);
}

TEST(Resources, DialogListTemplateHoldsTheTree) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_TREEVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&init));
  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr, Instance(), nullptr);
  HWND panel = CreateDialogParamW(Instance(), MAKEINTRESOURCEW(IDD_DIALOG_LIST), host, QuietProc, 0);
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(GetWindowLongW(panel, GWL_STYLE) & WS_CHILD);
  HWND tree = GetDlgItem(panel, IDC_DIALOG_TREE);
  ASSERT_NE(tree, nullptr);
  wchar_t cls[64] = {};
  GetClassNameW(tree, cls, 64);
  EXPECT_EQ(_wcsicmp(cls, WC_TREEVIEWW), 0);
  const LONG style = GetWindowLongW(tree, GWL_STYLE);
  EXPECT_EQ(style & (TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT), TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
  EXPECT_TRUE(GetWindowLongW(tree, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  DestroyWindow(host);
}
