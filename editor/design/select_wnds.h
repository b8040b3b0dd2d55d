#pragma once
// The selected control windows of a design surface, without duplicates. The
// first entry is the primary selection: alignment and the mouse move follow it.

#include <vector>

#include "editor/design/surface_link.h"

class CDlgRes;

class CSelectWnds {
 public:
  explicit CSelectWnds(CDlgRes* owner) : owner(owner) {}
  CSelectWnds(const CSelectWnds&) = delete;
  CSelectWnds& operator=(const CSelectWnds&) = delete;

  void SelectOnly(WindowHandle window);
  // An unselected window goes to the front; a selected one changes places
  // with the current primary. Never removes.
  void AddAsPrimary(WindowHandle window);
  int Remove(WindowHandle window);
  int IsSelected(WindowHandle window) const;
  int IndexOf(WindowHandle window) const;
  void Clear() { windows.clear(); }
  std::size_t Count() const { return windows.size(); }

  CDlgRes* owner;
  std::vector<WindowHandle> windows;
};
