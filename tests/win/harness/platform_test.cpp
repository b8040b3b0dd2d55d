// What both programs take for granted from the platform under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "win_test_util.h"

namespace {

// A DLGTEMPLATE with DS_SETFONT, no controls: caption and font as given.
std::vector<WORD> DialogTemplate(const std::wstring& caption, WORD pointSize, const std::wstring& face) {
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* head = reinterpret_cast<DLGTEMPLATE*>(t.data());
  head->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
  head->cdit = 0;
  head->x = 10;
  head->y = 10;
  head->cx = 200;
  head->cy = 100;
  t.push_back(0);  // no menu
  t.push_back(0);  // default class
  t.insert(t.end(), caption.begin(), caption.end());
  t.push_back(0);
  t.push_back(pointSize);
  t.insert(t.end(), face.begin(), face.end());
  t.push_back(0);
  return t;
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string LocaleOfRun() {
  const char* lang = std::getenv("LANG");
  return lang ? lang : "";
}

}  // namespace

TEST(Dialogs, InMemoryTemplateKeepsCyrillicCaption) {
  auto t = DialogTemplate(L"Проверка шаблона", 8, L"MS Sans Serif");
  HWND dlg = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                        nullptr, NoDialogProc, 0);
  ASSERT_NE(dlg, nullptr) << GetLastError();
  wchar_t text[64] = {};
  GetWindowTextW(dlg, text, 64);
  EXPECT_EQ(std::wstring(text), L"Проверка шаблона");
  DestroyWindow(dlg);
}

TEST(Dialogs, MapDialogRectUsesTheTemplateFont) {
  auto t = DialogTemplate(L"Units", 8, L"MS Sans Serif");
  HWND dlg = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                        nullptr, NoDialogProc, 0);
  ASSERT_NE(dlg, nullptr);
  RECT rc = {0, 0, 4, 8};
  ASSERT_TRUE(MapDialogRect(dlg, &rc));
  // One average character: 4 x 8 dialog units. MS Sans Serif 8 is about 5-7 x 13 pixels.
  EXPECT_GE(rc.right, 5);
  EXPECT_LE(rc.right, 8);
  EXPECT_GE(rc.bottom, 12);
  EXPECT_LE(rc.bottom, 16);
  RECT client;
  GetClientRect(dlg, &client);
  EXPECT_EQ(client.right, MulDiv(200, rc.right, 4));
  DestroyWindow(dlg);
}

TEST(Locale, CodePageAndDecimalSeparatorFollowTheRunsLocale) {
  wchar_t sep[8] = {};
  ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8), 0);
  if (LocaleOfRun().rfind("ru_RU", 0) == 0) {
    EXPECT_EQ(GetACP(), 1251u);
    EXPECT_EQ(std::wstring(sep), L",");
    // The Cyrillic letters reach the 8-bit code page where files expect them.
    char bytes[4] = {};
    WideCharToMultiByte(CP_ACP, 0, L"Яя", 2, bytes, 4, nullptr, nullptr);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xDF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFF);
  } else if (LocaleOfRun().rfind("en_US", 0) == 0) {
    EXPECT_EQ(GetACP(), 1252u);
    EXPECT_EQ(std::wstring(sep), L".");
  } else {
    GTEST_SKIP() << "run under an unexpected locale: " << LocaleOfRun();
  }
}

TEST(Screenshots, WindowIsSavedAsPng) {
  auto t = DialogTemplate(L"Снимок", 8, L"MS Sans Serif");
  HWND dlg = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                        nullptr, NoDialogProc, 0);
  ASSERT_NE(dlg, nullptr);
  ShowWindow(dlg, SW_SHOW);
  UpdateWindow(dlg);
  wintest::PumpPending();
  const std::wstring path = wintest::ScreenshotPath(L"harness_dialog");
  DeleteFileW(path.c_str());
  ASSERT_TRUE(wintest::SaveScreenshot(dlg, L"harness_dialog"));
  WIN32_FILE_ATTRIBUTE_DATA attrs = {};
  ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attrs));
  EXPECT_GT(attrs.nFileSizeLow, 1000u);
  DestroyWindow(dlg);
}
