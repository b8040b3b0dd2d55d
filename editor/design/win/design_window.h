// CDesignWindow: the MDI child (class CHILD_WIN_UFC) that shows one dialog
// live, as a real child dialog built from the model's template, with the
// control palette beside it. Its user data is the CDlgRes; the object itself
// is the dialog's CSurfaceLink while the window exists.
#pragma once

#include <windows.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "editor/design/drag_geometry.h"
#include "editor/design/field_change.h"
#include "editor/design/surface_link.h"

class CDlgRes;
class CJournal;
class IdentifierTable;
struct DlgItem;

// What a design window needs of the shell around it.
class CDesignHost {
 public:
  virtual ~CDesignHost() = default;
  // Owner of the palette; its menu bar gets the dialog menu.
  virtual HWND FrameWindow() = 0;
  // The popup after which the dialog menu is inserted.
  virtual HMENU MenuAnchor() = 0;
  virtual void DesignWindowDestroyed(HWND designWindow) = 0;
  virtual void RefreshProperties() = 0;
  // A double click on a control or on the dialog: the properties window.
  virtual void ShowProperties() {}
  // The document's identifiers, from which placed controls get theirs; null
  // when there is no document (then nothing can be placed).
  virtual IdentifierTable* Identifiers() { return nullptr; }
  // A control was placed and its ControlAdded record pushed: Ctrl+Z's turn.
  virtual void ControlPlaced(CDlgRes&) {}
  // Where moves and resizes are recorded for Ctrl+Z; null records nothing.
  virtual CJournal* Journal() { return nullptr; }
};

// Pixels of a dialog window's own dialog units.
class CWindowUnitMap : public CDialogUnitMap {
 public:
  explicit CWindowUnitMap(HWND dialog) : dialog(dialog) {}
  int MapDialogRect(DlgRect& rect) const override;

 private:
  HWND dialog;
};

class CDesignWindow : public CSurfaceLink {
 public:
  static constexpr int kSurfaceX = 5;  // dialog units
  static constexpr int kSurfaceY = 5;
  static constexpr int kPaletteGap = 10;
  static constexpr int kPaletteButtonsWidth = 48;

  // The procedure of CHILD_WIN_UFC; the MDI creation parameter is the CDlgRes.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The shell every design window reports to; set before the first opens.
  static void SetHost(CDesignHost* host);

  static CDesignWindow* FromWindow(HWND designWindow);
  static CDlgRes* DialogOf(HWND designWindow);
  // The active flag with its menu: set, the dialog menu is in the frame's
  // menu bar; cleared, it is not. The window is repainted.
  static void SetActive(HWND designWindow, int active);

  CDesignWindow(const CDesignWindow&) = delete;
  CDesignWindow& operator=(const CDesignWindow&) = delete;
  ~CDesignWindow() override = default;

  HWND Window() const { return hwnd; }
  HWND SurfaceDialog() const { return surfaceDialog; }
  CDlgRes& Dialog() const { return dialog; }

  // CSurfaceLink
  WindowHandle ControlWindow(std::uint16_t order) const override;
  void ControlWindows(std::uint16_t count, std::vector<WindowHandle>& byOrder) const override;
  std::uint16_t OrderOf(WindowHandle window) const override;
  void MoveControlWindow(WindowHandle window, const DlgRect& pixels) override;
  void RenumberControlWindow(std::uint16_t from, std::uint16_t to) override;
  WindowHandle CreateControlWindow(const DlgItem& item) override;
  void DestroyControlWindow(WindowHandle window) override;
  void Repaint() override;
  void CloseDesignWindow() override;
  int RecreateSelectedControls() override;
  int RebuildSurface() override;
  void UpdateControlWindow(const DlgItem& item, bool remake) override;

 private:
  CDesignWindow(HWND window, CDlgRes& dialog) : hwnd(window), dialog(dialog) {}

  static CDesignHost* Host();

  static INT_PTR CALLBACK SurfaceProc(HWND surface, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  int OnCreate();
  // The surface dialog made from the model's template, its whole window
  // moved to 5, 5 dialog units of the client area; 0 when it cannot be made.
  int CreateSurface();
  void ShowPalette();
  void OnActivate(int activated);
  void OnDestroy();
  void EraseBackground(HDC dc);
  void InitSurface(HWND surface);
  // Subclasses the control and disables its inner windows.
  void TakeOverControl(HWND control);
  // The control's window made again from its record at the same place in the
  // Z-order and in the selection; null when it cannot be made.
  HWND RemakeControlWindow(HWND window, const DlgItem& item);

  // Mouse, keyboard and cursor (surface_input.cpp). Points are client
  // pixels of the window named.
  void OnSurfaceButtonDown(POINT surfacePoint, WPARAM keys, bool doubleClick);
  void OnDesignButtonDown(POINT designPoint);
  void OnDragMove(POINT at);
  void OnDragEnd(POINT at, WPARAM keys);
  void OnCaptureLost();
  // 1 for the arrow keys, which belong to the surface.
  int OnKeyDown(WPARAM key);
  HCURSOR SurfaceCursor() const;
  // The cursor over a frame handle of the design window, or null.
  HCURSOR FrameCursor(POINT designPoint) const;
  // The topmost control whose window takes the point, or null.
  HWND ControlUnder(POINT surfacePoint) const;
  int HitControlHandles(POINT surfacePoint) const;
  int HitFrameHandles(POINT designPoint) const;
  // A drag begins: its snapshot from `feedbackWindow`, the capture for
  // `captureWindow` and the start point in its client pixels.
  void BeginDrag(int mode, HWND feedbackWindow, HWND captureWindow, POINT start);
  // The outlines of the drag for a pointer offset; 1 when they were shown.
  int ShowDragOutline(POINT offset);
  // What mouse up makes of a drag whose outline was shown.
  void ApplyDrag(POINT offset);
  void ApplyRubberBand(POINT at);
  void PlaceFromTool(POINT offset);
  void SelectionChanged();
  // No tool in any open dialog, and no palette button pressed.
  void CancelTools();

  // Painting (surface_paint.cpp).
  void OnPaint();
  // The surface is about to paint: it makes every control paint whole.
  void SurfacePainting();
  // A control has painted its client area or, with `client` false, its frame.
  void ControlPainted(HWND control, bool client);
  void AfterControlPaint(HWND control);
  // Whether a control above the lowest shown one may keep what it painted:
  // frame and client painted since the surface painted, and nothing beneath
  // it (`beneath`, screen pixels) that painted later over any of it.
  bool KeepsItsPaint(HWND control, const RECT& rect, const std::vector<RECT>& beneath) const;
  void DrawControlHandles();
  void DrawFrameHandles(HDC dc);
  // The surface dialog's window rectangle and its client origin, in the
  // design window's client pixels.
  DlgRect SurfaceFrame() const;
  POINT SurfaceOrigin() const;

  // The surface's control windows by order, refreshed in one listing
  // whenever an entry proves wrong: GetDlgItem lists every child on each
  // call, which made commands on many controls quadratic.
  void ListControlWindows() const;
  void Remember(std::uint16_t order, HWND control) const;

  HWND hwnd;
  CDlgRes& dialog;
  HWND surfaceDialog = nullptr;
  mutable std::vector<HWND> windowsByOrder;
  // Whether each control painted its client area and its frame since the
  // surface last painted (surfacePainted), as bits.
  std::unordered_map<HWND, unsigned> paintedSince;
  bool surfacePainted = false;
  // The selected controls when the drag began, primary first.
  std::vector<std::uint32_t> dragOrders;
  bool dragging = false;
  // Arrow presses that make one undo step.
  CKeyRun keyRun;
};

// The surface dialog's unit mapping and the geometry of its edits, as they
// are now.
class CLiveGeometry {
 public:
  CLiveGeometry(HWND surface, const CDlgRes& dialog);
  CWindowUnitMap map;
  CSurfaceGeometry geometry;
};

// While many control windows are made, moved or destroyed the surface dialog
// draws nothing (each window would repaint what lies under it); one repaint
// of the design window afterwards shows the result.
class CSurfaceFreeze {
 public:
  explicit CSurfaceFreeze(CDesignWindow* design);
  ~CSurfaceFreeze();
  CSurfaceFreeze(const CSurfaceFreeze&) = delete;
  CSurfaceFreeze& operator=(const CSurfaceFreeze&) = delete;

 private:
  CDesignWindow* design;
};

// Puts the dialog menu into the frame's menu bar right after `anchor`
// (once), or takes it out.
void InsertDialogMenu(HWND frame, HMENU anchor);
void RemoveDialogMenu(HWND frame);
int HasDialogMenu(HWND frame);
