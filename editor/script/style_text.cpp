// Style formatters: numeric styles back to the names the script writer prints.
#include <cstddef>
#include <iterator>
#include <utility>

#include "editor/script/style_vocabulary.h"

namespace {

struct Flag {
  std::string_view name;
  std::uint32_t bits;
};

// A view of a constexpr flag table.
class FlagList {
 public:
  constexpr FlagList() = default;
  template <std::size_t N>
  constexpr FlagList(const Flag (&flags)[N]) : first_(flags), count_(N) {}
  const Flag* begin() const { return first_; }
  const Flag* end() const { return first_ + count_; }

 private:
  const Flag* first_ = nullptr;
  std::size_t count_ = 0;
};

// Builds a "|"-joined list; the first name gets no separator.
class NameList {
 public:
  explicit NameList(std::string start = {}) : text_(std::move(start)) {}

  void Add(std::string_view name) {
    if (!text_.empty()) text_ += '|';
    text_ += name;
  }

  // Every flag whose bits are all set, in table order.
  void AddSet(std::uint32_t style, FlagList flags) {
    for (const Flag& flag : flags) {
      if ((style & flag.bits) == flag.bits) Add(flag.name);
    }
  }

  // The one name whose value equals the style under the mask, if any.
  void AddType(std::uint32_t style, std::uint32_t mask, FlagList types) {
    for (const Flag& type : types) {
      if ((style & mask) == type.bits) {
        Add(type.name);
        return;
      }
    }
  }

  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// Dialog window styles.

constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kPopup = 0x80000000;
constexpr std::uint32_t kCaption = 0xC00000;
constexpr std::uint32_t kOverlappedWindow = 0xCF0000;
constexpr std::uint32_t kPopupWindow = 0x80880000;

constexpr Flag kCaptionGroup[] = {
    {"WS_MAXIMIZEBOX", 0x10000}, {"WS_MINIMIZEBOX", 0x20000},
    {"WS_SYSMENU", 0x80000},     {"WS_SIZEBOX", 0x40000},
};
constexpr Flag kFrameGroup[] = {
    {"WS_BORDER", 0x800000}, {"WS_DLGFRAME", 0x400000}, {"WS_SIZEBOX", 0x40000},
};
constexpr Flag kChildFrame[] = {
    {"WS_DLGFRAME", 0x400000}, {"WS_BORDER", 0x800000}, {"WS_TABSTOP", 0x10000},
    {"WS_GROUP", 0x20000},     {"WS_SIZEBOX", 0x40000},
};
constexpr Flag kPopupWindowBoxes[] = {
    {"WS_MAXIMIZEBOX", 0x10000}, {"WS_MINIMIZEBOX", 0x20000},
};
constexpr Flag kSizeBox[] = {{"WS_SIZEBOX", 0x40000}};
constexpr Flag kDialogState[] = {
    {"WS_MINIMIZE", 0x20000000},    {"WS_MAXIMIZE", 0x1000000},
    {"WS_VISIBLE", 0x10000000},     {"WS_DISABLED", 0x8000000},
    {"WS_CLIPCHILDREN", 0x2000000}, {"WS_CLIPSIBLINGS", 0x4000000},
    {"WS_HSCROLL", 0x100000},       {"WS_VSCROLL", 0x200000},
};

void AddCaptionOrFrame(NameList& list, std::uint32_t style) {
  if ((style & kCaption) == kCaption) {
    list.Add("WS_CAPTION");
    list.AddSet(style, kCaptionGroup);
  } else {
    list.AddSet(style, kFrameGroup);
  }
}

// Dialog styles below 16 bits; DS_SYSMODAL and DS_LOCALEDIT are never written.
constexpr Flag kDsFlags[] = {
    {"DS_3DLOOK", 0x4},          {"DS_ABSALIGN", 0x1},      {"DS_CENTER", 0x800},
    {"DS_CENTERMOUSE", 0x1000},  {"DS_CONTEXTHELP", 0x2000}, {"DS_CONTROL", 0x400},
    {"DS_MODALFRAME", 0x80},     {"DS_NOFAILCREATE", 0x10}, {"DS_NOIDLEMSG", 0x100},
    {"DS_SETFOREGROUND", 0x200},
};
constexpr Flag kDsFont[] = {{"DS_FIXEDSYS", 0x8}, {"DS_SETFONT", 0x40}};

// Extended styles; the zero-valued names are never written.
constexpr Flag kExFlags[] = {
    {"WS_EX_ACCEPTFILES", 0x10},       {"WS_EX_APPWINDOW", 0x40000},
    {"WS_EX_CONTEXTHELP", 0x400},      {"WS_EX_CONTROLPARENT", 0x10000},
    {"WS_EX_DLGMODALFRAME", 0x1},      {"WS_EX_MDICHILD", 0x40},
    {"WS_EX_NOPARENTNOTIFY", 0x4},     {"WS_EX_STATICEDGE", 0x20000},
    {"WS_EX_TRANSPARENT", 0x20},       {"WS_EX_RIGHT", 0x1000},
    {"WS_EX_RTLREADING", 0x2000},      {"WS_EX_LEFTSCROLLBAR", 0x4000},
};
constexpr std::uint32_t kExOverlappedWindow = 0x300;
constexpr std::uint32_t kExPaletteWindow = 0x188;
constexpr Flag kExAfterOverlapped[] = {{"WS_EX_TOOLWINDOW", 0x80}, {"WS_EX_TOPMOST", 0x8}};
constexpr Flag kExAfterPalette[] = {{"WS_EX_CLIENTEDGE", 0x200}};
constexpr Flag kExEdges[] = {
    {"WS_EX_WINDOWEDGE", 0x100}, {"WS_EX_CLIENTEDGE", 0x200},
    {"WS_EX_TOOLWINDOW", 0x80},  {"WS_EX_TOPMOST", 0x8},
};

// Control window styles: WS_CHILD and the frame-window bits never appear.
constexpr Flag kControlWindow[] = {
    {"WS_DLGFRAME", 0x400000},      {"WS_BORDER", 0x800000},
    {"WS_TABSTOP", 0x10000},        {"WS_GROUP", 0x20000},
    {"WS_VISIBLE", 0x10000000},     {"WS_DISABLED", 0x8000000},
    {"WS_CLIPCHILDREN", 0x2000000}, {"WS_CLIPSIBLINGS", 0x4000000},
    {"WS_HSCROLL", 0x100000},       {"WS_VSCROLL", 0x200000},
};

// Control styles by kind.

constexpr Flag kStaticTextTypes[] = {
    {"SS_LEFTNOWORDWRAP", 12}, {"SS_LEFT", 0}, {"SS_CENTER", 1}, {"SS_RIGHT", 2}, {"SS_SIMPLE", 11},
};
constexpr Flag kStaticPictureTypes[] = {
    {"SS_BITMAP", 14},      {"SS_ICON", 3},        {"SS_BLACKRECT", 4},   {"SS_GRAYRECT", 5},
    {"SS_WHITERECT", 6},    {"SS_BLACKFRAME", 7},  {"SS_GRAYFRAME", 8},   {"SS_WHITEFRAME", 9},
    {"SS_ETCHEDHORZ", 16},  {"SS_ETCHEDVERT", 17}, {"SS_ETCHEDFRAME", 18}, {"SS_ENHMETAFILE", 15},
};
constexpr Flag kStaticOwnerDrawTypes[] = {{"SS_OWNERDRAW", 13}};
constexpr Flag kStaticFlags[] = {
    {"SS_NOPREFIX", 0x80},       {"SS_NOTIFY", 0x100}, {"SS_CENTERIMAGE", 0x200},
    {"SS_RIGHTJUST", 0x400},     {"SS_REALSIZEIMAGE", 0x800}, {"SS_SUNKEN", 0x1000},
    {"SS_EDITCONTROL", 0x2000},
};

constexpr Flag kPushButtonTypes[] = {
    {"BS_PUSHBUTTON", 0}, {"BS_DEFPUSHBUTTON", 1}, {"BS_OWNERDRAW", 11},
};
constexpr Flag kRadioButtonTypes[] = {{"BS_RADIOBUTTON", 4}, {"BS_AUTORADIOBUTTON", 9}};
constexpr Flag kCheckBoxTypes[] = {
    {"BS_CHECKBOX", 2}, {"BS_AUTOCHECKBOX", 3}, {"BS_3STATE", 5}, {"BS_AUTO3STATE", 6},
};
constexpr Flag kGroupBoxTypes[] = {{"BS_GROUPBOX", 7}};
constexpr Flag kButtonLook[] = {{"BS_RIGHTBUTTON", 0x20}, {"BS_ICON", 0x40}, {"BS_BITMAP", 0x80}};
// Each alignment is named once, by both of its bits together.
constexpr Flag kButtonHorizontal[] = {{"BS_CENTER", 0x300}, {"BS_LEFT", 0x100}, {"BS_RIGHT", 0x200}};
constexpr Flag kButtonVertical[] = {{"BS_VCENTER", 0xC00}, {"BS_TOP", 0x400}, {"BS_BOTTOM", 0x800}};
constexpr Flag kButtonBehaviour[] = {
    {"BS_PUSHLIKE", 0x1000}, {"BS_MULTILINE", 0x2000}, {"BS_NOTIFY", 0x4000}, {"BS_FLAT", 0x8000},
};

constexpr Flag kEditTypes[] = {{"ES_LEFT", 0}, {"ES_CENTER", 1}, {"ES_RIGHT", 2}};
constexpr Flag kEditFlags[] = {
    {"ES_MULTILINE", 0x4},    {"ES_UPPERCASE", 0x8},    {"ES_LOWERCASE", 0x10},
    {"ES_PASSWORD", 0x20},    {"ES_AUTOVSCROLL", 0x40}, {"ES_AUTOHSCROLL", 0x80},
    {"ES_NOHIDESEL", 0x100},  {"ES_OEMCONVERT", 0x400}, {"ES_READONLY", 0x800},
    {"ES_WANTRETURN", 0x1000}, {"ES_NUMBER", 0x2000},
};

constexpr Flag kComboTypes[] = {{"CBS_SIMPLE", 1}, {"CBS_DROPDOWN", 2}, {"CBS_DROPDOWNLIST", 3}};
constexpr Flag kComboFlags[] = {
    {"CBS_OWNERDRAWFIXED", 0x10},   {"CBS_OWNERDRAWVARIABLE", 0x20}, {"CBS_AUTOHSCROLL", 0x40},
    {"CBS_OEMCONVERT", 0x80},       {"CBS_SORT", 0x100},             {"CBS_HASSTRINGS", 0x200},
    {"CBS_NOINTEGRALHEIGHT", 0x400}, {"CBS_DISABLENOSCROLL", 0x800}, {"CBS_UPPERCASE", 0x2000},
    {"CBS_LOWERCASE", 0x4000},
};

constexpr Flag kListFlags[] = {
    {"LBS_NOTIFY", 0x1},             {"LBS_SORT", 0x2},              {"LBS_NOREDRAW", 0x4},
    {"LBS_MULTIPLESEL", 0x8},        {"LBS_OWNERDRAWFIXED", 0x10},   {"LBS_OWNERDRAWVARIABLE", 0x20},
    {"LBS_HASSTRINGS", 0x40},        {"LBS_USETABSTOPS", 0x80},      {"LBS_NOINTEGRALHEIGHT", 0x100},
    {"LBS_MULTICOLUMN", 0x200},      {"LBS_WANTKEYBOARDINPUT", 0x400}, {"LBS_EXTENDEDSEL", 0x800},
    {"LBS_DISABLENOSCROLL", 0x1000}, {"LBS_NODATA", 0x2000},         {"LBS_NOSEL", 0x4000},
    {"LBS_COMBOBOX", 0x8000},
};

constexpr std::uint32_t kSizeBoxBit = 0x8;
constexpr Flag kSizeBoxAlign[] = {
    {"SBS_SIZEBOXTOPLEFTALIGN", 0x2}, {"SBS_SIZEBOXBOTTOMRIGHTALIGN", 0x4},
};
constexpr Flag kVScrollAlign[] = {{"SBS_LEFTALIGN", 0x2}, {"SBS_RIGHTALIGN", 0x4}};
constexpr Flag kHScrollAlign[] = {{"SBS_TOPALIGN", 0x2}, {"SBS_BOTTOMALIGN", 0x4}};

constexpr Flag kUpDownFlags[] = {
    {"UDS_WRAP", 0x1},      {"UDS_SETBUDDYINT", 0x2}, {"UDS_ALIGNRIGHT", 0x4},
    {"UDS_ALIGNLEFT", 0x8}, {"UDS_AUTOBUDDY", 0x10},  {"UDS_ARROWKEYS", 0x20},
    {"UDS_HORZ", 0x40},     {"UDS_NOTHOUSANDS", 0x80}, {"UDS_HOTTRACK", 0x100},
};

constexpr Flag kProgressFlags[] = {{"PBS_SMOOTH", 0x1}, {"PBS_VERTICAL", 0x4}};

constexpr Flag kSliderFlags[] = {
    {"TBS_NOTICKS", 0x10}, {"TBS_ENABLESELRANGE", 0x20}, {"TBS_FIXEDLENGTH", 0x40},
    {"TBS_NOTHUMB", 0x80}, {"TBS_TOOLTIPS", 0x100},
};

constexpr Flag kListViewTypes[] = {
    {"LVS_ICON", 0}, {"LVS_REPORT", 1}, {"LVS_SMALLICON", 2}, {"LVS_LIST", 3},
};
constexpr Flag kListViewFlags[] = {
    {"LVS_SINGLESEL", 0x4},        {"LVS_SHOWSELALWAYS", 0x8},   {"LVS_SORTASCENDING", 0x10},
    {"LVS_SORTDESCENDING", 0x20},  {"LVS_SHAREIMAGELISTS", 0x40}, {"LVS_NOLABELWRAP", 0x80},
    {"LVS_AUTOARRANGE", 0x100},    {"LVS_EDITLABELS", 0x200},    {"LVS_OWNERDATA", 0x1000},
    {"LVS_NOSCROLL", 0x2000},      {"LVS_ALIGNLEFT", 0x800},     {"LVS_OWNERDRAWFIXED", 0x400},
    {"LVS_NOCOLUMNHEADER", 0x4000}, {"LVS_NOSORTHEADER", 0x8000},
};

constexpr Flag kTreeViewFlags[] = {
    {"TVS_HASBUTTONS", 0x1},      {"TVS_HASLINES", 0x2},        {"TVS_LINESATROOT", 0x4},
    {"TVS_EDITLABELS", 0x8},      {"TVS_DISABLEDRAGDROP", 0x10}, {"TVS_SHOWSELALWAYS", 0x20},
    {"TVS_RTLREADING", 0x40},     {"TVS_NOTOOLTIPS", 0x80},     {"TVS_CHECKBOXES", 0x100},
    {"TVS_TRACKSELECT", 0x200},   {"TVS_SINGLEEXPAND", 0x400},  {"TVS_INFOTIP", 0x800},
    {"TVS_FULLROWSELECT", 0x1000}, {"TVS_NOSCROLL", 0x2000},    {"TVS_NONEVENHEIGHT", 0x4000},
};

constexpr Flag kTabFlags[] = {
    {"TCS_MULTISELECT", 0x4},          {"TCS_FLATBUTTONS", 0x8},     {"TCS_FORCEICONLEFT", 0x10},
    {"TCS_FORCELABELLEFT", 0x20},      {"TCS_HOTTRACK", 0x40},       {"TCS_VERTICAL", 0x80},
    {"TCS_BUTTONS", 0x100},            {"TCS_MULTILINE", 0x200},     {"TCS_FIXEDWIDTH", 0x400},
    {"TCS_RAGGEDRIGHT", 0x800},        {"TCS_FOCUSONBUTTONDOWN", 0x1000},
    {"TCS_OWNERDRAWFIXED", 0x2000},    {"TCS_TOOLTIPS", 0x4000},     {"TCS_FOCUSNEVER", 0x8000},
};

// Names that depend on more than one bit at a time, written between a
// kind's type and its plain flags.
enum class Rule { None, Button, VScrollBar, HScrollBar, Slider, TabControl };

struct KindFormat {
  std::string_view className;
  std::uint32_t typeMask;
  FlagList types;
  Rule rule;
  FlagList flags;
};

// Indexed by ControlKind.
constexpr KindFormat kKindFormats[] = {
    {"Static", 0x1F, kStaticTextTypes, Rule::None, kStaticFlags},
    {"Static", 0x1F, kStaticPictureTypes, Rule::None, kStaticFlags},
    {"Static", 0x1F, kStaticOwnerDrawTypes, Rule::None, kStaticFlags},
    {"Button", 0xF, kPushButtonTypes, Rule::Button, {}},
    {"Button", 0xF, kRadioButtonTypes, Rule::Button, {}},
    {"Button", 0xF, kCheckBoxTypes, Rule::Button, {}},
    {"Button", 0xF, kGroupBoxTypes, Rule::Button, {}},
    {"Edit", 0x3, kEditTypes, Rule::None, kEditFlags},
    {"ComboBox", 0xF, kComboTypes, Rule::None, kComboFlags},
    {"ListBox", 0, {}, Rule::None, kListFlags},
    {"ScrollBar", 0, {}, Rule::VScrollBar, {}},
    {"ScrollBar", 0, {}, Rule::HScrollBar, {}},
    {"msctls_updown32", 0, {}, Rule::None, kUpDownFlags},
    {"msctls_progress32", 0, {}, Rule::None, kProgressFlags},
    {"msctls_trackbar32", 0, {}, Rule::Slider, kSliderFlags},
    {"msctls_hotkey32", 0, {}, Rule::None, {}},
    {"SysListView32", 0x3, kListViewTypes, Rule::None, kListViewFlags},
    {"SysTreeView32", 0, {}, Rule::None, kTreeViewFlags},
    {"SysTabControl32", 0, {}, Rule::TabControl, kTabFlags},
    {"", 0, {}, Rule::None, {}},  // Custom: its own class is written
};
static_assert(std::size(kKindFormats) == kControlKindCount, "one format per control kind");

const KindFormat& FormatOf(ControlKind kind) {
  auto index = static_cast<std::uint32_t>(kind);
  // A kind from outside the enumeration is treated as Custom.
  if (index >= kControlKindCount) index = static_cast<std::uint32_t>(ControlKind::Custom);
  return kKindFormats[index];
}

void AddScrollBar(NameList& list, std::uint32_t style, std::string_view direction, FlagList align) {
  list.Add(direction);
  if (style & kSizeBoxBit) {
    list.Add("SBS_SIZEBOX");
    list.AddSet(style, kSizeBoxAlign);
  } else {
    list.AddSet(style, align);
  }
}

// Ticks on both sides win over one side; neither bit means the default side.
void AddSlider(NameList& list, std::uint32_t style) {
  if (style & 0x1) list.Add("TBS_AUTOTICKS");
  const bool vertical = (style & 0x2) != 0;
  list.Add(vertical ? "TBS_VERT" : "TBS_HORZ");
  if (style & 0x8) {
    list.Add("TBS_BOTH");
  } else if (style & 0x4) {
    list.Add(vertical ? "TBS_LEFT" : "TBS_TOP");
  } else {
    list.Add(vertical ? "TBS_RIGHT" : "TBS_BOTTOM");
  }
}

void AddRule(NameList& list, Rule rule, std::uint32_t style) {
  switch (rule) {
    case Rule::None:
      break;
    case Rule::Button:
      list.AddSet(style, kButtonLook);
      list.AddType(style, 0x300, kButtonHorizontal);
      list.AddType(style, 0xC00, kButtonVertical);
      list.AddSet(style, kButtonBehaviour);
      break;
    case Rule::VScrollBar:
      AddScrollBar(list, style, "SBS_VERT", kVScrollAlign);
      break;
    case Rule::HScrollBar:
      AddScrollBar(list, style, "SBS_HORZ", kHScrollAlign);
      break;
    case Rule::Slider:
      AddSlider(list, style);
      break;
    case Rule::TabControl:
      if (style & 0x1) list.Add("TCS_SCROLLOPPOSITE");
      if (style & 0x2) list.Add((style & 0x80) ? "TCS_RIGHT" : "TCS_BOTTOM");
      break;
  }
}

}  // namespace

// A child names its frame bits one by one; other dialogs start from their
// base (overlapped or popup, or its combined window name) and add the
// caption or frame group. Without a caption no system menu or boxes are
// named unless a combined name holds them.
std::string DialogWindowStyleText(std::uint32_t style) {
  NameList list;
  if (style & kChild) {
    list.Add("WS_CHILD");
    if ((style & kCaption) == kCaption) {
      list.Add("WS_CAPTION");
      list.AddSet(style, kCaptionGroup);
    } else {
      list.AddSet(style, kChildFrame);
    }
  } else if (!(style & kPopup)) {
    if ((style & kOverlappedWindow) == kOverlappedWindow) {
      list.Add("WS_OVERLAPPEDWINDOW");
    } else {
      list.Add("WS_OVERLAPPED");
      AddCaptionOrFrame(list, style);
    }
  } else if ((style & kPopupWindow) == kPopupWindow) {
    list.Add("WS_POPUPWINDOW");
    if ((style & kCaption) == kCaption) {
      list.Add("WS_CAPTION");
      list.AddSet(style, kPopupWindowBoxes);
    }
    list.AddSet(style, kSizeBox);
  } else {
    list.Add("WS_POPUP");
    AddCaptionOrFrame(list, style);
  }
  list.AddSet(style, kDialogState);
  return list.Take();
}

std::string DialogDsStyleText(std::uint32_t style) {
  style &= 0xFFFF;
  NameList list;
  list.AddSet(style, kDsFlags);
  if ((style & 0x48) == 0x48) {
    list.Add("DS_SHELLFONT");
  } else {
    list.AddSet(style, kDsFont);
  }
  return list.Take();
}

std::string ExStyleText(std::uint32_t exStyle) {
  NameList list;
  list.AddSet(exStyle, kExFlags);
  if ((exStyle & kExOverlappedWindow) == kExOverlappedWindow) {
    list.Add("WS_EX_OVERLAPPEDWINDOW");
    list.AddSet(exStyle, kExAfterOverlapped);
  } else if ((exStyle & kExPaletteWindow) == kExPaletteWindow) {
    list.Add("WS_EX_PALETTEWINDOW");
    list.AddSet(exStyle, kExAfterPalette);
  } else {
    list.AddSet(exStyle, kExEdges);
  }
  return list.Take();
}

std::string ControlWindowStyleText(std::uint32_t style) {
  NameList list;
  list.AddSet(style, kControlWindow);
  return list.Take();
}

std::string_view KindClassName(ControlKind kind) { return FormatOf(kind).className; }

ControlStyle ControlStyleText(ControlKind kind, std::uint32_t style) {
  const KindFormat& format = FormatOf(kind);
  NameList list(ControlWindowStyleText(style));
  list.AddType(style, format.typeMask, format.types);
  AddRule(list, format.rule, style);
  list.AddSet(style, format.flags);
  return {list.Take(), format.className};
}
