#include "editor/design/control_id.h"

#include <cstdio>

#include "editor/design/dlg_item.h"
#include "editor/design/toolbox.h"
#include "editor/properties/identifier_table.h"

namespace {

struct KindBase {
  ControlKind kind;
  const char* base;  // null: the static identifier
};

constexpr KindBase kKindsWithoutTool[] = {
    {ControlKind::StaticPicture, nullptr}, {ControlKind::StaticOwnerDraw, nullptr},
    {ControlKind::HotKey, "IDC_HOTKEY"},   {ControlKind::ListView, "IDC_LIST"},
    {ControlKind::TreeView, "IDC_TREE"},   {ControlKind::TabControl, "IDC_TAB"},
    {ControlKind::Custom, "IDC_CUSTOM"},
};

int AllocateFromBase(const char* base, IdentifierTable& ids, const std::string& dialogName,
                     std::uint16_t& id) {
  if (base == nullptr) {
    // A header definition of -1 is what makes a name the static one.
    if (ids.StaticName().empty()) ids.AddHeaderId("IDC_STATIC", kStaticId);
    id = kStaticId;
    return 1;
  }
  // A dialog can use each 16-bit value once, so this many candidates always
  // reach a free one.
  for (int n = 1; n <= 0x10000; ++n) {
    char candidate[64];
    std::snprintf(candidate, sizeof candidate, "%s%d", base, n);
    ids.AllocateId(candidate);
    std::uint16_t value = 0;
    if (!ids.ValueOf(candidate, value)) return 0;  // no number was free for it
    if (ids.IsValueUsedIn(value, dialogName)) continue;
    ids.AddUse(0, candidate, dialogName);
    id = value;
    return 1;
  }
  return 0;
}

}  // namespace

int AllocateControlId(int tool, IdentifierTable& ids, const std::string& dialogName, std::uint16_t& id) {
  const char* base = nullptr;
  return ToolIdentifierBase(tool, base) ? AllocateFromBase(base, ids, dialogName, id) : 0;
}

int AllocateIdForKind(ControlKind kind, IdentifierTable& ids, const std::string& dialogName,
                      std::uint16_t& id) {
  if (const int tool = ToolOfKind(kind)) return AllocateControlId(tool, ids, dialogName, id);
  for (const KindBase& entry : kKindsWithoutTool)
    if (entry.kind == kind) return AllocateFromBase(entry.base, ids, dialogName, id);
  return 0;
}

std::string NewDialogName(const IdentifierTable& ids) {
  for (int n = 1;; ++n) {
    std::string candidate = "IDD_DLG" + std::to_string(n);
    if (!ids.IsNameTaken(candidate)) return candidate;
  }
}
