#include "editor/properties/page_set.h"

#include "editor/resources/resource.h"

namespace {

struct ControlPages {
  int caption;
  int general;
  int styles;
  int exStyles;  // 0: the kind has no Extended Styles tab
};

// By kind, 0 (StaticText) to 14 (Slider); kinds 1 and 2 have no pages.
constexpr ControlPages kControlPages[] = {
    {5100, IDD_PAGE_GENERAL, IDD_PAGE_STATIC, IDD_PAGE_EX_STYLES},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {5101, IDD_PAGE_GENERAL, IDD_PAGE_PUSH, IDD_PAGE_EX_STYLES},
    {5102, IDD_PAGE_GENERAL, IDD_PAGE_RADIO, IDD_PAGE_EX_STYLES},
    {5103, IDD_PAGE_GENERAL, IDD_PAGE_CHECK, IDD_PAGE_EX_STYLES},
    {5104, IDD_PAGE_GENERAL, IDD_PAGE_GROUP, IDD_PAGE_EX_STYLES},
    {5105, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_EDIT, IDD_PAGE_EX_STYLES},
    {5106, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_COMBO, IDD_PAGE_EX_STYLES},
    {5107, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_LIST, IDD_PAGE_EX_STYLES},
    {5108, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_SCROLL, 0},
    {5109, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_SCROLL, 0},
    {5110, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_UPDOWN, IDD_PAGE_EX_STYLES},
    {5111, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_PROGRESS, IDD_PAGE_EX_STYLES},
    {5112, IDD_PAGE_GENERAL_NO_TEXT, IDD_PAGE_SLIDER, IDD_PAGE_EX_STYLES},
};

constexpr int kDialogPages[] = {IDD_PAGE_DIALOG, IDD_PAGE_DIALOG_STYLES, IDD_PAGE_DIALOG_MORE,
                                IDD_PAGE_DIALOG_EX};

const ControlPages* PagesOf(ControlKind kind) {
  const auto k = static_cast<std::uint32_t>(kind);
  if (k >= sizeof kControlPages / sizeof kControlPages[0] || kControlPages[k].general == 0) return nullptr;
  return &kControlPages[k];
}

}  // namespace

std::uint32_t ControlPageSet(ControlKind kind) {
  return PagesOf(kind) ? static_cast<std::uint32_t>(kind) + 2 : kNoPageSet;
}

std::vector<const char16_t*> ControlTabs(ControlKind kind) {
  const ControlPages* pages = PagesOf(kind);
  if (!pages) return {};
  if (!pages->exStyles) return {u"General", u"Styles"};
  return {u"General", u"Styles", u"Extended Styles"};
}

std::vector<const char16_t*> DialogTabs() {
  return {u"General", u"Styles", u"More Styles", u"Extended Styles"};
}

int FirstControlTab(int previousTab, ControlKind kind) {
  const int tabs = static_cast<int>(ControlTabs(kind).size());
  return previousTab >= 1 && previousTab < tabs ? previousTab : 0;
}

int FirstDialogTab(int previousTab) {
  return previousTab >= 1 && previousTab <= 3 ? previousTab : 0;
}

int ControlPageTemplate(ControlKind kind, int tab) {
  const ControlPages* pages = PagesOf(kind);
  if (!pages) return 0;
  switch (tab) {
    case 0:
      return pages->general;
    case 1:
      return pages->styles;
    case 2:
      return pages->exStyles;
    default:
      return 0;
  }
}

int DialogPageTemplate(int tab) {
  return tab >= 0 && tab <= 3 ? kDialogPages[tab] : 0;
}

int ControlPageCaption(ControlKind kind) {
  const ControlPages* pages = PagesOf(kind);
  return pages ? pages->caption : 0;
}
