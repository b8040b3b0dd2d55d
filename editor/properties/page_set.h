// Which tabs the properties window shows for a selection, which page and
// caption each tab has, and which tab stays open when the selection changes:
// the tab is kept by its position and falls back to General where the new
// set has no tab there.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/design/control_kind.h"

// `pageSet` of the properties window: none, the dialog's pages, or the
// pages of one control of kind k as k + 2.
constexpr std::uint32_t kNoPageSet = 0;
constexpr std::uint32_t kDialogPageSet = 1;

// The page set of a control kind; kNoPageSet for kinds without pages.
std::uint32_t ControlPageSet(ControlKind kind);

// The tab texts, in order.
std::vector<const char16_t*> ControlTabs(ControlKind kind);
std::vector<const char16_t*> DialogTabs();

// The tab a new page set opens on, given the tab open before (-1 for none).
int FirstControlTab(int previousTab, ControlKind kind);
int FirstDialogTab(int previousTab);

// The page template of a tab, 0 when the tab has none.
int ControlPageTemplate(ControlKind kind, int tab);
int DialogPageTemplate(int tab);

// The string table entry of the window caption while a control's pages
// are shown; 0 for kinds without pages.
int ControlPageCaption(ControlKind kind);
constexpr int kDialogPageCaption = 5113;
constexpr int kNoPropertiesCaption = 5114;
