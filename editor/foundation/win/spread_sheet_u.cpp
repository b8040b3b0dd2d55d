#include "editor/foundation/win/spread_sheet_u.h"

#include <algorithm>
#include <climits>

#include "editor/foundation/win/unique_handle.h"
#include "editor/foundation/win/window_class.h"

CSpreadSheetU g_spreadSheet;

static_assert(SpreadSheetModel::kLineUp == SB_LINEUP && SpreadSheetModel::kLineDown == SB_LINEDOWN &&
              SpreadSheetModel::kPageUp == SB_PAGEUP && SpreadSheetModel::kPageDown == SB_PAGEDOWN &&
              SpreadSheetModel::kThumbPosition == SB_THUMBPOSITION &&
              SpreadSheetModel::kThumbTrack == SB_THUMBTRACK);
static_assert(SpreadSheetCell::kCentred == (DT_CENTER | DT_VCENTER | DT_SINGLELINE) &&
              SpreadSheetCell::kLeft == (DT_LEFT | DT_VCENTER | DT_SINGLELINE) &&
              SpreadSheetCell::kRight == (DT_RIGHT | DT_VCENTER | DT_SINGLELINE));
static_assert(SpreadSheetColumn::kHeaderLeft == (HDF_STRING | HDF_LEFT) &&
              SpreadSheetColumn::kHeaderRight == (HDF_STRING | HDF_RIGHT));

CSpreadSheetU::~CSpreadSheetU() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

int CSpreadSheetU::CreateGrid(HWND parent, int width, int height, const SpreadSheetColumn* list, int count) {
  if (hwnd) return 0;
  SetColumns(list, count);
  headerId = kHeaderId;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterClassOnce(instance, kClassName, WindowProc, CS_HREDRAW | CS_VREDRAW, 4)) return 0;
  HWND window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_HSCROLL | WS_VSCROLL, 0, 0, width, height, parent,
                                nullptr, instance, this);
  if (!window) return 0;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return 1;
}

// A grid that cannot be seen yet (its window still being filled before it
// shows) catches up once, when the message loop comes to it and in any case
// before it paints: every platform call per row would cost more than the row.
int CSpreadSheetU::AddRow() {
  if (!hwnd) return 0;
  AppendRow();
  if (!IsWindowVisible(hwnd)) {
    if (!recalcPending) PostMessageW(hwnd, kRecalcPending, 0, 0);
    recalcPending = true;
    return 1;
  }
  CatchUp();
  UpdateWindow(hwnd);
  return 1;
}

void CSpreadSheetU::CatchUp() {
  recalcPending = false;
  RECT client;
  GetClientRect(hwnd, &client);
  RecalcScroll(hwnd, client.right, client.bottom);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void CSpreadSheetU::DeleteGrid() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  hwnd = nullptr;
  recalcPending = false;
  SetColumns(nullptr, 0);
}

int CSpreadSheetU::HeaderHeight() const {
  HWND header = Header();
  RECT rect;
  if (!header || !GetWindowRect(header, &rect)) return 0;
  return rect.bottom - rect.top;
}

int CSpreadSheetU::OnCreate(HWND window, const CREATESTRUCTW* creation) {
  HWND header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_BORDER, 0, 0, 0, 0, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(headerId)), creation->hInstance, nullptr);
  if (!header) return 0;
  for (int i = 0; i < ColumnCount(); ++i) {
    HDITEMW item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<wchar_t*>(Column(i).title.W());
    item.cxy = Column(i).width;
    item.fmt = Column(i).format | HDF_STRING;
    SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  hwnd = window;
  ResetPositions();
  return 1;
}

// A bar that turns on or off resizes the window, and the resize recomputes
// the rest. Should the client area stay as it was, nothing would follow, so
// the work goes on here.
void CSpreadSheetU::RecalcScroll(HWND window, int clientWidth, int clientHeight) {
  const ScrollUpdate update = SpreadSheetModel::RecalcScroll(clientWidth, clientHeight, HeaderHeight());
  if (update.step != ScrollUpdate::kSettled) {
    if (update.step == ScrollUpdate::kHorizontalBar)
      ApplyScrollInfo(window, SB_HORZ, hMax, 0, false);
    else
      ApplyScrollInfo(window, SB_VERT, vMax, 0, false);
    RECT client;
    GetClientRect(window, &client);
    if (client.right == clientWidth && client.bottom == clientHeight) RecalcScroll(window, clientWidth, clientHeight);
    return;
  }
  ApplyScrollInfo(window, SB_HORZ, hMax, hPos, true);
  ApplyScrollInfo(window, SB_VERT, vMax, vPos, true);
  ScrollContent(window, update.dx, update.dy);
}

void CSpreadSheetU::ApplyScrollInfo(HWND window, int bar, int32_t max, int32_t pos, bool withPosition) {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | (withPosition ? SIF_POS : 0);
  info.nMin = 0;
  info.nMax = max;
  info.nPage = 1;
  info.nPos = pos;
  SetScrollInfo(window, bar, &info, TRUE);
}

void CSpreadSheetU::ScrollContent(HWND window, int32_t dx, int32_t dy) {
  if (dx) ScrollWindowEx(window, dx, 0, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_SCROLLCHILDREN);
  if (dy) {
    RECT below;
    GetClientRect(window, &below);
    below.top = std::min<LONG>(below.bottom, HeaderHeight());
    ScrollWindowEx(window, 0, dy, &below, &below, nullptr, nullptr, SW_INVALIDATE);
  }
  if (dx || dy) UpdateWindow(window);
}

int CSpreadSheetU::OnSize(HWND window, int, int width, int height) {
  RecalcScroll(window, width, height);
  PlaceHeader(window);
  return 0;
}

void CSpreadSheetU::PlaceHeader(HWND window) {
  HWND header = GetDlgItem(window, headerId);
  if (!header) return;
  RECT client;
  GetClientRect(window, &client);
  WINDOWPOS pos = {};
  HDLAYOUT layout = {&client, &pos};
  if (!SendMessageW(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout))) return;
  const int width = static_cast<int>(std::max<int64_t>(pos.cx, std::min<int64_t>(TotalWidth(), INT_MAX)));
  SetWindowPos(header, pos.hwndInsertAfter, 0, 0, width, pos.cy, pos.flags | SWP_SHOWWINDOW | SWP_NOMOVE);
}

void CSpreadSheetU::OnHScroll(HWND window, int position, int code) {
  if (recalcPending) CatchUp();
  const int32_t moved = SpreadSheetModel::HScroll(code, position);
  if (!moved) return;
  SetScrollPos(window, SB_HORZ, hPos, TRUE);
  ScrollContent(window, moved, 0);
}

void CSpreadSheetU::OnVScroll(HWND window, int position, int code) {
  if (recalcPending) CatchUp();
  const int32_t moved = SpreadSheetModel::VScroll(code, position);
  if (!moved) return;
  SetScrollPos(window, SB_VERT, vPos, TRUE);
  ScrollContent(window, 0, moved);
}

int CSpreadSheetU::OnColumnTrack(int index, const HDITEMW* item) {
  if (!hwnd || !SetColumnWidth(index, item->cxy)) return 0;
  HDITEMW width = {};
  width.mask = HDI_WIDTH;
  width.cxy = item->cxy;
  SendMessageW(GetDlgItem(hwnd, headerId), HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&width));
  PlaceHeader(hwnd);
  RECT client;
  GetClientRect(hwnd, &client);
  RecalcScroll(hwnd, client.right, client.bottom);
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  return 1;
}

void CSpreadSheetU::OnPaint(HWND, HDC dc, const PAINTSTRUCT& paint) { Paint(dc, paint.rcPaint); }

// Everything is drawn into a bitmap of the area first and copied in one
// step. The header stays where it is when rows scroll, so the rows under it
// are not copied.
void CSpreadSheetU::Paint(HDC dc, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  UniqueHDc memory(CreateCompatibleDC(dc));
  UniqueHBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
  UniqueHFont font(CreateFontW(-(8 * GetDeviceCaps(dc, LOGPIXELSY) / 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                               VARIABLE_PITCH | FF_SWISS, L"Arial"));
  if (!memory || !bitmap) return;
  ScopedSelect withBitmap(memory.get(), bitmap.get());
  ScopedSelect withFont(memory.get(), font.get());
  const RECT all = {0, 0, width, height};
  FillRect(memory.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(memory.get(), TRANSPARENT);

  const int headerHeight = HeaderHeight();
  const GridRect content = {area.left + hPos, area.top + vPos, area.right + hPos, area.bottom + vPos};
  const CellRange range = CellsIn(content, headerHeight);
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
  int32_t y = range.top;
  for (int r = range.firstRow; r < range.endRow; ++r) {
    const int32_t rowHeight = rowHeights[static_cast<size_t>(r)];
    int32_t x = range.left;
    for (int c = range.firstColumn; c < range.endColumn; ++c) {
      const int32_t columnWidth = Column(c).width;
      if (columnWidth > 0 && rowHeight > 0) {
        const GridRect frame = CellFrame(c, r, x, y);
        RECT rect = {frame.left - content.left, frame.top - content.top, frame.right - content.left,
                     frame.bottom - content.top};
        FillRect(memory.get(), &rect, white);
        FrameRect(memory.get(), &rect, shadow);
        const SpreadSheetCell& cell = *Cell(c, r);
        DrawTextW(memory.get(), reinterpret_cast<const wchar_t*>(cell.text.c_str()), static_cast<int>(cell.text.size()),
                  &rect, static_cast<UINT>(cell.format));
      }
      x += columnWidth;
    }
    y += rowHeight;
  }

  const int skip = std::max(0, static_cast<int>(headerHeight - area.top));
  if (skip < height) BitBlt(dc, area.left, area.top + skip, width, height - skip, memory.get(), 0, skip, SRCCOPY);
}

int32_t CSpreadSheetU::ThumbOf(HWND window, int bar, int position) const {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_TRACKPOS;
  if (!GetScrollInfo(window, bar, &info)) return position;
  return ThumbPosition(static_cast<uint16_t>(position), info.nTrackPos);
}

LRESULT CSpreadSheetU::CellText(WPARAM at, LPARAM buffer) const {
  const int count = ColumnCount();
  const int index = static_cast<int>(at);
  const SpreadSheetCell* cell = count ? Cell(index % count, index / count) : nullptr;
  if (!cell) return -1;
  if (auto* out = reinterpret_cast<wchar_t*>(buffer)) {
    const size_t length = std::min<size_t>(cell->text.size(), CStringU::kCapacity);
    std::copy_n(cell->text.begin(), length, out);
    out[length] = 0;
  }
  return static_cast<LRESULT>(cell->text.size());
}

LRESULT CALLBACK CSpreadSheetU::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* grid = static_cast<CSpreadSheetU*>(creation->lpCreateParams);
    return grid && grid->OnCreate(window, creation) ? 0 : -1;
  }
  auto* self = reinterpret_cast<CSpreadSheetU*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (self->hwnd == window) self->hwnd = nullptr;
  }
  return self->OnMessage(window, message, wParam, lParam);
}

LRESULT CSpreadSheetU::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize(window, static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
      break;
    case WM_PAINT: {
      if (recalcPending) CatchUp();
      PAINTSTRUCT paint;
      if (HDC dc = BeginPaint(window, &paint)) {
        OnPaint(window, dc, paint);
        EndPaint(window, &paint);
      }
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window, &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_NOTIFY: {
      const auto* notify = reinterpret_cast<const NMHEADERW*>(lParam);
      // The header speaks the parent's character set; the width sits in the same place.
      if ((notify->hdr.code == HDN_TRACKA || notify->hdr.code == HDN_TRACKW) && notify->pitem &&
          (notify->pitem->mask & HDI_WIDTH)) {
        OnColumnTrack(notify->iItem, notify->pitem);
        return 0;
      }
      break;
    }
    case WM_HSCROLL:
      OnHScroll(window, ThumbOf(window, SB_HORZ, HIWORD(wParam)), LOWORD(wParam));
      return 0;
    case WM_VSCROLL:
      OnVScroll(window, ThumbOf(window, SB_VERT, HIWORD(wParam)), LOWORD(wParam));
      return 0;
    case kRecalcPending:
      if (recalcPending) CatchUp();
      return 0;
    case kGetRowCount:
      return RowCount();
    case kGetCellText:
      return CellText(wParam, lParam);
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
