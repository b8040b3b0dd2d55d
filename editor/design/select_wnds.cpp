#include "editor/design/select_wnds.h"

#include <algorithm>
#include <utility>

void CSelectWnds::SelectOnly(WindowHandle window) {
  windows.assign(1, window);
}

void CSelectWnds::AddAsPrimary(WindowHandle window) {
  int index = IndexOf(window);
  if (index < 0) {
    windows.insert(windows.begin(), window);
  } else {
    std::swap(windows[0], windows[static_cast<std::size_t>(index)]);
  }
}

int CSelectWnds::Remove(WindowHandle window) {
  auto found = std::find(windows.begin(), windows.end(), window);
  if (found == windows.end()) return 0;
  windows.erase(found);
  return 1;
}

int CSelectWnds::IsSelected(WindowHandle window) const {
  return IndexOf(window) >= 0 ? 1 : 0;
}

int CSelectWnds::IndexOf(WindowHandle window) const {
  auto found = std::find(windows.begin(), windows.end(), window);
  return found == windows.end() ? -1 : static_cast<int>(found - windows.begin());
}
