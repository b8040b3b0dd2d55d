// Vantrel.exe driven from outside against the device simulator on COM2: the
// picture after a capture, the tool buttons, and a diagram saved in one run
// and loaded in a fresh one.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "analyzer/analyzer_config.h"
#include "analyzer/picture.h"
#include "analyzer/win/vnt.h"
#include "tests/win/analyzer/vantrel_program.h"
#include "win_test_util.h"

namespace {

uint32_t Dib(uint32_t colour) { return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF); }

constexpr uint32_t kLow = 0x00FF00;
constexpr uint32_t kHigh = 0xFF0000;

std::wstring WorkDir() {
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + L"vantrel_lasim_display";
  CreateDirectoryW(path.c_str(), nullptr);
  return path;
}

void WriteConfig(const std::wstring& dir) {
  TAnalyzerConfig config = {};
  config.Colour0 = kLow;
  config.Colour1 = kHigh;
  for (int i = 0; i < 16; ++i) std::snprintf(config.LineNames[i], sizeof config.LineNames[i], "Ln %d", i);
  config.PortIndex = 1;  // COM2
  std::memcpy(config.RateText, "8,000", 5);
  std::ofstream out((dir + L"\\la.cfg").c_str(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&config), sizeof config);
}

std::vector<uint8_t> FileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

HWND FindChild(HWND parent, const wchar_t* cls) {
  struct Search {
    const wchar_t* cls;
    HWND found;
  } search = {cls, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (wcscmp(name, s->cls) == 0) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The toolbar that holds a command's button.
HWND ToolbarOf(HWND main, int id) {
  HWND bar = nullptr;
  while ((bar = FindWindowExW(main, bar, TOOLBARCLASSNAMEW, nullptr)) != nullptr)
    if (SendMessageW(bar, TB_COMMANDTOINDEX, static_cast<WPARAM>(id), 0) >= 0) return bar;
  return nullptr;
}

bool ToolEnabled(HWND main, int id) {
  HWND bar = ToolbarOf(main, id);
  return bar && SendMessageW(bar, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

// The picture as the screen shows it.
wintest::Pixels ScreenOf(HWND window) { return wintest::CaptureScreenOfClient(window); }

// The picture once it shows what the test waits for and has stopped changing
// (the program paints in its own time); the last look after the deadline.
template <typename Pred>
wintest::Pixels SettledScreenOf(HWND window, Pred shows) {
  wintest::Pixels last = ScreenOf(window);
  wintest::PumpUntil(
      [&] {
        wintest::Pixels now = ScreenOf(window);
        const bool settled = shows(now) && now.data == last.data;
        last = std::move(now);
        return settled;
      },
      10000);
  return last;
}

// The first column where a trace colour shows on line 0: the left margin.
int TraceStart(const wintest::Pixels& shot) {
  for (int x = 0; x < shot.width; ++x)
    for (int y : {2, 10})
      if (shot.At(x, y) == Dib(kLow) || shot.At(x, y) == Dib(kHigh)) return x;
  return -1;
}

// The program with its picture.
struct Program : VantrelProgram {
  explicit Program(const std::wstring& dir) : VantrelProgram(VANTREL_EXE, dir) {
    if (main) image = FindChild(main, L"TImage");
  }
  HWND image = nullptr;
};

TEST(LasimDisplay, CaptureIsDrawnSavedAndLoadedInAFreshRun) {
  const std::wstring dir = WorkDir();
  const std::wstring diagram = dir + L"\\захват.lan";
  DeleteFileW(diagram.c_str());
  WriteConfig(dir);

  wintest::Pixels captured;
  {
    Program run(dir);
    ASSERT_NE(run.main, nullptr);
    ASSERT_NE(run.image, nullptr);
    EXPECT_TRUE(ToolEnabled(run.main, ID_ZOOMIN));
    EXPECT_FALSE(ToolEnabled(run.main, ID_FINDRIGHT));

    const wintest::Pixels before = ScreenOf(run.image);
    run.Command(ID_BUTREAD);
    ASSERT_TRUE(run.Settle());
    // The other process paints when it gets to it: wait for the new picture.
    captured = SettledScreenOf(run.image, [&](const wintest::Pixels& shot) { return shot.data != before.data; });
    wintest::SavePng(wintest::ScreenshotPath(L"analyzer_lasim_capture"), ScreenOf(run.main));

    run.Command(ID_WSAVE);
    ASSERT_TRUE(run.AnswerDialog(L"Сохранить диаграмму", diagram));
    ASSERT_TRUE(wintest::PumpUntil([&] { return FileBytes(diagram).size() == 65536; }, 10000));

    // A press on line 1 places marker 1 where the cursor is and enables the search.
    POINT at = {200, 5};
    ClientToScreen(run.image, &at);
    SetCursorPos(at.x, at.y);
    PostMessageW(run.image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 5));
    ASSERT_TRUE(run.Settle());
    auto markerOf = [](const wintest::Pixels& shot) {
      for (int x = 0; x < shot.width; ++x)
        if (shot.At(x, 120) == Dib(kMarker1Colour) && shot.At(x, 200) == Dib(kMarker1Colour)) return x;
      return -1;
    };
    const int markerX =
        markerOf(SettledScreenOf(run.image, [&](const wintest::Pixels& shot) { return markerOf(shot) >= 0; }));
    EXPECT_NEAR(markerX, 200, 10);
    EXPECT_TRUE(ToolEnabled(run.main, ID_FINDRIGHT));
    EXPECT_TRUE(ToolEnabled(run.main, ID_FINDLEFT));

    run.Command(ID_ZOOMIN);
    run.Command(ID_ZOOMIN);
    run.Command(ID_ZOOMIN);
    // A sent message overtakes posted ones: wait for the third zoom itself.
    EXPECT_TRUE(wintest::PumpUntil([&] { return !ToolEnabled(run.main, ID_ZOOMIN); }, 10000));
    EXPECT_TRUE(ToolEnabled(run.main, ID_ZOOMOUT));
  }

  // Every visible column shows the level the file holds for its sample.
  const std::vector<uint8_t> file = FileBytes(diagram);
  ASSERT_EQ(file.size(), 65536u);
  const int lm = TraceStart(captured);
  ASSERT_GT(lm, 0);
  int changes = 0;
  for (int s = 0; lm + s * 8 + 4 < captured.width; ++s) {
    const uint16_t v = static_cast<uint16_t>(file[2 * s] | (file[2 * s + 1] << 8));
    if (s > 0 && v != static_cast<uint16_t>(file[2 * s - 2] | (file[2 * s - 1] << 8))) ++changes;
    for (int line = 0; line < 16; ++line) {
      const bool high = (v >> line) & 1;
      const int x = lm + s * 8 + 4;
      ASSERT_EQ(captured.At(x, 15 * line + (high ? 2 : 10)), Dib(high ? kHigh : kLow))
          << "sample " << s << " line " << line;
      ASSERT_EQ(captured.At(x, 15 * line + (high ? 10 : 2)), 0u) << "sample " << s << " line " << line;
    }
  }
  EXPECT_GT(changes, 0) << "the simulator's capture should not be flat";

  {
    Program fresh(dir);
    ASSERT_NE(fresh.main, nullptr);
    fresh.Command(ID_WOPEN);
    ASSERT_TRUE(fresh.AnswerDialog(L"Открыть диаграмму", diagram));
    ASSERT_TRUE(fresh.Settle());
    const wintest::Pixels loaded =
        SettledScreenOf(fresh.image, [&](const wintest::Pixels& shot) { return shot.data == captured.data; });
    ASSERT_EQ(loaded.width, captured.width);
    int differing = 0;
    for (size_t i = 0; i < loaded.data.size(); ++i) differing += loaded.data[i] != captured.data[i];
    EXPECT_EQ(differing, 0);
    wintest::SavePng(wintest::ScreenshotPath(L"analyzer_lasim_loaded"), ScreenOf(fresh.main));
  }
  DeleteFileW(diagram.c_str());
}

}  // namespace
