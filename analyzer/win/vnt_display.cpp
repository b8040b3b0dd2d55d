// The picture side of the main window: painting WForm, zoom, scrolling,
// markers, edge search and diagram files. The view itself lives in the core
// (Picture); this file feeds it the window's state and shows its results.
#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <iterator>
#include <string>

#include "analyzer/win/diagram_io.h"
#include "analyzer/win/vnt.h"
#include "analyzer/win/win_text.h"

namespace {

std::u16string U16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

char16_t DecimalSeparator() {
  wchar_t sep[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8) > 0 && sep[0]) return sep[0];
  return u'.';
}

// The picture with the window's current samples, names, colours and rate;
// nullptr before start-up has made the buffer.
Picture* Prepared(TVNT& vnt) {
  if (!vnt.samples) return nullptr;
  Picture& p = vnt.display.picture;
  p.input.samples = vnt.samples.get();
  p.input.colour0 = vnt.config.Colour0;
  p.input.colour1 = vnt.config.Colour1;
  for (int i = 0; i < 16; ++i) {
    const char* name = vnt.config.LineNames[i];
    p.input.lineNames[i] = U16(WideFromAnsi(std::string(name, strnlen(name, sizeof vnt.config.LineNames[i] - 1))));
  }
  p.input.sampleRateMHz = vnt.SampleRateMHz;
  p.input.decimalSeparator = DecimalSeparator();
  return &p;
}

void SetText(HWND label, const std::u16string& text) {
  const std::wstring wide(text.begin(), text.end());
  if (WindowText(label) != wide) SetWindowTextW(label, wide.c_str());
}

// Copies what the handler changed to the controls and shows the new picture.
void Show(TVNT& vnt) {
  const PictureControls& c = vnt.display.picture.controls;
  SetText(vnt.Marker1Text, c.marker1Text);
  SetText(vnt.Marker2Text, c.marker2Text);
  SetText(vnt.MarkerDif, c.markerDif);
  EnableWindow(vnt.GoM1, c.goM1Enabled);
  EnableWindow(vnt.GoM2, c.goM2Enabled);
  vnt.EnableTool(ID_ZOOMIN, c.zoomInEnabled);
  vnt.EnableTool(ID_ZOOMOUT, c.zoomOutEnabled);
  vnt.EnableTool(ID_FINDLEFT, c.findEnabled);
  vnt.EnableTool(ID_FINDRIGHT, c.findEnabled);
  vnt.EnableMenuCommand(ID_FINDNEXT, c.findEnabled);
  vnt.EnableMenuCommand(ID_FINDPREV, c.findEnabled);
  if (GetScrollPos(vnt.Scroll, SB_CTL) != c.scrollPosition) SetScrollPos(vnt.Scroll, SB_CTL, c.scrollPosition, TRUE);
  vnt.display.drawn = true;
  InvalidateRect(vnt.WForm, nullptr, FALSE);
  UpdateWindow(vnt.WForm);
}

int WFormWidth(const TVNT& vnt) {
  RECT rect = {};
  GetClientRect(vnt.WForm, &rect);
  return rect.right;
}

// The cursor's x from the window's outer left edge, less the offsets of the
// panel and the picture and 3 px: where a marker goes before the margin is
// taken off.
int32_t PointerX(const TVNT& vnt) {
  POINT cursor = {};
  GetCursorPos(&cursor);
  RECT outer = {}, panel = {}, form = {};
  GetWindowRect(vnt.Handle(), &outer);
  GetWindowRect(vnt.Panel1, &panel);
  MapWindowPoints(nullptr, vnt.Handle(), reinterpret_cast<POINT*>(&panel), 2);
  GetWindowRect(vnt.WForm, &form);
  MapWindowPoints(nullptr, vnt.Panel1, reinterpret_cast<POINT*>(&form), 2);
  return cursor.x - outer.left - panel.left - form.left - 3;
}

HeldButtons Held(WPARAM buttons) { return {(buttons & MK_LBUTTON) != 0, (buttons & MK_RBUTTON) != 0}; }

// The common dialogs take their filters as pairs ended by NULs.
std::wstring Filter(const std::wstring& pairs) {
  std::wstring filter = pairs;
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  return filter + L'\0';
}

OPENFILENAMEW FileDialog(HWND owner, const wchar_t* title, const std::wstring& filter, wchar_t* path, DWORD size) {
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = size;
  ofn.lpstrInitialDir = L".";
  ofn.lpstrTitle = title;
  // la.cfg is read and written in the current directory: the dialogs must not move it.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  return ofn;
}

}  // namespace

void TVNT::PaintImage(HWND image, HDC dc) {
  RECT rect;
  GetClientRect(image, &rect);
  if (image != WForm || !display.canvas.Valid()) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return;
  }
  if (!display.drawn && capture.State() != CaptureState::Closed) {
    if (Picture* p = Prepared(*this)) {
      p->width = rect.right;
      p->RedrawPicture(p->view.StartSample);
      display.drawn = true;
    }
  }
  display.canvas.Present(dc, rect.right, rect.bottom);
  if (rect.right > kPictureWidth) {
    RECT beyond = {kPictureWidth, 0, rect.right, rect.bottom};
    FillRect(dc, &beyond, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
}

void TVNT::RedrawFromStartSample() {
  Picture* p = Prepared(*this);
  if (!p) return;
  p->width = WFormWidth(*this);
  p->RedrawPicture(p->view.StartSample);
  Show(*this);
}

// After FormClose nothing is drawn any more.
void TVNT::FormResize() {
  if (capture.State() == CaptureState::Closed) return;
  Picture* p = Prepared(*this);
  if (!p) return;
  p->FormResize(WFormWidth(*this));
  Show(*this);
}

template <typename Handler>
static void WithPicture(TVNT& vnt, Handler handler) {
  Picture* p = Prepared(vnt);
  if (!p) return;
  handler(*p);
  Show(vnt);
}

void TVNT::ZoomInClick() {
  WithPicture(*this, [](Picture& p) { p.ZoomInClick(); });
}

void TVNT::ZoomOutClick() {
  WithPicture(*this, [](Picture& p) { p.ZoomOutClick(); });
}

void TVNT::FindLeftClick() {
  WithPicture(*this, [](Picture& p) { p.FindEdge(false); });
}

void TVNT::FindRightClick() {
  WithPicture(*this, [](Picture& p) { p.FindEdge(true); });
}

void TVNT::GoM1Click() {
  WithPicture(*this, [](Picture& p) { p.GoM1Click(); });
}

void TVNT::GoM2Click() {
  WithPicture(*this, [](Picture& p) { p.GoM2Click(); });
}

void TVNT::ScrollScroll(int position) {
  WithPicture(*this, [position](Picture& p) { p.ScrollScroll(position); });
}

void TVNT::WFormMouseDown(WPARAM buttons, int, int y) {
  const int32_t x = PointerX(*this);
  WithPicture(*this, [&](Picture& p) { p.MouseDown(Held(buttons), y, x); });
}

void TVNT::WFormMouseMove(WPARAM buttons, int, int) {
  if (!(buttons & (MK_LBUTTON | MK_RBUTTON))) return;
  const int32_t x = PointerX(*this);
  WithPicture(*this, [&](Picture& p) { p.MouseMove(Held(buttons), x); });
}

void TVNT::WOpenClick() {
  wchar_t path[MAX_PATH] = {};
  const std::wstring filter = Filter(L"Даграммы анализатора (*.lan)|*.lan|Все файлы (*.*)|*.*");
  OPENFILENAMEW OpenWave = FileDialog(window, L"Открыть диаграмму", filter, path, MAX_PATH);
  if (!GetOpenFileNameW(&OpenWave) || !samples) return;
  const DiagramStatus status = LoadDiagramFile(path, *samples);
  if (status != DiagramStatus::Ok) sink.Show(ErrorBox(DiagramErrorText(status)));
  WithPicture(*this, [](Picture& p) { p.ShowFromStart(); });
}

// The save dialog's file types in the order of its filter; the type the user
// chose decides what is written.
constexpr struct {
  const wchar_t* filter;
  ExportFormat format;
} kSaveTypes[] = {
    {L"Диаграммы анализатора (*.lan)|*.lan", ExportFormat::Lan},
    {L"Value Change Dump (*.vcd)|*.vcd", ExportFormat::Vcd},
    {L"Таблица CSV (*.csv)|*.csv", ExportFormat::Csv},
    {L"Все файлы (*.*)|*.*", ExportFormat::Lan},
};

void TVNT::WSaveClick() {
  wchar_t path[MAX_PATH] = {};
  std::wstring pairs;
  for (const auto& type : kSaveTypes) pairs += (pairs.empty() ? L"" : L"|") + std::wstring(type.filter);
  const std::wstring filter = Filter(pairs);
  OPENFILENAMEW SaveWave = FileDialog(window, L"Сохранить диаграмму", filter, path, MAX_PATH);
  SaveWave.lpstrDefExt = L"lan";
  if (!GetSaveFileNameW(&SaveWave) || !samples) return;
  const DWORD type = SaveWave.nFilterIndex;
  const ExportFormat format = type >= 1 && type <= std::size(kSaveTypes) ? kSaveTypes[type - 1].format : ExportFormat::Lan;
  const DiagramStatus status =
      format == ExportFormat::Lan
          ? SaveDiagramFile(path, *samples)
          : SaveExportFile(path, format, SourceFromConfig(samples->data(), kSampleCount, config, SampleRateMHz));
  if (status != DiagramStatus::Ok) sink.Show(ErrorBox(DiagramErrorText(status)));
}
