// Every template variant is accepted by CreateDialogIndirectParamW and its
// controls come up with the classes, texts, identifiers and styles of the model.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/design/dlg_res.h"
#include "editor/design/toolbox.h"
#include "editor_test_util.h"
#include "win_test_util.h"

namespace {

using morvidtest::ClassOf;
using morvidtest::TextOf;

INT_PTR CALLBACK SurfaceProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::wstring Wide(const CStringU& text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.Text()), text.Length());
}

// The class name the window manager reports for a record.
std::wstring ExpectedClass(const DlgItem& item) {
  if (item.classOrdinalFlag != kOrdinalFlag) return Wide(item.className);
  static const wchar_t* const kAtoms[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"};
  return kAtoms[item.classAtom - 0x80];
}

class Templates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                                  ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
  }

  void SetUp() override {
    dialog.FillWithDefaults("IDD_T");
    // One control of every tool, in a grid.
    for (int tool = 1; tool < kToolCount; ++tool) {
      DlgItem item;
      if (!ToolboxDefaults(tool, item)) continue;
      item.x = static_cast<std::int16_t>(5 + (tool % 4) * 35);
      item.y = static_cast<std::int16_t>(50 + (tool / 4) * 16);
      item.cx = 30;
      item.cy = 12;
      dialog.AppendCopy(item);
    }
    // A text given by number and a class given by name.
    DlgItem numbered;
    ToolboxDefaults(3, numbered);
    numbered.textOrdinalFlag = kOrdinalFlag;
    numbered.textOrdinal = 128;
    numbered.textLength = 2;
    dialog.AppendCopy(numbered);
    DlgItem list;
    list.className.Assign("SysListView32");
    list.classLength = 14;
    list.text.Assign(u"Список");
    list.textLength = 7;
    list.style = 0x00800001;
    list.cx = 40;
    list.cy = 20;
    dialog.AppendCopy(list);
    dialog.count = static_cast<std::uint16_t>(dialog.ControlCount());

    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TEMPLATE_TEST_PARENT";
    RegisterClassW(&wc);
    parent = CreateWindowExW(0, L"TEMPLATE_TEST_PARENT", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                             500, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
  }

  void TearDown() override {
    if (parent != nullptr) DestroyWindow(parent);
  }

  HWND Create(TemplateMode mode, HWND owner) {
    const CDialogTemplate block = dialog.BuildTemplate(mode);
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(block.Data()),
                                      owner, SurfaceProc, 0);
  }

  void ExpectControls(HWND window) {
    for (std::uint32_t order = 1; order <= dialog.ControlCount(); ++order) {
      const DlgItem& item = *dialog.ControlAt(order);
      SCOPED_TRACE(order);
      HWND control = GetDlgItem(window, static_cast<int>(order));
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(GetDlgCtrlID(control), static_cast<int>(order));
      EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), ExpectedClass(item).c_str()), 0) << wintest::Narrow(ClassOf(control));
      if (item.textOrdinalFlag != kOrdinalFlag && item.kind != ControlKind::ComboBox) {
        EXPECT_EQ(TextOf(control), Wide(item.text));
      }
      // Controls may add bits of their own (an edit trades its border for a
      // client edge); the ones of the record, with child and visible, stay.
      const DWORD expected = (item.style | WS_CHILD | WS_VISIBLE) & ~static_cast<DWORD>(WS_BORDER);
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & expected, expected)
          << std::hex << GetWindowLongW(control, GWL_STYLE);
    }
  }

  CDlgRes dialog;
  HWND parent = nullptr;
};

// The design surface is a visible child, the test run a popup with a
// caption; both show every control where the model puts it, in the dialog's
// own units.
TEST_F(Templates, EachModeShowsEveryControl) {
  for (const bool surface : {true, false}) {
    SCOPED_TRACE(surface ? "design surface" : "test run");
    HWND window = Create(surface ? TemplateMode::DesignSurface : TemplateMode::TestRun, surface ? parent : nullptr);
    ASSERT_NE(window, nullptr);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ((style & WS_CHILD) != 0, surface);
    EXPECT_EQ((style & WS_POPUP) != 0, !surface);
    EXPECT_TRUE(style & (surface ? WS_VISIBLE : WS_CAPTION));
    EXPECT_EQ(GetParent(window), surface ? parent : nullptr);
    EXPECT_EQ(TextOf(window), L"Новый диалог");
    ExpectControls(window);

    const DlgItem& ok = *dialog.ControlAt(1);
    RECT expected = {ok.x, ok.y, ok.x + ok.cx, ok.y + ok.cy};
    MapDialogRect(window, &expected);
    RECT actual;
    GetWindowRect(GetDlgItem(window, 1), &actual);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    DestroyWindow(window);
  }
}

TEST_F(Templates, EmptyDialogWithoutCaption) {
  dialog.controls.clear();
  dialog.count = 0;
  dialog.caption.Assign("");
  dialog.captionLength = 1;
  for (TemplateMode mode : {TemplateMode::DesignSurface, TemplateMode::TestRun}) {
    HWND window = Create(mode, mode == TemplateMode::DesignSurface ? parent : nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), L"");
    EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr);
    DestroyWindow(window);
  }
}

}  // namespace
