// CErrorU's message box, answered from a hook on this thread as it opens.
#include "editor/foundation/win/error_box_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SeenBox {
  std::wstring caption;
  std::vector<std::wstring> texts;
  HWND owner = nullptr;
  bool errorIcon = false;
} seen;
HHOOK hook = nullptr;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  seen.texts.push_back(text);
  return TRUE;
}

LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t caption[256] = {};
    GetWindowTextW(box, caption, 256);
    if (seen.caption.empty() && caption[0]) {
      seen.caption = caption;
      seen.owner = GetWindow(box, GW_OWNER);
      EnumChildWindows(box, CollectText, 0);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

TEST(ErrorBox, ShowsTheMessageUnderTheFrameWithTheGivenCaption) {
  HWND frame = CreateWindowExW(0, L"STATIC", L"Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame, nullptr);
  hook = SetWindowsHookExW(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);

  CErrorBox box(frame);
  CErrorU error;
  error.SetSink(&box);
  error.message.Assign(L"Ошибка при открытии файла \"a.rc\"");
  error.Show(CStringU(L"Морвид"));

  UnhookWindowsHookEx(hook);
  DestroyWindow(frame);
  EXPECT_EQ(seen.caption, L"Морвид");
  EXPECT_EQ(seen.owner, frame);
  bool found = false;
  for (const auto& t : seen.texts) found = found || t == L"Ошибка при открытии файла \"a.rc\"";
  EXPECT_TRUE(found);
}

}  // namespace

#include "editor/foundation/win/string_u_win.h"

TEST(TextExtent, MeasuresInPixelsAndRestoresTheMappingMode) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE expected = {};
  GetTextExtentPoint32W(dc, L"Диалоги", 7, &expected);
  SetMapMode(dc, MM_LOMETRIC);
  SIZE size = TextExtent(CStringU(L"Диалоги"), dc);
  EXPECT_EQ(size.cx, expected.cx);
  EXPECT_EQ(size.cy, expected.cy);
  EXPECT_EQ(GetMapMode(dc), MM_LOMETRIC);
  DeleteDC(dc);
}
