// Deleting and placing controls with their undo records, as the design
// surface does, on dialogs without windows.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "editor/design/control_id.h"
#include "editor/design/dlg_res.h"
#include "editor/design/journal.h"
#include "editor/design/toolbox.h"
#include "editor/properties/identifier_table.h"

namespace designtest {

constexpr int kPushButtonTool = 3;

// `orders` ascending.
inline void DeleteControls(CDlgRes& dialog, IdentifierTable& ids, CJournal& journal,
                           const std::vector<std::uint32_t>& orders) {
  std::vector<std::uint16_t> values;
  for (std::uint32_t order : orders) values.push_back(dialog.ControlAt(order)->id);
  ids.ReleaseControlIds(dialog.name.Ansi(), values);
  std::vector<DlgItem> removed;
  std::uint32_t gone = 0;
  for (std::uint32_t order : orders) {
    removed.push_back(*dialog.RemoveControl(order - gone++));
    removed.back().order = static_cast<std::uint16_t>(order);
  }
  dialog.PushControlsDeleted(std::move(removed));
  journal.RecordDeletion(dialog, ids);
}

inline void PlacePushButton(CDlgRes& dialog, IdentifierTable& ids, CJournal& journal) {
  DlgItem item;
  ASSERT_TRUE(ToolboxDefaults(kPushButtonTool, item));
  ASSERT_TRUE(AllocateControlId(kPushButtonTool, ids, dialog.name.Ansi(), item.id));
  item.x = 5;
  item.y = 40;
  item.cx = 40;
  item.cy = 14;
  dialog.AppendCopy(item);
  dialog.count = static_cast<std::uint16_t>(dialog.controls.size());
  dialog.PushControlAdded();
  journal.RecordPlacement(dialog);
}

}  // namespace designtest
