#include "editor/script/style_vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::uint32_t Style(std::string_view name) {
  std::uint32_t value = 0xDEADBEEF;
  EXPECT_TRUE(StyleFromName(name, value)) << name;
  return value;
}

std::uint32_t ExStyle(std::string_view name) {
  std::uint32_t value = 0xDEADBEEF;
  EXPECT_TRUE(ExStyleFromName(name, value)) << name;
  return value;
}

TEST(StyleLookupTest, NamesMatchExactlyAndAMissLeavesTheValue) {
  std::uint32_t value = 7;
  EXPECT_FALSE(StyleFromName("ws_child", value));
  EXPECT_FALSE(StyleFromName("WS_CHILD ", value));
  EXPECT_FALSE(StyleFromName("WS_CHIL", value));
  EXPECT_FALSE(StyleFromName("", value));
  EXPECT_FALSE(StyleFromName(std::string(300, 'A'), value));
  EXPECT_EQ(7u, value);
  EXPECT_EQ(0x40000000u, Style("WS_CHILD"));
  EXPECT_EQ(0x40000000u, Style("WS_CHILDWINDOW"));
}

TEST(StyleLookupTest, SharedZeroAndCombinedValues) {
  EXPECT_EQ(Style("WS_SIZEBOX"), Style("WS_THICKFRAME"));
  EXPECT_EQ(Style("WS_ICONIC"), Style("WS_MINIMIZE"));
  EXPECT_EQ(Style("WS_TABSTOP"), Style("WS_MAXIMIZEBOX"));
  EXPECT_EQ(Style("WS_GROUP"), Style("WS_MINIMIZEBOX"));
  for (const char* zero : {"WS_OVERLAPPED", "WS_TILED", "SS_LEFT", "BS_TEXT", "BS_PUSHBUTTON",
                           "TBS_HORZ", "LVS_ICON", "TCS_TABS", "ES_LEFT", "SBS_HORZ"}) {
    EXPECT_EQ(0u, Style(zero)) << zero;
  }
  EXPECT_EQ(0xCF0000u, Style("WS_OVERLAPPEDWINDOW"));
  EXPECT_EQ(0x80880000u, Style("WS_POPUPWINDOW"));
  EXPECT_EQ(0xA00003u, Style("LBS_STANDARD"));
  EXPECT_EQ(0x48u, Style("DS_SHELLFONT"));
  EXPECT_EQ(0x300u, ExStyle("WS_EX_OVERLAPPEDWINDOW"));
  EXPECT_EQ(0x188u, ExStyle("WS_EX_PALETTEWINDOW"));
  EXPECT_EQ(0u, ExStyle("WS_EX_LEFT"));
}

TEST(StyleLookupTest, ExtendedNamesLiveOnlyInTheirOwnTable) {
  std::uint32_t value = 1;
  EXPECT_FALSE(StyleFromName("WS_EX_TOPMOST", value));
  EXPECT_EQ(0x8u, ExStyle("WS_EX_TOPMOST"));
  EXPECT_FALSE(ExStyleFromName("WS_CHILD", value));
  EXPECT_FALSE(ExStyleFromName("ws_ex_topmost", value));
  EXPECT_EQ(1u, value);
}

TEST(DialogStyleTextTest, WindowStyles) {
  EXPECT_EQ("WS_POPUPWINDOW|WS_CAPTION", DialogWindowStyleText(0x80C80000));
  EXPECT_EQ("WS_OVERLAPPEDWINDOW|WS_VISIBLE", DialogWindowStyleText(0x10CF0000));
  EXPECT_EQ("WS_CHILD", DialogWindowStyleText(0x40000000));
  EXPECT_EQ("WS_OVERLAPPED", DialogWindowStyleText(0));
  // The new-dialog default.
  EXPECT_EQ("WS_OVERLAPPED|WS_CAPTION|WS_SYSMENU|WS_VISIBLE", DialogWindowStyleText(0x10C80000));
  EXPECT_EQ("WS_OVERLAPPED|WS_BORDER|WS_SIZEBOX", DialogWindowStyleText(0x00840000));
  EXPECT_EQ("WS_CHILD|WS_BORDER|WS_TABSTOP|WS_GROUP|WS_SIZEBOX", DialogWindowStyleText(0x40870000));
  EXPECT_EQ("WS_CHILD|WS_CAPTION|WS_MAXIMIZEBOX|WS_MINIMIZEBOX|WS_SYSMENU|WS_SIZEBOX|WS_MINIMIZE|"
            "WS_MAXIMIZE|WS_VISIBLE|WS_DISABLED|WS_CLIPCHILDREN|WS_CLIPSIBLINGS|WS_HSCROLL|WS_VSCROLL",
            DialogWindowStyleText(0xFFFF0000));
  EXPECT_EQ("WS_POPUPWINDOW|WS_CAPTION|WS_MAXIMIZEBOX|WS_MINIMIZEBOX|WS_SIZEBOX",
            DialogWindowStyleText(0x80CF0000));
  EXPECT_EQ("WS_POPUPWINDOW|WS_SIZEBOX", DialogWindowStyleText(0x808C0000));
  EXPECT_EQ("WS_POPUP|WS_CAPTION|WS_MAXIMIZEBOX|WS_MINIMIZEBOX", DialogWindowStyleText(0x80C30000));
  // Without a caption the system menu is named only inside WS_POPUPWINDOW.
  EXPECT_EQ("WS_POPUP|WS_DLGFRAME", DialogWindowStyleText(0x80480000));
}

TEST(DialogStyleTextTest, DsStylesUseTheLowWordOnly) {
  EXPECT_EQ("", DialogDsStyleText(0));
  EXPECT_EQ("DS_SHELLFONT", DialogDsStyleText(0x48));
  EXPECT_EQ("DS_SETFONT", DialogDsStyleText(0x40));
  EXPECT_EQ("DS_FIXEDSYS", DialogDsStyleText(0x8));
  EXPECT_EQ("DS_3DLOOK|DS_MODALFRAME|DS_SETFONT", DialogDsStyleText(0x100000C4));
  EXPECT_EQ("", DialogDsStyleText(0xFFFF0022));  // system modal and local edit are never written
  EXPECT_EQ("DS_3DLOOK|DS_ABSALIGN|DS_CENTER|DS_CENTERMOUSE|DS_CONTEXTHELP|DS_CONTROL|DS_MODALFRAME|"
            "DS_NOFAILCREATE|DS_NOIDLEMSG|DS_SETFOREGROUND|DS_SHELLFONT",
            DialogDsStyleText(0xFFFF));
}

TEST(ExStyleTextTest, EndingsAndOrder) {
  EXPECT_EQ("", ExStyleText(0));
  EXPECT_EQ("WS_EX_OVERLAPPEDWINDOW|WS_EX_TOOLWINDOW|WS_EX_TOPMOST", ExStyleText(0x388));
  EXPECT_EQ("WS_EX_PALETTEWINDOW", ExStyleText(0x188));
  EXPECT_EQ("WS_EX_CLIENTEDGE|WS_EX_TOOLWINDOW|WS_EX_TOPMOST", ExStyleText(0x288));
  EXPECT_EQ("WS_EX_WINDOWEDGE|WS_EX_TOPMOST", ExStyleText(0x108));
  EXPECT_EQ("WS_EX_ACCEPTFILES|WS_EX_APPWINDOW|WS_EX_CONTEXTHELP|WS_EX_CONTROLPARENT|"
            "WS_EX_DLGMODALFRAME|WS_EX_MDICHILD|WS_EX_NOPARENTNOTIFY|WS_EX_STATICEDGE|"
            "WS_EX_TRANSPARENT|WS_EX_RIGHT|WS_EX_RTLREADING|WS_EX_LEFTSCROLLBAR|"
            "WS_EX_OVERLAPPEDWINDOW|WS_EX_TOOLWINDOW|WS_EX_TOPMOST",
            ExStyleText(0xFFFFFFFF));
}

TEST(ControlStyleTextTest, WindowStylesNeverNameChildOrFrameWindowBits) {
  EXPECT_EQ("", ControlWindowStyleText(0x40000000 | 0x80000 | 0x40000 | 0xFFFF));
  EXPECT_EQ("WS_DLGFRAME|WS_BORDER|WS_TABSTOP|WS_GROUP|WS_VISIBLE|WS_DISABLED|WS_CLIPCHILDREN|"
            "WS_CLIPSIBLINGS|WS_HSCROLL|WS_VSCROLL",
            ControlWindowStyleText(0xFFFF0000));
}

struct KindCase {
  ControlKind kind;
  std::uint32_t style;
  const char* text;
};

// The emission order of every kind, mostly with all of its bits set.
const KindCase kKindCases[] = {
    {ControlKind::StaticText, 0, "SS_LEFT"},
    {ControlKind::StaticText, 0x5002000B, "WS_GROUP|WS_VISIBLE|SS_SIMPLE"},
    {ControlKind::StaticText, 0xFF8C,
     "SS_LEFTNOWORDWRAP|SS_NOPREFIX|SS_NOTIFY|SS_CENTERIMAGE|SS_RIGHTJUST|SS_REALSIZEIMAGE|"
     "SS_SUNKEN|SS_EDITCONTROL"},
    {ControlKind::StaticPicture, 0x8E, "SS_BITMAP|SS_NOPREFIX"},
    {ControlKind::StaticPicture, 0x12, "SS_ETCHEDFRAME"},
    {ControlKind::StaticOwnerDraw, 0x100D, "SS_OWNERDRAW|SS_SUNKEN"},
    {ControlKind::PushButton, 0x50010C00, "WS_TABSTOP|WS_VISIBLE|BS_PUSHBUTTON|BS_VCENTER"},
    {ControlKind::PushButton, 0x50010400, "WS_TABSTOP|WS_VISIBLE|BS_PUSHBUTTON|BS_TOP"},
    {ControlKind::PushButton, 0x801, "BS_DEFPUSHBUTTON|BS_BOTTOM"},
    {ControlKind::PushButton, 0xFFEB,
     "BS_OWNERDRAW|BS_RIGHTBUTTON|BS_ICON|BS_BITMAP|BS_CENTER|BS_VCENTER|BS_PUSHLIKE|"
     "BS_MULTILINE|BS_NOTIFY|BS_FLAT"},
    {ControlKind::RadioButton, 0x109, "BS_AUTORADIOBUTTON|BS_LEFT"},
    {ControlKind::RadioButton, 0x204, "BS_RADIOBUTTON|BS_RIGHT"},
    {ControlKind::CheckBox, 0x10003, "WS_TABSTOP|BS_AUTOCHECKBOX"},
    {ControlKind::CheckBox, 0x2, "BS_CHECKBOX"},
    {ControlKind::CheckBox, 0x5, "BS_3STATE"},
    {ControlKind::CheckBox, 0x6, "BS_AUTO3STATE"},
    {ControlKind::GroupBox, 0x7, "BS_GROUPBOX"},
    {ControlKind::Edit, 0x810000, "WS_BORDER|WS_TABSTOP|ES_LEFT"},
    {ControlKind::Edit, 0x1, "ES_CENTER"},
    {ControlKind::Edit, 0xFFFE,
     "ES_RIGHT|ES_MULTILINE|ES_UPPERCASE|ES_LOWERCASE|ES_PASSWORD|ES_AUTOVSCROLL|ES_AUTOHSCROLL|"
     "ES_NOHIDESEL|ES_OEMCONVERT|ES_READONLY|ES_WANTRETURN|ES_NUMBER"},
    {ControlKind::ComboBox, 0x1, "CBS_SIMPLE"},
    {ControlKind::ComboBox, 0x10002, "WS_TABSTOP|CBS_DROPDOWN"},
    {ControlKind::ComboBox, 0xFFF3,
     "CBS_DROPDOWNLIST|CBS_OWNERDRAWFIXED|CBS_OWNERDRAWVARIABLE|CBS_AUTOHSCROLL|CBS_OEMCONVERT|"
     "CBS_SORT|CBS_HASSTRINGS|CBS_NOINTEGRALHEIGHT|CBS_DISABLENOSCROLL|CBS_UPPERCASE|CBS_LOWERCASE"},
    {ControlKind::ListBox, 0, ""},
    {ControlKind::ListBox, 0xFFFF,
     "LBS_NOTIFY|LBS_SORT|LBS_NOREDRAW|LBS_MULTIPLESEL|LBS_OWNERDRAWFIXED|LBS_OWNERDRAWVARIABLE|"
     "LBS_HASSTRINGS|LBS_USETABSTOPS|LBS_NOINTEGRALHEIGHT|LBS_MULTICOLUMN|LBS_WANTKEYBOARDINPUT|"
     "LBS_EXTENDEDSEL|LBS_DISABLENOSCROLL|LBS_NODATA|LBS_NOSEL|LBS_COMBOBOX"},
    {ControlKind::VScrollBar, 0x9, "SBS_VERT|SBS_SIZEBOX"},
    {ControlKind::VScrollBar, 0x7, "SBS_VERT|SBS_LEFTALIGN|SBS_RIGHTALIGN"},
    {ControlKind::VScrollBar, 0xF, "SBS_VERT|SBS_SIZEBOX|SBS_SIZEBOXTOPLEFTALIGN|SBS_SIZEBOXBOTTOMRIGHTALIGN"},
    {ControlKind::HScrollBar, 0, "SBS_HORZ"},
    {ControlKind::HScrollBar, 0x6, "SBS_HORZ|SBS_TOPALIGN|SBS_BOTTOMALIGN"},
    {ControlKind::HScrollBar, 0xC, "SBS_HORZ|SBS_SIZEBOX|SBS_SIZEBOXBOTTOMRIGHTALIGN"},
    {ControlKind::UpDown, 0x1FF,
     "UDS_WRAP|UDS_SETBUDDYINT|UDS_ALIGNRIGHT|UDS_ALIGNLEFT|UDS_AUTOBUDDY|UDS_ARROWKEYS|UDS_HORZ|"
     "UDS_NOTHOUSANDS|UDS_HOTTRACK"},
    {ControlKind::Progress, 0x800005, "WS_BORDER|PBS_SMOOTH|PBS_VERTICAL"},
    {ControlKind::Slider, 0, "TBS_HORZ|TBS_BOTTOM"},
    {ControlKind::Slider, 0x4, "TBS_HORZ|TBS_TOP"},
    {ControlKind::Slider, 0xC, "TBS_HORZ|TBS_BOTH"},
    {ControlKind::Slider, 0x2, "TBS_VERT|TBS_RIGHT"},
    {ControlKind::Slider, 0x6, "TBS_VERT|TBS_LEFT"},
    {ControlKind::Slider, 0x1FF,
     "TBS_AUTOTICKS|TBS_VERT|TBS_BOTH|TBS_NOTICKS|TBS_ENABLESELRANGE|TBS_FIXEDLENGTH|TBS_NOTHUMB|"
     "TBS_TOOLTIPS"},
    {ControlKind::HotKey, 0x5001FFFF, "WS_TABSTOP|WS_VISIBLE"},
    {ControlKind::ListView, 0, "LVS_ICON"},
    {ControlKind::ListView, 0xFFFF,
     "LVS_LIST|LVS_SINGLESEL|LVS_SHOWSELALWAYS|LVS_SORTASCENDING|LVS_SORTDESCENDING|"
     "LVS_SHAREIMAGELISTS|LVS_NOLABELWRAP|LVS_AUTOARRANGE|LVS_EDITLABELS|LVS_OWNERDATA|"
     "LVS_NOSCROLL|LVS_ALIGNLEFT|LVS_OWNERDRAWFIXED|LVS_NOCOLUMNHEADER|LVS_NOSORTHEADER"},
    {ControlKind::TreeView, 0x7FFF,
     "TVS_HASBUTTONS|TVS_HASLINES|TVS_LINESATROOT|TVS_EDITLABELS|TVS_DISABLEDRAGDROP|"
     "TVS_SHOWSELALWAYS|TVS_RTLREADING|TVS_NOTOOLTIPS|TVS_CHECKBOXES|TVS_TRACKSELECT|"
     "TVS_SINGLEEXPAND|TVS_INFOTIP|TVS_FULLROWSELECT|TVS_NOSCROLL|TVS_NONEVENHEIGHT"},
    {ControlKind::TabControl, 0x2, "TCS_BOTTOM"},
    {ControlKind::TabControl, 0xFFFF,
     "TCS_SCROLLOPPOSITE|TCS_RIGHT|TCS_MULTISELECT|TCS_FLATBUTTONS|TCS_FORCEICONLEFT|"
     "TCS_FORCELABELLEFT|TCS_HOTTRACK|TCS_VERTICAL|TCS_BUTTONS|TCS_MULTILINE|TCS_FIXEDWIDTH|"
     "TCS_RAGGEDRIGHT|TCS_FOCUSONBUTTONDOWN|TCS_OWNERDRAWFIXED|TCS_TOOLTIPS|TCS_FOCUSNEVER"},
    {ControlKind::Custom, 0x5001FFFF, "WS_TABSTOP|WS_VISIBLE"},
};

TEST(ControlStyleTextTest, EveryKindInItsOrder) {
  for (const KindCase& c : kKindCases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << " style 0x"
                                    << std::hex << c.style);
    EXPECT_EQ(c.text, ControlStyleText(c.kind, c.style).text);
  }
}

TEST(ControlStyleTextTest, ClassNameOfEachKind) {
  const char* expected[kControlKindCount] = {
      "Static", "Static", "Static", "Button", "Button", "Button", "Button",
      "Edit", "ComboBox", "ListBox", "ScrollBar", "ScrollBar", "msctls_updown32",
      "msctls_progress32", "msctls_trackbar32", "msctls_hotkey32", "SysListView32",
      "SysTreeView32", "SysTabControl32", ""};
  for (std::uint32_t k = 0; k < kControlKindCount; ++k) {
    EXPECT_EQ(expected[k], KindClassName(static_cast<ControlKind>(k))) << k;
    EXPECT_EQ(expected[k], ControlStyleText(static_cast<ControlKind>(k), 0).className) << k;
  }
  EXPECT_EQ("msctls_hotkey32", ControlStyleText(ControlKind::HotKey, 0).className);
  // A stored kind from outside the enumeration formats like Custom.
  const ControlStyle stray = ControlStyleText(static_cast<ControlKind>(77), 0x10000001);
  EXPECT_EQ("WS_VISIBLE", stray.text);
  EXPECT_EQ("", stray.className);
}

// A cut list would drop styles when the script is saved.
TEST(ControlStyleTextTest, LongListsAreKeptWhole) {
  const std::string text = ControlStyleText(ControlKind::ListBox, 0xFFFFFFFF).text;
  EXPECT_GT(text.size(), 255u);
  EXPECT_EQ(0u, text.find("WS_DLGFRAME|"));
  EXPECT_EQ(text.size() - 12, text.rfind("LBS_COMBOBOX"));
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t bar = text.find('|', start);
    if (bar == std::string::npos) bar = text.size();
    names.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  return names;
}

// Reads a formatted list back as the script reader would.
std::uint32_t ReadBack(const std::string& text, bool extended) {
  std::uint32_t value = 0;
  for (const std::string& name : Split(text)) {
    EXPECT_FALSE(name.empty()) << "empty name in \"" << text << '"';
    std::uint32_t bits = 0;
    const bool found = extended ? ExStyleFromName(name, bits) : StyleFromName(name, bits);
    EXPECT_TRUE(found) << name;
    value |= bits;
  }
  return value;
}

// Every name a formatter writes is one the reader knows, and stands only for
// bits that were set, so saving never invents a style.
TEST(StyleRoundTripTest, WrittenNamesReadBackAsSubsetsOfTheStyle) {
  std::uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    const std::uint32_t high = seed & 0xFFFF0000u;
    seed = seed * 1103515245u + 12345u;
    return high | (seed >> 16);
  };
  for (int i = 0; i < 3000; ++i) {
    const std::uint32_t style = next();
    const std::string window = DialogWindowStyleText(style);
    const std::uint32_t windowBack = ReadBack(window, false);
    EXPECT_EQ(0u, windowBack & ~style) << window;
    EXPECT_EQ(window, DialogWindowStyleText(windowBack));
    const std::string ds = DialogDsStyleText(style);
    EXPECT_EQ(0u, ReadBack(ds, false) & ~style) << ds;
    const std::string ex = ExStyleText(style);
    const std::uint32_t exBack = ReadBack(ex, true);
    EXPECT_EQ(0u, exBack & ~style) << ex;
    EXPECT_EQ(ex, ExStyleText(exBack));
    for (std::uint32_t k = 0; k < kControlKindCount; ++k) {
      const auto kind = static_cast<ControlKind>(k);
      // A vertical scroll bar always has its direction bit.
      const std::uint32_t controlStyle = kind == ControlKind::VScrollBar ? style | 1 : style;
      const std::string text = ControlStyleText(kind, controlStyle).text;
      EXPECT_EQ(0u, ReadBack(text, false) & ~controlStyle) << "kind " << k << ": " << text;
    }
    if (HasFailure()) break;
  }
}

}  // namespace
