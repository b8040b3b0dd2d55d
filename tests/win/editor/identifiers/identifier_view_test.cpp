// The identifier view of the shipped Morvid.exe, opened from its menu command
// on a script of two dialogs that share an identifier.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/foundation/win/spread_sheet_u.h"
#include "editor/resources/resource.h"
#include "morvid_session.h"
#include "remote_buffer.h"
#include "win_test_util.h"

namespace {

using morvidtest::TextOf;

// IDD_B is not in the header: reading the script creates it, and the
// number 1500 in IDD_B gets the name ID1500. IDOK and IDC_STATIC are not
// listed.
constexpr const char* kHeader =
    "#define IDC_STATIC -1\r\n"
    "#define IDD_A 101\r\n"
    "#define IDC_SHARED 1001\r\n"
    "#define IDC_ONLY_A 1002\r\n";
constexpr const char* kScript =
    "#include \"Resource.h\"\r\n\r\n"
    "IDD_A DIALOGEX 0, 0, 120, 80\r\n"
    "STYLE WS_POPUP | WS_CAPTION\r\nCAPTION \"A\"\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n"
    "    DEFPUSHBUTTON \"OK\",IDOK,5,5,50,14\r\n"
    "    LTEXT \"Label\",IDC_STATIC,5,25,50,8\r\n"
    "    EDITTEXT IDC_SHARED,5,40,80,14\r\n"
    "    EDITTEXT IDC_ONLY_A,5,60,80,14\r\n"
    "END\r\n\r\n"
    "IDD_B DIALOG 0, 0, 120, 80\r\n"
    "STYLE WS_POPUP | WS_CAPTION\r\nCAPTION \"B\"\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n"
    "    EDITTEXT IDC_SHARED,5,5,80,14\r\n"
    "    PUSHBUTTON \"N\",1500,5,25,50,14\r\n"
    "END\r\n";

class IdentifierView : public MorvidSession {
 protected:
  void SetUp() override {
    morvidtest::WriteBytes(folder / L"Resource.h", kHeader);
    morvidtest::WriteBytes(folder / L"ids.rc", kScript);
  }
  std::wstring Cell(HWND grid, int column, int row) {
    RemoteBuffer remote(program.Handle(), 256 * sizeof(wchar_t));
    const LRESULT length =
        SendMessageW(grid, CSpreadSheetU::kGetCellText, static_cast<WPARAM>(column + row * 3), remote.Param());
    return length < 0 ? L"<none>" : remote.Text();
  }
  // Title, width and format of a header item.
  std::wstring HeaderItem(HWND header, int index, HDITEMW& item) {
    RemoteBuffer remote(program.Handle(), sizeof(HDITEMW) + 256 * sizeof(wchar_t));
    item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = reinterpret_cast<wchar_t*>(remote.At(sizeof(HDITEMW)));
    item.cchTextMax = 255;
    remote.Write(item);
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), remote.Param());
    item = remote.Read<HDITEMW>();
    return remote.Text(sizeof(HDITEMW));
  }
};

TEST_F(IdentifierView, ListsHeaderAndCreatedIdentifiersWhileTheFrameWaits) {
  Start(L"ids.rc");
  ASSERT_TRUE(IsWindowEnabled(frame));

  // Wine does not share menus across processes: the command comes as the menu item's.
  PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_IDENTIFIERS, 0), 0);
  HWND view = program.WaitForTopWindow(L"#32770", 10000);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(TextOf(view), L"IDD_DLG");
  EXPECT_EQ(GetWindow(view, GW_OWNER), frame);
  EXPECT_FALSE(IsWindowEnabled(frame));
  const LONG style = GetWindowLongW(view, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_SYSMENU);

  HWND grid = FindWindowExW(view, nullptr, CSpreadSheetU::kClassName, nullptr);
  ASSERT_NE(grid, nullptr);
  HWND header = GetDlgItem(grid, CSpreadSheetU::kHeaderId);
  ASSERT_NE(header, nullptr);
  const struct {
    const wchar_t* title;
    int width, format;
  } columns[] = {{L"Name", 150, HDF_LEFT}, {L"Value", 70, HDF_RIGHT}, {L"Using", 150, HDF_LEFT}};
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  for (int c = 0; c < 3; ++c) {
    HDITEMW item;
    EXPECT_EQ(HeaderItem(header, c, item), columns[c].title);
    EXPECT_EQ(item.cxy, columns[c].width) << c;
    EXPECT_EQ(item.fmt & (HDF_STRING | HDF_JUSTIFYMASK), HDF_STRING | columns[c].format) << c;
  }

  const std::vector<std::vector<std::wstring>> expected = {
      {L" IDD_A ", L" 101 ", L"  "},
      {L" IDC_SHARED ", L" 1001 ", L" IDD_A; IDD_B "},
      {L" IDC_ONLY_A ", L" 1002 ", L" IDD_A "},
      {L" IDD_B ", L" 1003 ", L"  "},
      {L" ID1500 ", L" 1500 ", L" IDD_B "},
  };
  ASSERT_EQ(SendMessageW(grid, CSpreadSheetU::kGetRowCount, 0, 0), static_cast<LRESULT>(expected.size()));
  for (size_t r = 0; r < expected.size(); ++r)
    for (int c = 0; c < 3; ++c)
      EXPECT_EQ(Cell(grid, c, static_cast<int>(r)), expected[r][c]) << "row " << r << " column " << c;
  EXPECT_EQ(Cell(grid, 0, static_cast<int>(expected.size())), L"<none>");

  // The grid fills the client area as it changes.
  SetWindowPos(view, nullptr, 0, 0, 500, 300, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  ASSERT_TRUE(wintest::PumpUntil(
      [&] {
        RECT client, outer;
        GetClientRect(view, &client);
        GetWindowRect(grid, &outer);
        return outer.right - outer.left == client.right && outer.bottom - outer.top == client.bottom;
      },
      5000));
  wintest::SavePng(wintest::ScreenshotPath(L"identifier_view"), wintest::CaptureScreenOfWindow(view));

  // Escape closes it, though it has no close box.
  PostMessageW(grid, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(wintest::PumpUntil([&] { return !IsWindow(view); }, 5000));
  EXPECT_TRUE(wintest::PumpUntil([&] { return IsWindowEnabled(frame) != FALSE; }, 5000));
}

}  // namespace
