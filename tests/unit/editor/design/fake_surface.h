// Stand-ins for the design window and the window manager's unit mapping,
// so that edits of the model run without windows.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "editor/design/dlg_res.h"

namespace designtest {

// Stands in for the design window: windows are numbered tokens keyed by
// their current child identifier, and every call is logged.
class FakeSurface : public CSurfaceLink {
 public:
  explicit FakeSurface(const CDlgRes& dialog) {
    for (const auto& item : dialog.controls) byId[item->order] = NewWindow();
  }
  WindowHandle ControlWindow(std::uint16_t order) const override {
    auto found = byId.find(order);
    return found == byId.end() ? nullptr : found->second;
  }
  std::uint16_t OrderOf(WindowHandle window) const override {
    for (const auto& entry : byId)
      if (entry.second == window) return entry.first;
    return 0;
  }
  void MoveControlWindow(WindowHandle window, const DlgRect& r) override {
    log.push_back("move " + std::to_string(OrderOf(window)) + " to " + std::to_string(r.left) + "," +
                  std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom));
  }
  void RenumberControlWindow(std::uint16_t from, std::uint16_t to) override {
    log.push_back("id " + std::to_string(from) + "->" + std::to_string(to));
    EXPECT_EQ(byId.count(to), 0u) << "two windows would answer to " << to;
    byId[to] = byId[from];
    byId.erase(from);
  }
  WindowHandle CreateControlWindow(const DlgItem& item) override {
    log.push_back("create " + std::to_string(item.order));
    return byId[item.order] = NewWindow();
  }
  void DestroyControlWindow(WindowHandle window) override {
    for (auto it = byId.begin(); it != byId.end(); ++it) {
      if (it->second == window) {
        log.push_back("destroy " + std::to_string(it->first));
        byId.erase(it);
        return;
      }
    }
    ADD_FAILURE() << "destroying an unknown window";
  }
  void Repaint() override { log.push_back("repaint"); }
  void UpdateControlWindow(const DlgItem& item, bool remake) override {
    log.push_back((remake ? "remake " : "update ") + std::to_string(item.order));
  }
  int RebuildSurface() override {
    log.push_back("rebuild");
    return 1;
  }
  void CloseDesignWindow() override { log.push_back("close"); }

  WindowHandle NewWindow() {
    return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(++windows * 16));
  }

  std::map<std::uint16_t, WindowHandle> byId;
  std::vector<std::string> log;
  std::uintptr_t windows = 0;
};

// Three pixels per horizontal unit and two per vertical one.
class FakeMap : public CDialogUnitMap {
 public:
  int MapDialogRect(DlgRect& r) const override {
    if (fail) return 0;
    r = {r.left * 3, r.top * 2, r.right * 3, r.bottom * 2};
    return 1;
  }
  bool fail = false;
};

}  // namespace designtest
