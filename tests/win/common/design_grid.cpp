#include "design_grid.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "timing_figures.h"

namespace timing {

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool CDesignGrid::Start(const std::string& folder, int cx, int cy, int count, const Placement& place) {
  INITCOMMONCONTROLSEX init = {sizeof init, 0x4FF};
  InitCommonControlsEx(&init);
  CFrame::RegisterClasses(GetModuleHandleW(nullptr), CDesignWindow::WindowProc);
  frame.Create(GetModuleHandleW(nullptr), &hooks);
  CDesignWindow::SetHost(&host);
  SetWindowPos(frame.Window(), nullptr, 0, 0, 1024, 768, SWP_NOZORDER);
  ShowWindow(frame.Window(), SW_SHOW);

  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  path = std::string(temp) + folder;
  CreateDirectoryA(path.c_str(), nullptr);
  SetCurrentDirectoryA(path.c_str());
  {
    std::ofstream header(path + "\\Resource.h", std::ios::binary);
    std::ofstream script(path + "\\grid.rc", std::ios::binary);
    header << "#define IDD_GRID 100\r\n";
    script << "#include \"Resource.h\"\r\nIDD_GRID DIALOG 0, 0, " << cx << ", " << cy
           << "\r\nFONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n";
    for (int k = 0; k < count; ++k) {
      const DlgRect r = place(k);
      header << "#define IDC_B" << k << " " << 1000 + k << "\r\n";
      script << "    PUSHBUTTON \"" << k << "\",IDC_B" << k << "," << r.left << "," << r.top << ","
             << r.right - r.left << "," << r.bottom - r.top << "\r\n";
    }
    script << "END\r\n";
    if (!header || !script) return false;
  }
  const std::string script = path + "\\grid.rc";
  if (!hooks.OpenScript(std::wstring(script.begin(), script.end())) || !hooks.OpenDesignWindow(L"IDD_GRID"))
    return false;
  Pump();
  window = frame.ActiveDesignWindow();
  return window && IsZoomed(window) && Dialog().ControlCount() == static_cast<std::uint32_t>(count);
}

void CDesignGrid::Stop() {
  hooks.Document().modified = 0;
  hooks.Exit();
  CDesignWindow::SetHost(nullptr);
  DeleteFileA((path + "\\grid.rc").c_str());
  DeleteFileA((path + "\\Resource.h").c_str());
}

void CDesignGrid::SelectAll() {
  CDlgRes& dialog = Dialog();
  dialog.selection.Clear();
  for (std::uint32_t order = dialog.ControlCount(); order >= 1; --order) dialog.AddAsPrimaryAt(order);
  dialog.dialogSelected = 0;
}

void CDesignGrid::Command(int id) { SendMessageW(frame.Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void CDesignGrid::PaintNow() { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void CDesignGrid::TimeCommand(int id, const std::string& name, std::vector<double>& alone,
                              std::vector<double>& total) {
  const double start = NowMs();
  Command(id);
  const double commanded = NowMs();
  PaintNow();
  const double end = NowMs();
  Pump();
  alone.push_back(commanded - start);
  total.push_back(end - start);
  if (std::getenv("TIMING_TRACE")) std::printf("%s %.1f %.1f\n", name.c_str(), commanded - start, end - start);
}

}  // namespace timing
