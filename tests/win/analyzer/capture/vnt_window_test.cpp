// The main window and the settings window in process, on a scripted port.
#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analyzer/win/settings.h"
#include "analyzer/win/vnt.h"
#include "fake_port.h"
#include "win_test_util.h"

namespace {

using ::testing::ElementsAre;

std::string TempConfig(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// What the screen shows of a window's client area, children included.
wintest::Pixels ScreenPixels(HWND window) {
  wintest::PumpUntil([] { return false; }, 300);
  return wintest::CaptureScreenOfClient(window);
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    configPath = TempConfig("vantrel_window_test.cfg");
    std::remove(configPath.c_str());
    vnt = std::make_unique<TVNT>(port, sink);
    vnt->quitOnDestroy = false;
    ASSERT_TRUE(vnt->Create(GetModuleHandleW(nullptr)));
    ASSERT_TRUE(vnt->Startup(configPath));
    settings = std::make_unique<TSettings>(vnt->config);
    ASSERT_TRUE(settings->Create(GetModuleHandleW(nullptr), vnt->Handle()));
    vnt->AttachSettings(settings.get());
    ShowWindow(vnt->Handle(), SW_SHOW);
    wintest::PumpPending();
    sink.shown.clear();
    port.log.clear();
  }
  void TearDown() override {
    settings.reset();
    vnt.reset();
    std::remove(configPath.c_str());
  }

  RECT RectIn(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, vnt->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  std::wstring Text(HWND control) {
    wchar_t buffer[256] = {};
    GetWindowTextW(control, buffer, 256);
    return buffer;
  }

  FakePort port;
  RecordingSink sink;
  std::string configPath;
  std::unique_ptr<TVNT> vnt;
  std::unique_ptr<TSettings> settings;
};

TEST_F(MainWindow, ControlsCaptionsAndInitialStates) {
  wchar_t className[32] = {};
  GetClassNameW(vnt->Handle(), className, 32);
  EXPECT_STREQ(className, L"TVNT");
  EXPECT_EQ(Text(vnt->Handle()), L"Vantrel");
  RECT outer;
  GetWindowRect(vnt->Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 709);
  EXPECT_EQ(outer.bottom - outer.top, 495);

  struct Expected {
    int id;
    const wchar_t* text;
    bool enabled;
  };
  for (const Expected& e : {Expected{ID_START, L"Запуск", true}, Expected{ID_MODE, L"Ждать", true},
                            Expected{ID_STOPWAIT, L"Прервать", true}, Expected{ID_BUTREAD, L"Считать", true},
                            Expected{ID_GOM1, L"На 1-й маркер", false}, Expected{ID_GOM2, L"На 2-й маркер", false},
                            Expected{ID_BEXIT, L"Выход", true}, Expected{ID_MARKER1TEXT, L"", true},
                            Expected{ID_MARKERDIF, L"", true}}) {
    HWND control = vnt->Control(e.id);
    ASSERT_NE(control, nullptr) << e.id;
    EXPECT_EQ(Text(control), e.text);
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, e.enabled) << e.id;
  }
  for (int id : {ID_START, ID_STOPWAIT, ID_BUTREAD}) {
    const RECT r = RectIn(vnt->Control(id));
    EXPECT_EQ(r.right - r.left, 57);
    EXPECT_EQ(r.bottom - r.top, 57);
  }
  EXPECT_EQ(SendMessageW(vnt->Control(ID_MODE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(RectIn(vnt->WForm).bottom - RectIn(vnt->WForm).top, 280);

  EXPECT_TRUE(vnt->IsToolEnabled(ID_ZOOMIN));
  EXPECT_FALSE(vnt->IsToolEnabled(ID_FINDLEFT));
  EXPECT_FALSE(vnt->IsToolEnabled(ID_FINDRIGHT));
  HMENU menu = GetMenu(vnt->Handle());
  EXPECT_TRUE(GetMenuState(menu, ID_FINDNEXT, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(menu, ID_FINDPREV, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, ID_MSETTINGS, MF_BYCOMMAND) & MF_GRAYED);
  wchar_t item[64] = {};
  GetMenuStringW(menu, ID_MEXIT, item, 64, MF_BYCOMMAND);
  EXPECT_STREQ(item, L"&Выход\tAlt+F4");

  for (int line = 0; line < 8; ++line) {
    EXPECT_EQ(SendMessageW(vnt->TriggerButton(line, TriggerLevel::DontCare), BM_GETCHECK, 0, 0), BST_CHECKED);
  }
  EXPECT_EQ(vnt->Control(ID_WF7PL), vnt->TriggerButton(0, TriggerLevel::High));
  EXPECT_EQ(vnt->Control(ID_WF0NL), vnt->TriggerButton(7, TriggerLevel::Low));
  EXPECT_EQ(vnt->Control(ID_WF4DC), vnt->TriggerButton(3, TriggerLevel::DontCare));
  EXPECT_EQ(Text(vnt->TriggerButton(0, TriggerLevel::High)), L"Выс. уровень");
  EXPECT_EQ(Text(vnt->TriggerButton(1, TriggerLevel::High)), L"");
  EXPECT_LT(RectIn(vnt->TriggerButton(7, TriggerLevel::Low)).left, RectIn(vnt->TriggerButton(0, TriggerLevel::Low)).left)
      << "line 7 is the leftmost column";

  const wintest::Pixels pixels = wintest::CaptureClient(vnt->WForm);
  ASSERT_GT(pixels.width, 0);
  EXPECT_EQ(pixels.At(pixels.width / 2, 140), 0x000000u);
  wintest::SavePng(wintest::ScreenshotPath(L"vantrel_main_window"), ScreenPixels(vnt->Handle()));
}

// The hint of every control as its tooltip shows it; the trigger buttons,
// which have none of their own, show their panel's.
TEST_F(MainWindow, HintsShowAsTooltips) {
  std::map<HWND, std::wstring> hints;
  struct Scan {
    HWND owner;
    std::map<HWND, std::wstring>* hints;
  } scan = {vnt->Handle(), &hints};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND tip, LPARAM data) -> BOOL {
        auto* scan = reinterpret_cast<Scan*>(data);
        wchar_t cls[64] = {};
        GetClassNameW(tip, cls, 64);
        if (std::wstring(cls) != TOOLTIPS_CLASSW || GetWindow(tip, GW_OWNER) != scan->owner) return TRUE;
        const int count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
          TTTOOLINFOW info = {};
          info.cbSize = TTTOOLINFOW_V2_SIZE;
          if (!SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info))) continue;
          wchar_t text[128] = {};
          info.lpszText = text;
          SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
          if (info.uFlags & TTF_IDISHWND) (*scan->hints)[reinterpret_cast<HWND>(info.uId)] = text;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&scan));

  EXPECT_EQ(hints[vnt->Control(ID_START)], L"Запуск анализатора/Отмена ожидания");
  EXPECT_EQ(hints[vnt->Control(ID_MODE)], L"Срабатывание по событию");
  EXPECT_EQ(hints[vnt->Control(ID_BUTREAD)], L"Считать память");
  EXPECT_EQ(hints[vnt->Control(ID_GOM1)], L"Перейти на 1-й маркер");
  EXPECT_EQ(hints[vnt->Control(ID_GOM2)], L"Перейти на 2-й маркер");
  EXPECT_EQ(hints.count(vnt->Control(ID_STOPWAIT)), 0u);
  for (int line = 0; line < 8; ++line) {
    for (TriggerLevel level : {TriggerLevel::High, TriggerLevel::DontCare, TriggerLevel::Low})
      EXPECT_EQ(hints[vnt->TriggerButton(line, level)], L"Условие срабатывания анализатора") << line;
  }
  EXPECT_EQ(hints[GetParent(vnt->TriggerButton(0, TriggerLevel::High))], L"Условие срабатывания анализатора");

  // The tool buttons ask their window for the text.
  for (auto [id, hint] : {std::pair<int, const wchar_t*>{ID_ZOOMIN, L"Увеличить"},
                          {ID_ZOOMOUT, L"Уменьшить"},
                          {ID_FINDLEFT, L"Найти пред. перепад"},
                          {ID_FINDRIGHT, L"Найти след. перепад"},
                          {ID_CONFIG, L"Настройка"}}) {
    NMTTDISPINFOW request = {};
    request.hdr.code = TTN_GETDISPINFOW;
    request.hdr.idFrom = static_cast<UINT_PTR>(id);
    SendMessageW(vnt->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    ASSERT_NE(request.lpszText, nullptr) << id;
    EXPECT_STREQ(request.lpszText, hint);
  }
}

// Keys as the message loop hands them over: Tab walks the controls through
// the panels, Alt+Right runs the forward search once it is enabled.
TEST_F(MainWindow, TabMovesBetweenControlsAndAltArrowsSearch) {
  SetFocus(vnt->Control(ID_START));
  MSG tab = {vnt->Control(ID_START), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(vnt->TranslateKeys(tab));
  EXPECT_EQ(GetFocus(), vnt->Control(ID_MODE));

  MSG altRight = {vnt->Handle(), WM_SYSKEYDOWN, VK_RIGHT, 1 << 29, 0, {}};
  POINT at = {150, 5};
  ClientToScreen(vnt->WForm, &at);
  SetCursorPos(at.x, at.y);
  SendMessageW(vnt->WForm, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 5));
  SendMessageW(vnt->WForm, WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
  ASSERT_TRUE(vnt->IsToolEnabled(ID_FINDRIGHT));
  BYTE keys[256] = {}, altDown[256] = {};
  GetKeyboardState(keys);
  std::copy(std::begin(keys), std::end(keys), altDown);
  altDown[VK_MENU] = 0x80;  // the accelerator looks at the held Alt
  SetKeyboardState(altDown);
  EXPECT_TRUE(vnt->TranslateKeys(altRight));
  SetKeyboardState(keys);
  wintest::PumpPending();
  const TViewState& view = vnt->display.picture.view;
  EXPECT_EQ((view.StartSample * 8 + view.Marker1X) / 8, 32767) << "line 1 never changes";
}

TEST_F(MainWindow, PanelsFollowTheWindowSizeAsAnchored) {
  const RECT panel1 = RectIn(vnt->Panel1);
  const RECT panel2 = RectIn(vnt->Panel2);
  RECT outer;
  GetWindowRect(vnt->Handle(), &outer);
  SetWindowPos(vnt->Handle(), nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 40,
               SWP_NOMOVE | SWP_NOZORDER);
  const RECT wider1 = RectIn(vnt->Panel1);
  const RECT wider2 = RectIn(vnt->Panel2);
  EXPECT_EQ(wider1.left, panel1.left);
  EXPECT_EQ(wider1.right - wider1.left, panel1.right - panel1.left + 100);
  EXPECT_EQ(wider1.bottom - wider1.top, panel1.bottom - panel1.top);
  EXPECT_EQ(wider2.left, panel2.left + 100);
  EXPECT_EQ(wider2.top, panel2.top + 40);
  EXPECT_EQ(RectIn(vnt->WForm).right - RectIn(vnt->WForm).left, wider1.right - wider1.left - 8);

  MINMAXINFO limits = {};
  SendMessageW(vnt->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 650);
}

TEST_F(MainWindow, TriggerColumnsAndWaitMakeTheArmBytes) {
  Click(vnt->TriggerButton(0, TriggerLevel::High));
  Click(vnt->TriggerButton(7, TriggerLevel::Low));
  EXPECT_EQ(SendMessageW(vnt->TriggerButton(0, TriggerLevel::DontCare), BM_GETCHECK, 0, 0), BST_UNCHECKED)
      << "a column is one group";
  EXPECT_EQ(SendMessageW(vnt->TriggerButton(1, TriggerLevel::DontCare), BM_GETCHECK, 0, 0), BST_CHECKED);
  PostMessageW(vnt->Handle(), WM_COMMAND, ID_START, 0);
  wintest::PumpPending();
  Click(vnt->Control(ID_MODE));
  Click(vnt->Control(ID_START));
  EXPECT_THAT(port.log, ElementsAre("settings", "timeouts 500 500", "read 1", "read 1", "write 44", "read 1",
                                    "write 33 05 7e 01", "settings", "timeouts 500 500", "read 1", "read 1",
                                    "write 33 01 7e 01"));
  EXPECT_EQ(vnt->capture.State(), CaptureState::Armed);
  Click(vnt->Control(ID_STOPWAIT));
  EXPECT_EQ(port.log.back(), "write 88");
  EXPECT_EQ(vnt->capture.State(), CaptureState::Idle);
}

TEST_F(MainWindow, ReadFillsTheSamplesAndAShortOneWarns) {
  Click(vnt->Control(ID_BUTREAD));
  EXPECT_EQ((*vnt->samples)[1], static_cast<uint8_t>(0xA0 ^ 1));
  EXPECT_TRUE(sink.shown.empty());
  port.uploadBytes = 10;
  Click(vnt->Control(ID_BUTREAD));
  EXPECT_THAT(sink.shown,
              ElementsAre(UserMessage{"Считано только 10 байт из 65536!", "Предупреждение!", MessageIcon::Warning}));
}

TEST_F(MainWindow, CloseWritesTheConfigurationOnce) {
  SendMessageW(vnt->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(vnt->Handle(), nullptr);
  EXPECT_EQ(vnt->capture.State(), CaptureState::Closed);
  EXPECT_EQ(FileBytes(configPath).size(), 210u);
  EXPECT_THAT(port.log, ElementsAre("close"));
}

// A rate text that no longer converts must not lock the user out: the box,
// 8 MHz, and the program goes on and rewrites la.cfg at the end.
TEST(StartUp, BadRateTextFallsBackToEightMegahertz) {
  const std::string path = TempConfig("vantrel_bad_rate.cfg");
  TAnalyzerConfig config;
  SetDefaultConfig(config, "8,000");
  SetRateText(config, "abc");
  RecordingSink sink;
  ASSERT_TRUE(SaveConfig(path, config, sink));
  FakePort port;
  TVNT vnt(port, sink);
  vnt.quitOnDestroy = false;
  ASSERT_TRUE(vnt.Create(GetModuleHandleW(nullptr)));
  ASSERT_TRUE(vnt.Startup(path));
  EXPECT_THAT(sink.shown, ElementsAre(UserMessage{"\"abc\" не является числом с плавающей точкой.", "Vantrel",
                                                  MessageIcon::Error}));
  EXPECT_FLOAT_EQ(vnt.SampleRateMHz, 8.0f);
  EXPECT_TRUE(port.IsOpen());
  SendMessageW(vnt.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(FileBytes(path).size(), 210u);
  std::remove(path.c_str());
}

class SettingsWindow : public MainWindow {
 protected:
  void TypeName(const wchar_t* name) {
    SetWindowTextW(settings->Combo, name);
    SendMessageW(settings->Handle(), WM_COMMAND, MAKEWPARAM(ID_COMBO, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(settings->Combo));
  }
  void Enter() { SendMessageW(settings->ComboEdit, WM_KEYDOWN, VK_RETURN, 0); }
  std::wstring Item(int i) {
    wchar_t buffer[32] = {};
    SendMessageW(settings->Combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
    return buffer;
  }
};

TEST_F(SettingsWindow, FilledFromTheRecord) {
  RECT client;
  GetClientRect(settings->Handle(), &client);
  EXPECT_EQ(client.right, 236);
  EXPECT_EQ(client.bottom, 195);
  EXPECT_EQ(Text(settings->Handle()), L"Настройки");
  EXPECT_TRUE(GetWindowLongW(settings->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(Text(settings->Color1), L"Цвет \"1\"");
  EXPECT_EQ(SendMessageW(settings->Combo, CB_GETCOUNT, 0, 0), 16);
  EXPECT_EQ(Item(15), L"Ln 15");
  EXPECT_EQ(SendMessageW(settings->ChoosePort, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(settings->SampleRate), L"_8,000");

  const wintest::Pixels preview = wintest::CaptureClient(settings->Sample);
  ASSERT_EQ(preview.width, 100);
  EXPECT_EQ(preview.At(10, 20), 0x00FF00u) << "falling edge in the level-0 colour";
  EXPECT_EQ(preview.At(70, 10), 0x0000FFu) << "high level in the level-1 colour (0xFF0000 is blue)";
  EXPECT_EQ(preview.At(70, 30), 0x000000u);
}

TEST_F(SettingsWindow, EnterOnTheLastLineGoesOnWithTheFirst) {
  Enter();  // on the name shown at opening, nothing typed: it stays
  EXPECT_EQ(Item(0), L"Ln 0");
  EXPECT_EQ(SendMessageW(settings->Combo, CB_GETCURSEL, 0, 0), 1);
  SendMessageW(settings->Combo, CB_SETCURSEL, 15, 0);
  SendMessageW(settings->Handle(), WM_COMMAND, MAKEWPARAM(ID_COMBO, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(settings->Combo));
  TypeName(L"Clock");
  Enter();
  EXPECT_EQ(Item(15), L"Clock");
  EXPECT_EQ(SendMessageW(settings->Combo, CB_GETCURSEL, 0, 0), 0);
  TypeName(L"Data");
  Enter();
  EXPECT_EQ(Item(0), L"Data");
  EXPECT_EQ(SendMessageW(settings->Combo, CB_GETCURSEL, 0, 0), 1);
  TypeName(L"Lost");  // no Enter: not kept
  SendMessageW(settings->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(LineName(vnt->config, 15), "Clock");
  EXPECT_EQ(LineName(vnt->config, 0), "Data");
  EXPECT_EQ(LineName(vnt->config, 1), "Ln 1");
}

TEST_F(SettingsWindow, PortAndRateGoIntoTheRecord) {
  SendMessageW(settings->ChoosePort, CB_SETCURSEL, 0, 0);
  SendMessageW(settings->Handle(), WM_COMMAND, MAKEWPARAM(ID_CHOOSEPORT, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(settings->ChoosePort));
  EXPECT_EQ(vnt->config.PortIndex, 0);
  EXPECT_THAT(port.log, ::testing::IsEmpty()) << "the port changes only at the next start";

  SendMessageW(settings->SampleRate, EM_SETSEL, 0, 0);
  for (wchar_t c : std::wstring(L"16.5")) SendMessageW(settings->SampleRate, WM_CHAR, c, 0);
  EXPECT_EQ(Text(settings->SampleRate), L"16.500");
  EXPECT_EQ(RateText(vnt->config), "16.500");
  PostMessageW(settings->Handle(), WM_CLOSE, 0, 0);
  vnt->MSettingsClick();
  EXPECT_FLOAT_EQ(vnt->SampleRateMHz, 16.5f);
  EXPECT_TRUE(sink.shown.empty());

  // It was shown over the main window, not in the corner of the screen.
  RECT main, own;
  GetWindowRect(vnt->Handle(), &main);
  GetWindowRect(settings->Handle(), &own);
  EXPECT_NEAR((own.left + own.right) / 2, (main.left + main.right) / 2, 2);
  EXPECT_NEAR((own.top + own.bottom) / 2, (main.top + main.bottom) / 2, 2);
}

TEST_F(SettingsWindow, RateThatIsNoNumberKeepsThePreviousRate) {
  for (int i = 0; i < 6; ++i) {
    SendMessageW(settings->SampleRate, EM_SETSEL, i, i);
    SendMessageW(settings->SampleRate, WM_KEYDOWN, VK_DELETE, 0);
  }
  SendMessageW(settings->SampleRate, EM_SETSEL, 2, 2);
  SendMessageW(settings->SampleRate, WM_CHAR, L',', 0);
  EXPECT_EQ(RateText(vnt->config), "  ,   ");
  PostMessageW(settings->Handle(), WM_CLOSE, 0, 0);
  vnt->MSettingsClick();
  EXPECT_FLOAT_EQ(vnt->SampleRateMHz, 8.0f);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Vantrel");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Error);
}

TEST_F(SettingsWindow, ColourChoiceRedrawsItsPartOfThePreview) {
  settings->chooseColour = [](HWND, COLORREF& colour) {
    colour = RGB(255, 255, 0);
    return true;
  };
  Click(settings->Color0);
  EXPECT_EQ(vnt->config.Colour0, static_cast<uint32_t>(RGB(255, 255, 0)));
  const wintest::Pixels preview = wintest::CaptureClient(settings->Sample);
  EXPECT_EQ(preview.At(10, 20), 0xFFFF00u);
  EXPECT_EQ(preview.At(70, 10), 0x0000FFu);
}

}  // namespace
