// CSpreadSheetU: a read-only grid window (class "SpreadSheet_CName") with a
// header control for the column titles, fixed-height rows of text cells,
// both scroll bars in pixels, columns resized by dragging the header
// dividers, and painting through one off-screen bitmap so that it does not
// flicker. The editor has one grid at a time, g_spreadSheet.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "editor/foundation/spread_sheet_model.h"

class CSpreadSheetU : public SpreadSheetModel {
 public:
  static constexpr const wchar_t* kClassName = L"SpreadSheet_CName";
  static constexpr int kHeaderId = 1201;

  // Questions another program may ask the grid (tests, screen readers), in
  // the manner of the common controls: the number of rows; the text of cell
  // wParam (column + row x column count) copied with its terminator into
  // 256 UTF-16 units at lParam, answered with its length or -1.
  static constexpr UINT kGetRowCount = WM_USER + 1;
  static constexpr UINT kGetCellText = WM_USER + 2;

  CSpreadSheetU() = default;
  ~CSpreadSheetU() override;

  // The grid window as a child of `parent` at (0, 0), with `count` columns
  // (fewer when a width of 0 comes first); 0 when the window exists already.
  int CreateGrid(HWND parent, int width, int height, const SpreadSheetColumn* list, int count);
  // A new row of empty cells, scroll bars updated and the grid redrawn; 0
  // without window. While the grid cannot be seen, that waits until it can.
  int AddRow();
  // Destroys the window and forgets rows, cells and columns.
  void DeleteGrid();

  // Maxima and positions for a client area of this size, as RecalcScroll of
  // the model decides; bars that turn on or off resize the window, and the
  // resize finishes the work.
  void RecalcScroll(HWND window, int clientWidth, int clientHeight);
  // The cells that intersect `area` (client coordinates) drawn into `dc`.
  void Paint(HDC dc, const RECT& area);

  HWND Window() const { return hwnd; }
  HWND Header() const { return hwnd ? GetDlgItem(hwnd, headerId) : nullptr; }
  int HeaderHeight() const;

  virtual int OnCreate(HWND window, const CREATESTRUCTW* creation);
  virtual void OnPaint(HWND window, HDC dc, const PAINTSTRUCT& paint);
  virtual int OnSize(HWND window, int sizeType, int width, int height);
  virtual void OnHScroll(HWND window, int position, int code);
  virtual void OnVScroll(HWND window, int position, int code);
  // While a header divider is dragged: the column takes the item's width.
  virtual int OnColumnTrack(int index, const HDITEMW* item);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The header across the client width or the columns, whichever is wider,
  // where it stands (it moves only with horizontal scrolling).
  void PlaceHeader(HWND window);
  void ApplyScrollInfo(HWND window, int bar, int32_t max, int32_t pos, bool withPosition);
  // The content moved by a scroll: horizontally all of it, header included;
  // vertically only what lies below the header.
  void ScrollContent(HWND window, int32_t dx, int32_t dy);
  int32_t ThumbOf(HWND window, int bar, int position) const;
  LRESULT CellText(WPARAM at, LPARAM buffer) const;
  // Scroll bars for the rows added while the grid could not be seen, and all of it to be painted.
  void CatchUp();

  static constexpr UINT kRecalcPending = WM_USER + 100;

  HWND hwnd = nullptr;
  int headerId = -1;
  bool recalcPending = false;
};

extern CSpreadSheetU g_spreadSheet;
