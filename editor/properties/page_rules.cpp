#include "editor/properties/page_rules.h"

#include <iterator>

#include "editor/resources/resource.h"

namespace {

// Window style bits the pages name.
constexpr std::uint32_t kPopup = 0x80000000;
constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kDisabled = 0x08000000;
constexpr std::uint32_t kClipSiblings = 0x04000000;
constexpr std::uint32_t kClipChildren = 0x02000000;
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kDlgFrame = 0x00400000;
constexpr std::uint32_t kCaption = kBorder | kDlgFrame;
constexpr std::uint32_t kVScroll = 0x00200000;
constexpr std::uint32_t kHScroll = 0x00100000;
constexpr std::uint32_t kSysMenu = 0x00080000;
constexpr std::uint32_t kThickFrame = 0x00040000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kMinimizeBox = 0x00020000;
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kMaximizeBox = 0x00010000;
constexpr std::uint32_t kButtonType = 0xF;

// A check box: checked when (bits & mask) == on; it writes on or off into the mask.
constexpr PageField CheckBox(std::uint16_t id, std::uint32_t mask, std::uint32_t on, std::uint32_t off,
                             FieldRule rule = FieldRule::Bits, std::uint16_t partner = 0) {
  PageField field{};
  field.id = id;
  field.target = FieldTarget::Style;
  field.mask = mask;
  field.on = on;
  field.off = off;
  field.rule = rule;
  field.partner = partner;
  return field;
}

constexpr PageField Check(std::uint16_t id, std::uint32_t bit, FieldTarget target = FieldTarget::Style) {
  PageField field = CheckBox(id, bit, bit, 0);
  field.target = target;
  return field;
}

constexpr PageField CheckRule(std::uint16_t id, std::uint32_t bit, FieldRule rule,
                              std::uint16_t partner = 0) {
  return CheckBox(id, bit, bit, 0, rule, partner);
}

template <std::size_t N>
constexpr PageField Combo(std::uint16_t id, std::uint32_t mask, const ComboItem (&items)[N], ComboFill fill,
                          FieldRule rule) {
  PageField field{};
  field.id = id;
  field.combo = true;
  field.target = FieldTarget::Style;
  field.mask = mask;
  field.rule = rule;
  field.items = items;
  field.itemCount = N;
  field.fill = fill;
  return field;
}

template <std::size_t N>
constexpr PageField ComboExact(std::uint16_t id, std::uint32_t mask, const ComboItem (&items)[N],
                               std::int8_t fallback, FieldRule rule = FieldRule::Bits) {
  PageField field = Combo(id, mask, items, ComboFill::Exact, rule);
  field.fallback = fallback;
  return field;
}

template <std::size_t N>
constexpr PageField ComboFirstSet(std::uint16_t id, std::uint32_t mask, const ComboItem (&items)[N],
                                  const std::int8_t (&order)[N], FieldRule rule = FieldRule::Bits) {
  PageField field = Combo(id, mask, items, ComboFill::FirstSet, rule);
  field.order = order;
  return field;
}

constexpr ComboItem kStaticTypes[] = {
    {u"Simple", 0x0B}, {u"Left", 0x00}, {u"Left no wrap", 0x0C}, {u"Center", 0x01}, {u"Right", 0x02}};
constexpr ComboItem kHorizontalAlign[] = {
    {u"Default", 0}, {u"Left", 0x100}, {u"Center", 0x300}, {u"Right", 0x200}};
constexpr ComboItem kVerticalAlign[] = {
    {u"Default", 0}, {u"Top", 0x400}, {u"Center", 0xC00}, {u"Bottom", 0x800}};
constexpr ComboItem kEditAlign[] = {{u"Left", 0}, {u"Center", 1}, {u"Right", 2}};
constexpr ComboItem kComboTypes[] = {{u"Simple", 1}, {u"Dropdown", 2}, {u"Drop list", 3}};
constexpr ComboItem kListSelection[] = {
    {u"Single", 0}, {u"Multiple", 0x8}, {u"Extended", 0x800}, {u"None", 0x4000}};
constexpr std::int8_t kListSelectionOrder[] = {3, 2, 1, 0};
constexpr ComboItem kVerticalBarAlign[] = {{u"None", 0}, {u"Left", 0x2}, {u"Right", 0x4}};
constexpr ComboItem kHorizontalBarAlign[] = {{u"None", 0}, {u"Top", 0x2}, {u"Bottom", 0x4}};
constexpr std::int8_t kBarAlignOrder[] = {1, 2, 0};
constexpr ComboItem kUpDownOrientation[] = {{u"Horizontal", 0x40}, {u"Vertical", 0}};
constexpr std::int8_t kUpDownOrientationOrder[] = {0, 1};
constexpr ComboItem kUpDownAlign[] = {{u"Unattached", 0}, {u"Left", 0x8}, {u"Right", 0x4}};
constexpr std::int8_t kUpDownAlignOrder[] = {1, 2, 0};
constexpr ComboItem kSliderOrientation[] = {{u"Horizontal", 0}, {u"Vertical", 0x2}};
constexpr std::int8_t kSliderOrientationOrder[] = {1, 0};
constexpr ComboItem kSliderPoint[] = {{u"Both", 0x8}, {u"Top/Left", 0x4}, {u"Bottom/Right", 0}};
constexpr std::int8_t kSliderPointOrder[] = {0, 1, 2};
constexpr ComboItem kDialogTypes[] = {{u"Overlapped", 0}, {u"Popup", kPopup}, {u"Child", kChild}};
constexpr std::int8_t kDialogTypeOrder[] = {1, 2, 0};

constexpr PageField kGeneral[] = {Check(IDC_GEN_DISABLED, kDisabled), Check(IDC_GEN_GROUP, kGroup),
                                  Check(IDC_GEN_TABSTOP, kTabStop)};

constexpr PageField kGeneralNoText[] = {Check(IDC_GNX_DISABLED, kDisabled), Check(IDC_GNX_GROUP, kGroup),
                                        Check(IDC_GNX_TABSTOP, kTabStop)};

constexpr PageField kControlExStyles[] = {Check(IDC_EXS_CLIENT_EDGE, 0x200, FieldTarget::ExStyle),
                                          Check(IDC_EXS_STATIC_EDGE, 0x20000, FieldTarget::ExStyle),
                                          Check(IDC_EXS_MODAL_FRAME, 0x1, FieldTarget::ExStyle)};

constexpr PageField kStaticText[] = {ComboExact(IDC_STT_TYPE, 0x1F, kStaticTypes, -1),
                                     Check(IDC_STT_CENTER_IMAGE, 0x200),
                                     Check(IDC_STT_NO_PREFIX, 0x80),
                                     Check(IDC_STT_NOTIFY, 0x100),
                                     Check(IDC_STT_SUNKEN, 0x1000),
                                     Check(IDC_STT_BORDER, kBorder)};

constexpr PageField kRadioButton[] = {
    ComboExact(IDC_RAD_HALIGN, 0x300, kHorizontalAlign, 0),
    ComboExact(IDC_RAD_VALIGN, 0xC00, kVerticalAlign, 0),
    CheckBox(IDC_RAD_AUTO, kButtonType, 9, 4),  // BS_AUTORADIOBUTTON, BS_RADIOBUTTON
    Check(IDC_RAD_PUSH_LIKE, 0x1000),
    Check(IDC_RAD_MULTILINE, 0x2000),
    Check(IDC_RAD_FLAT, 0x8000),
    Check(IDC_RAD_LEFT_TEXT, 0x20),
    Check(IDC_RAD_NOTIFY, 0x4000)};

constexpr PageField kPushButton[] = {
    ComboExact(IDC_PSH_HALIGN, 0x300, kHorizontalAlign, 0),
    ComboExact(IDC_PSH_VALIGN, 0xC00, kVerticalAlign, 0),
    CheckBox(IDC_PSH_DEFAULT, kButtonType, 1, 0),  // BS_DEFPUSHBUTTON, BS_PUSHBUTTON
    Check(IDC_PSH_MULTILINE, 0x2000),
    Check(IDC_PSH_FLAT, 0x8000),
    Check(IDC_PSH_NOTIFY, 0x4000)};

// Auto counts 1 and Tri-state 2 in the index of the type they give together.
constexpr PageField kCheckBox[] = {
    ComboExact(IDC_CHK_HALIGN, 0x300, kHorizontalAlign, 0),
    ComboExact(IDC_CHK_VALIGN, 0xC00, kVerticalAlign, 0),
    CheckBox(IDC_CHK_AUTO, kButtonType, 1, 0, FieldRule::CheckType, IDC_CHK_TRI_STATE),
    CheckBox(IDC_CHK_TRI_STATE, kButtonType, 2, 0, FieldRule::CheckType, IDC_CHK_AUTO),
    Check(IDC_CHK_PUSH_LIKE, 0x1000),
    Check(IDC_CHK_MULTILINE, 0x2000),
    Check(IDC_CHK_FLAT, 0x8000),
    Check(IDC_CHK_LEFT_TEXT, 0x20),
    Check(IDC_CHK_NOTIFY, 0x4000)};

// BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE by Auto + 2 x Tri-state.
constexpr std::uint32_t kCheckTypes[] = {2, 3, 5, 6};

constexpr PageField kGroupBox[] = {ComboExact(IDC_GRP_HALIGN, 0x300, kHorizontalAlign, 0),
                                   Check(IDC_GRP_FLAT, 0x8000), Check(IDC_GRP_NOTIFY, 0x4000)};

constexpr PageField kEdit[] = {ComboExact(IDC_EDT_ALIGN, 0x3, kEditAlign, 0),
                               CheckRule(IDC_EDT_MULTILINE, 0x4, FieldRule::Multiline),
                               CheckRule(IDC_EDT_HSCROLL, kHScroll, FieldRule::MultilineOnly),
                               CheckRule(IDC_EDT_VSCROLL, kVScroll, FieldRule::MultilineOnly),
                               Check(IDC_EDT_AUTO_HSCROLL, 0x80),
                               CheckRule(IDC_EDT_AUTO_VSCROLL, 0x40, FieldRule::MultilineOnly),
                               CheckRule(IDC_EDT_PASSWORD, 0x20, FieldRule::SingleLineOnly),
                               CheckRule(IDC_EDT_WANT_RETURN, 0x1000, FieldRule::MultilineOnly),
                               Check(IDC_EDT_NO_HIDE_SEL, 0x100),
                               Check(IDC_EDT_OEM_CONVERT, 0x400),
                               CheckRule(IDC_EDT_UPPERCASE, 0x8, FieldRule::CaseYields, IDC_EDT_LOWERCASE),
                               CheckRule(IDC_EDT_LOWERCASE, 0x10, FieldRule::CasePair, IDC_EDT_UPPERCASE),
                               Check(IDC_EDT_READ_ONLY, 0x800),
                               Check(IDC_EDT_NUMBER, 0x2000),
                               Check(IDC_EDT_BORDER, kBorder)};

constexpr PageField kComboBox[] = {
    ComboExact(IDC_CMB_TYPE, 0x3, kComboTypes, 0),
    Check(IDC_CMB_SORT, 0x100),
    Check(IDC_CMB_VSCROLL, kVScroll),
    Check(IDC_CMB_AUTO_HSCROLL, 0x40),
    Check(IDC_CMB_NO_INTEGRAL, 0x400),
    Check(IDC_CMB_DISABLE_NO_SCROLL, 0x800),
    Check(IDC_CMB_OEM_CONVERT, 0x80),
    CheckRule(IDC_CMB_UPPERCASE, 0x2000, FieldRule::CaseYields, IDC_CMB_LOWERCASE),
    CheckRule(IDC_CMB_LOWERCASE, 0x4000, FieldRule::CasePair, IDC_CMB_UPPERCASE)};

constexpr PageField kListBox[] = {
    ComboFirstSet(IDC_LST_SELECTION, 0x4808, kListSelection, kListSelectionOrder),
    Check(IDC_LST_VSCROLL, kVScroll),
    Check(IDC_LST_HSCROLL, kHScroll),
    Check(IDC_LST_BORDER, kBorder),
    Check(IDC_LST_SORT, 0x2),
    Check(IDC_LST_DISABLE_NO_SCROLL, 0x1000),
    Check(IDC_LST_NO_INTEGRAL, 0x100),
    Check(IDC_LST_WANT_KEYS, 0x400),
    Check(IDC_LST_MULTICOLUMN, 0x200),
    Check(IDC_LST_TABSTOPS, 0x80),
    Check(IDC_LST_NOTIFY, 0x1),
    Check(IDC_LST_NO_REDRAW, 0x4)};

constexpr PageField kScrollBar[] = {ComboFirstSet(IDC_SCR_ALIGN, 0x6, kVerticalBarAlign, kBarAlignOrder)};

constexpr PageField kUpDown[] = {
    ComboFirstSet(IDC_UPD_ORIENTATION, 0x40, kUpDownOrientation, kUpDownOrientationOrder),
    ComboFirstSet(IDC_UPD_ALIGNMENT, 0xC, kUpDownAlign, kUpDownAlignOrder),
    Check(IDC_UPD_AUTO_BUDDY, 0x10),
    Check(IDC_UPD_SET_BUDDY_INT, 0x2),
    Check(IDC_UPD_NO_THOUSANDS, 0x80),
    Check(IDC_UPD_WRAP, 0x1),
    Check(IDC_UPD_ARROW_KEYS, 0x20),
    Check(IDC_UPD_HOT_TRACK, 0x100)};

constexpr PageField kProgress[] = {Check(IDC_PRG_BORDER, kBorder), Check(IDC_PRG_VERTICAL, 0x4),
                                   Check(IDC_PRG_SMOOTH, 0x1)};

constexpr PageField kSlider[] = {
    ComboFirstSet(IDC_SLD_ORIENTATION, 0x2, kSliderOrientation, kSliderOrientationOrder),
    ComboFirstSet(IDC_SLD_POINT, 0xC, kSliderPoint, kSliderPointOrder),
    CheckBox(IDC_SLD_TICKS, 0x10, 0, 0x10),  // checked while TBS_NOTICKS is clear
    Check(IDC_SLD_AUTO_TICKS, 0x1),
    Check(IDC_SLD_BORDER, kBorder),
    Check(IDC_SLD_SELECTION, 0x20)};

constexpr PageField kDialogStyles[] = {
    ComboFirstSet(IDC_DST_TYPE, kPopup | kChild, kDialogTypes, kDialogTypeOrder, FieldRule::DialogType),
    CheckRule(IDC_DST_TITLE_BAR, kCaption, FieldRule::TitleBar),
    CheckRule(IDC_DST_BORDER, kBorder, FieldRule::FramePair, IDC_DST_DLG_FRAME),
    CheckRule(IDC_DST_DLG_FRAME, kDlgFrame, FieldRule::FramePair, IDC_DST_BORDER),
    CheckRule(IDC_DST_SYSMENU, kSysMenu, FieldRule::SystemMenu),
    Check(IDC_DST_SIZE_BOX, kThickFrame),
    CheckRule(IDC_DST_MINIMIZE, kMinimizeBox, FieldRule::MinMaxBox),
    CheckRule(IDC_DST_MAXIMIZE, kMaximizeBox, FieldRule::MinMaxBox),
    Check(IDC_DST_CLIP_SIBLINGS, kClipSiblings),
    Check(IDC_DST_CLIP_CHILDREN, kClipChildren),
    Check(IDC_DST_VISIBLE, kVisible),
    Check(IDC_DST_DISABLED, kDisabled),
    Check(IDC_DST_HSCROLL, kHScroll),
    Check(IDC_DST_VSCROLL, kVScroll)};

constexpr PageField kDialogMoreStyles[] = {
    Check(IDC_DMS_MODAL_FRAME, 0x80),    Check(IDC_DMS_ABS_ALIGN, 0x1),
    Check(IDC_DMS_CONTEXT_HELP, 0x2000), Check(IDC_DMS_SET_FOREGROUND, 0x200),
    Check(IDC_DMS_NO_FAIL_CREATE, 0x10), Check(IDC_DMS_NO_IDLE_MSG, 0x100),
    Check(IDC_DMS_CONTROL, 0x400),       Check(IDC_DMS_CENTER, 0x800),
    Check(IDC_DMS_CENTER_MOUSE, 0x1000)};

constexpr FieldTarget kEx = FieldTarget::ExStyle;
constexpr PageField kDialogExStyles[] = {
    Check(IDC_DEX_ACCEPT_FILES, 0x10, kEx),    Check(IDC_DEX_APP_WINDOW, 0x40000, kEx),
    Check(IDC_DEX_TOOL_WINDOW, 0x80, kEx),     Check(IDC_DEX_TOPMOST, 0x8, kEx),
    Check(IDC_DEX_STATIC_EDGE, 0x20000, kEx),  Check(IDC_DEX_CLIENT_EDGE, 0x200, kEx),
    Check(IDC_DEX_CONTEXT_HELP, 0x400, kEx),   Check(IDC_DEX_TRANSPARENT, 0x20, kEx),
    Check(IDC_DEX_NO_PARENT_NOTIFY, 0x4, kEx), Check(IDC_DEX_CONTROL_PARENT, 0x10000, kEx)};

template <std::size_t N>
constexpr PageTable Table(int templateId, const PageField (&fields)[N]) {
  return {templateId, fields, N};
}

constexpr PageTable kPages[] = {
    Table(IDD_PAGE_GENERAL, kGeneral),
    Table(IDD_PAGE_GENERAL_NO_TEXT, kGeneralNoText),
    Table(IDD_PAGE_EX_STYLES, kControlExStyles),
    Table(IDD_PAGE_STATIC, kStaticText),
    Table(IDD_PAGE_RADIO, kRadioButton),
    Table(IDD_PAGE_PUSH, kPushButton),
    Table(IDD_PAGE_CHECK, kCheckBox),
    Table(IDD_PAGE_GROUP, kGroupBox),
    Table(IDD_PAGE_EDIT, kEdit),
    Table(IDD_PAGE_COMBO, kComboBox),
    Table(IDD_PAGE_LIST, kListBox),
    Table(IDD_PAGE_SCROLL, kScrollBar),
    Table(IDD_PAGE_UPDOWN, kUpDown),
    Table(IDD_PAGE_PROGRESS, kProgress),
    Table(IDD_PAGE_SLIDER, kSlider),
    Table(IDD_PAGE_DIALOG_STYLES, kDialogStyles),
    Table(IDD_PAGE_DIALOG_MORE, kDialogMoreStyles),
    Table(IDD_PAGE_DIALOG_EX, kDialogExStyles),
};

std::uint32_t& Bits(PageState& state, const PageField& field) {
  return field.target == FieldTarget::ExStyle ? state.exStyle : state.style;
}

std::uint32_t Bits(const PageState& state, const PageField& field) {
  return field.target == FieldTarget::ExStyle ? state.exStyle : state.style;
}

bool IsOn(const PageState& state, const PageField& field) {
  return (Bits(state, field) & field.mask) == field.on;
}

int FillCombo(const PageField& field, std::uint32_t bits) {
  if (field.fill == ComboFill::Exact) {
    for (int i = 0; i < field.itemCount; ++i)
      if (field.items[i].bits == (bits & field.mask)) return i;
    return field.fallback;
  }
  for (int k = 0; k < field.itemCount; ++k) {
    const int i = field.order[k];
    if ((bits & field.items[i].bits) == field.items[i].bits) return i;
  }
  return -1;
}

int CheckTypeIndex(std::uint32_t style) {
  for (int i = 0; i < 4; ++i)
    if ((style & kButtonType) == kCheckTypes[i]) return i;
  return -1;
}

// Sets or clears a field's check and its enabled state for every field of a rule.
template <typename Change>
void ForRule(const PageTable& table, PageState& state, FieldRule rule, Change change) {
  for (std::size_t i = 0; i < table.count; ++i)
    if (table.fields[i].rule == rule) change(table.fields[i], state.fields[i]);
}

void Uncheck(PageState& state, const PageTable& table, FieldRule rule, bool clearBits) {
  ForRule(table, state, rule, [&](const PageField& field, FieldState& shown) {
    if (clearBits) Bits(state, field) &= ~field.mask;
    shown.value = 0;
    shown.enabled = false;
  });
}

void Enable(PageState& state, const PageTable& table, FieldRule rule) {
  ForRule(table, state, rule, [](const PageField&, FieldState& shown) { shown.enabled = true; });
}

bool HasCaption(const PageState& state) {
  return (state.style & kCaption) == kCaption;
}

// The fields that depend on others, after every field was read from its bits.
void FillDependants(const PageTable& table, PageState& state) {
  for (std::size_t i = 0; i < table.count; ++i) {
    const PageField& field = table.fields[i];
    FieldState& shown = state.fields[i];
    switch (field.rule) {
      case FieldRule::CaseYields: {
        const PageField* partner = FindPageField(table.templateId, field.partner);
        if (partner && IsOn(state, *partner)) shown.value = 0;
        break;
      }
      case FieldRule::CheckType: {
        const int index = CheckTypeIndex(state.style);
        shown.value = index >= 0 && (static_cast<std::uint32_t>(index) & field.on) != 0;
        break;
      }
      case FieldRule::MultilineOnly:
      case FieldRule::SingleLineOnly: {
        const bool multiline = (state.style & 0x4) != 0;
        if (multiline != (field.rule == FieldRule::MultilineOnly)) {
          shown.value = 0;
          shown.enabled = false;
        }
        break;
      }
      case FieldRule::FramePair:
        if (HasCaption(state)) {
          shown.value = 1;
          shown.enabled = false;
        }
        break;
      case FieldRule::SystemMenu:
        if (!HasCaption(state)) {
          shown.value = 0;
          shown.enabled = false;
        }
        break;
      case FieldRule::MinMaxBox:
        if (!HasCaption(state) || (state.style & kChild) || !(state.style & kSysMenu)) {
          shown.value = 0;
          shown.enabled = false;
        }
        break;
      default:
        break;
    }
  }
}

void ApplyRule(const PageTable& table, PageState& state, const PageField& field, int value) {
  switch (field.rule) {
    case FieldRule::CasePair:
    case FieldRule::CaseYields:
    case FieldRule::FramePair:
      if (value) {
        const PageField* partner = FindPageField(table.templateId, field.partner);
        if (!partner) break;
        Bits(state, *partner) &= ~partner->mask;
        state.Field(partner->id)->value = 0;
      }
      break;
    case FieldRule::CheckType: {
      const int auto3 = state.Value(field.on == 1 ? field.id : field.partner) ? 1 : 0;
      const int tri = state.Value(field.on == 2 ? field.id : field.partner) ? 2 : 0;
      state.style = (state.style & ~kButtonType) | kCheckTypes[auto3 + tri];
      break;
    }
    case FieldRule::Multiline:
      if (value) {
        Uncheck(state, table, FieldRule::SingleLineOnly, true);
        Enable(state, table, FieldRule::MultilineOnly);
      } else {
        Uncheck(state, table, FieldRule::MultilineOnly, true);
        Enable(state, table, FieldRule::SingleLineOnly);
      }
      break;
    case FieldRule::DialogType:
      if (state.style & kChild) {
        Uncheck(state, table, FieldRule::MinMaxBox, true);
      } else if (HasCaption(state)) {
        Enable(state, table, FieldRule::MinMaxBox);
      }
      break;
    case FieldRule::TitleBar:
      if (value) {
        ForRule(table, state, FieldRule::FramePair, [](const PageField&, FieldState& shown) {
          shown.value = 1;
          shown.enabled = false;
        });
        Enable(state, table, FieldRule::SystemMenu);
        if (!(state.style & kChild) && (state.style & kSysMenu)) Enable(state, table, FieldRule::MinMaxBox);
      } else {
        ForRule(table, state, FieldRule::FramePair, [](const PageField&, FieldState& shown) {
          shown.value = 0;
          shown.enabled = true;
        });
        Uncheck(state, table, FieldRule::SystemMenu, true);
        Uncheck(state, table, FieldRule::MinMaxBox, true);
      }
      break;
    case FieldRule::SystemMenu:
      if (!value)
        Uncheck(state, table, FieldRule::MinMaxBox, true);
      else if (!(state.style & kChild))
        Enable(state, table, FieldRule::MinMaxBox);
      break;
    default:
      break;
  }
}

}  // namespace

PageTable PageFields(int templateId) {
  for (const PageTable& table : kPages)
    if (table.templateId == templateId) return table;
  return {templateId, nullptr, 0};
}

const PageField* FindPageField(int templateId, int fieldId) {
  const PageTable table = PageFields(templateId);
  for (std::size_t i = 0; i < table.count; ++i)
    if (table.fields[i].id == fieldId) return &table.fields[i];
  return nullptr;
}

const ComboItem* ComboItems(const PageField& field, ControlKind kind) {
  if (field.id == IDC_SCR_ALIGN && kind == ControlKind::HScrollBar) return kHorizontalBarAlign;
  return field.items;
}

FieldState* PageState::Field(int id) {
  for (FieldState& field : fields)
    if (field.id == id) return &field;
  return nullptr;
}

const FieldState* PageState::Field(int id) const {
  for (const FieldState& field : fields)
    if (field.id == id) return &field;
  return nullptr;
}

int PageState::Value(int id) const {
  const FieldState* field = Field(id);
  return field ? field->value : 0;
}

bool PageState::Enabled(int id) const {
  const FieldState* field = Field(id);
  return field && field->enabled;
}

PageState FillPage(int templateId, std::uint32_t style, std::uint32_t exStyle) {
  const PageTable table = PageFields(templateId);
  PageState state;
  state.style = style;
  state.exStyle = exStyle;
  for (std::size_t i = 0; i < table.count; ++i) {
    const PageField& field = table.fields[i];
    FieldState shown;
    shown.id = field.id;
    shown.value = field.combo ? FillCombo(field, Bits(state, field)) : IsOn(state, field) ? 1 : 0;
    state.fields.push_back(shown);
  }
  FillDependants(table, state);
  return state;
}

int ApplyField(int templateId, PageState& state, int fieldId, int value) {
  const PageTable table = PageFields(templateId);
  const PageField* field = FindPageField(templateId, fieldId);
  FieldState* shown = state.Field(fieldId);
  if (!field || !shown) return 0;
  if (field->combo) {
    if (value < 0 || value >= field->itemCount) return 0;
    Bits(state, *field) = (Bits(state, *field) & ~field->mask) | field->items[value].bits;
  } else {
    value = value ? 1 : 0;
    if (field->rule != FieldRule::CheckType)
      Bits(state, *field) = (Bits(state, *field) & ~field->mask) | (value ? field->on : field->off);
  }
  shown->value = value;
  ApplyRule(table, state, *field, value);
  return 1;
}
