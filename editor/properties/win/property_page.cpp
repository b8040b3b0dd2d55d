#include "editor/properties/win/property_page.h"

#include <commdlg.h>

#include "editor/design/dlg_res.h"
#include "editor/design/win/design_window.h"
#include "editor/foundation/document_u.h"
#include "editor/properties/identifier_table.h"
#include "editor/properties/page_text.h"
#include "editor/properties/win/identifier_edit.h"
#include "editor/properties/win/property_dlg.h"
#include "editor/resources/resource.h"

namespace {

// Posted to a page: re-create the selected controls once the input that
// moved the focus away from the identifier field has been handled.
constexpr UINT kRecreateLater = WM_APP + 2;

// An escaped caption of 255 characters may show twice as many.
constexpr int kCaptionFieldLimit = 2 * 255;

using ChooseFontProc = BOOL(WINAPI*)(CHOOSEFONTW*);

// Loaded the first time a font is chosen, as the file dialogs are.
ChooseFontProc LoadChooseFont() {
  static HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (!library) return nullptr;
  return reinterpret_cast<ChooseFontProc>(reinterpret_cast<void*>(GetProcAddress(library, "ChooseFontW")));
}

const wchar_t* Wide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

std::u16string U16(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace

INT_PTR CALLBACK CPropertyPage::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CPropertyPage*>(lParam);
    SetWindowLongPtrW(page, DWLP_USER, lParam);
    self->hwnd = page;
    self->attached = true;
    // Filling the fields sends their change notifications.
    self->filling = true;
    self->OnInit();
    self->filling = false;
    return FALSE;  // the focus stays where the user is working
  }
  auto* self = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrW(page, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(page, DWLP_USER, 0);
    self->owner.PageGone(self);
    self->gone = true;
    if (self->depth == 0) delete self;
    return FALSE;
  }
  ++self->depth;
  const INT_PTR result = self->OnMessage(message, wParam, lParam);
  if (--self->depth == 0 && self->gone) delete self;
  return result;
}

INT_PTR CPropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND:
      SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, OnCommand(LOWORD(wParam), HIWORD(wParam)));
      return TRUE;
    case WM_PAGE_COMMIT:
      SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, OnCommit());
      return TRUE;
    case kRecreateLater:
      if (!closing && !forDialog && owner.itemDialog) owner.itemDialog->RecreateSelectedControls();
      return TRUE;
    default:
      return FALSE;
  }
}

DlgItem* CPropertyPage::Control() const {
  return !forDialog && owner.itemDialog ? owner.itemDialog->ControlAt(owner.itemOrder) : nullptr;
}

CDlgRes* CPropertyPage::Dialog() const {
  return forDialog ? owner.dialog : owner.itemDialog;
}

std::uint32_t& CPropertyPage::Style() {
  return forDialog ? owner.dialog->style : Control()->style;
}

std::uint32_t& CPropertyPage::ExStyle() {
  return forDialog ? owner.dialog->exStyle : Control()->exStyle;
}

int CPropertyPage::IdCombo() const {
  switch (templateId) {
    case IDD_PAGE_GENERAL:
      return IDC_GEN_ID;
    case IDD_PAGE_GENERAL_NO_TEXT:
      return IDC_GNX_ID;
    case IDD_PAGE_DIALOG:
      return IDC_DLG_ID;
    default:
      return 0;
  }
}

std::wstring CPropertyPage::FieldText(int id) const {
  HWND field = GetDlgItem(hwnd, id);
  const int length = field ? GetWindowTextLengthW(field) : 0;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  if (length > 0) GetWindowTextW(field, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

void CPropertyPage::OnInit() {
  CDlgRes* dialog = Dialog();
  DlgItem* control = Control();
  if (!dialog || (!forDialog && !control)) return;

  const PageTable table = PageFields(templateId);
  for (std::size_t i = 0; i < table.count; ++i) {
    const PageField& field = table.fields[i];
    if (!field.combo) continue;
    const ComboItem* items = ComboItems(field, kind);
    for (int k = 0; k < field.itemCount; ++k)
      SendDlgItemMessageW(hwnd, field.id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(items[k].text)));
  }
  if (table.count) ShowState(FillPage(templateId, Style(), ExStyle()));

  if (const int combo = IdCombo()) {
    SendDlgItemMessageW(hwnd, combo, CB_LIMITTEXT, 255, 0);
    std::string name;
    IdentifierTable* ids = owner.Host() ? owner.Host()->Identifiers() : nullptr;
    if (forDialog) {
      name = dialog->name.Ansi();
    } else if (ids && !ids->NameOf(control->id, dialog->name.Ansi(), name)) {
      name.clear();
    }
    if (ids) FillIdCombo(combo, hwnd, name, *ids);
  }
  const int caption = templateId == IDD_PAGE_GENERAL  ? IDC_GEN_CAPTION
                      : templateId == IDD_PAGE_DIALOG ? IDC_DLG_CAPTION
                                                      : 0;
  if (caption) {
    SendDlgItemMessageW(hwnd, caption, EM_LIMITTEXT, kCaptionFieldLimit, 0);
    const std::u16string shown = EscapeText(forDialog ? dialog->caption.View() : control->text.View());
    SetDlgItemTextW(hwnd, caption, Wide(shown.c_str()));
  }
  if (templateId == IDD_PAGE_DIALOG) {
    ShowFont();
    SetDlgItemInt(hwnd, IDC_DLG_X, static_cast<UINT>(dialog->x), TRUE);
    SetDlgItemInt(hwnd, IDC_DLG_Y, static_cast<UINT>(dialog->y), TRUE);
  }
}

void CPropertyPage::ShowFont() {
  CDlgRes* dialog = Dialog();
  SetDlgItemTextW(hwnd, IDC_DLG_FONT_NAME, dialog->fontName.W());
  SetDlgItemInt(hwnd, IDC_DLG_FONT_SIZE, dialog->pointSize, FALSE);
}

int CPropertyPage::OnCommand(int id, int code) {
  if (filling || !Dialog() || (!forDialog && !Control())) return 0;
  if (const PageField* field = FindPageField(templateId, id)) {
    if (!field->combo && code == BN_CLICKED)
      return ApplyStyleField(id, IsDlgButtonChecked(hwnd, id) == BST_CHECKED ? 1 : 0);
    if (field->combo && code == CBN_SELCHANGE)
      return ApplyStyleField(id, static_cast<int>(SendDlgItemMessageW(hwnd, id, CB_GETCURSEL, 0, 0)));
    return 0;
  }
  if (id == IdCombo() && (code == CBN_SELCHANGE || code == CBN_KILLFOCUS)) return CommitId(true);
  if ((id == IDC_GEN_CAPTION || id == IDC_DLG_CAPTION) && code == EN_CHANGE) return ApplyCaption(id);
  if ((id == IDC_DLG_X || id == IDC_DLG_Y) && code == EN_KILLFOCUS) return ApplyPosition(id);
  if (id == IDC_DLG_FONT && code == BN_CLICKED && templateId == IDD_PAGE_DIALOG) {
    ChooseDialogFont();
    return 1;
  }
  return 0;
}

int CPropertyPage::OnCommit() {
  return IdCombo() && Dialog() ? CommitId(false) : 1;
}

PageState CPropertyPage::ReadState() const {
  PageState state;
  const PageTable table = PageFields(templateId);
  for (std::size_t i = 0; i < table.count; ++i) {
    const PageField& field = table.fields[i];
    HWND window = GetDlgItem(hwnd, field.id);
    FieldState shown;
    shown.id = field.id;
    shown.value = field.combo ? static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0))
                              : (IsDlgButtonChecked(hwnd, field.id) == BST_CHECKED ? 1 : 0);
    shown.enabled = IsWindowEnabled(window) != FALSE;
    state.fields.push_back(shown);
  }
  return state;
}

void CPropertyPage::ShowState(const PageState& state) {
  for (const FieldState& shown : state.fields) {
    HWND window = GetDlgItem(hwnd, shown.id);
    if (!window) continue;
    const PageField* field = FindPageField(templateId, shown.id);
    if (field && field->combo)
      SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(shown.value), 0);
    else
      CheckDlgButton(hwnd, shown.id, shown.value ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(window, shown.enabled ? TRUE : FALSE);
  }
}

CJournal* CPropertyPage::Journal() const {
  return owner.Host() ? owner.Host()->Journal() : nullptr;
}

void CPropertyPage::KeepShown(CEditStep& step) const {
  if (forDialog)
    step.KeepDialogFields();
  else
    step.KeepControls({owner.itemOrder});
}

int CPropertyPage::ApplyStyleField(int id, int value) {
  PageState state = ReadState();
  state.style = Style();
  state.exStyle = ExStyle();
  if (!ApplyField(templateId, state, id, value)) return 0;
  CEditStep step(*Dialog(), Journal());
  KeepShown(step);
  Style() = state.style;
  ExStyle() = state.exStyle;
  step.Finish();
  ShowState(state);
  if (forDialog)
    DialogChanged();
  else
    ControlChanged();
  return 1;
}

int CPropertyPage::CommitId(bool fromCombo) {
  CPropertyHost* host = owner.Host();
  CDlgRes* dialog = Dialog();
  if (!host || !dialog) return 1;
  // The table changes with the name: undo restores both.
  CEditStep step(*dialog, Journal());
  KeepShown(step);
  if (IdentifierTable* ids = host->Identifiers()) step.KeepTable(*ids);
  if (forDialog) return CommitDialogIdentifier(hwnd, IdCombo(), *dialog, *host);
  DlgItem* control = Control();
  if (!control) return 1;
  const int result = CommitIdentifier(hwnd, IdCombo(), dialog->name.Ansi(), *control, *host);
  step.Finish();
  if (fromCombo && !closing) PostMessageW(hwnd, kRecreateLater, 0, 0);
  return result;
}

// Every keystroke; the keystrokes of one visit make one undo step.
int CPropertyPage::ApplyCaption(int id) {
  const std::u16string text = UnescapeText(U16(FieldText(id)));
  CDlgRes* dialog = Dialog();
  CEditStep step(*dialog, Journal());
  KeepShown(step);
  if (forDialog) {
    if (text == dialog->caption.View() || !SetDialogCaption(*dialog, text)) return 0;
    if (const std::uint64_t serial = step.Finish(captionRun)) captionRun = serial;
    CDocumentU::MarkModified();
    if (CDesignWindow* design = CDesignWindow::FromWindow(static_cast<HWND>(dialog->window)))
      if (design->SurfaceDialog()) SetWindowTextW(design->SurfaceDialog(), dialog->caption.W());
    return 1;
  }
  DlgItem* control = Control();
  if (text == control->text.View()) return 0;
  if (!SetControlText(*control, text)) return 0;
  if (const std::uint64_t serial = step.Finish(captionRun)) captionRun = serial;
  ControlChanged();
  return 1;
}

int CPropertyPage::ApplyPosition(int id) {
  CDlgRes* dialog = Dialog();
  CEditStep step(*dialog, Journal());
  KeepShown(step);
  std::int16_t& field = id == IDC_DLG_X ? dialog->x : dialog->y;
  const std::int16_t value = LeadingNumber(U16(FieldText(id)));
  if (value != field) {
    field = value;
    CDocumentU::MarkModified();
  }
  SetDlgItemInt(hwnd, id, static_cast<UINT>(value), TRUE);
  return 1;
}

void CPropertyPage::ChooseDialogFont() {
  CDlgRes* dialog = Dialog();
  CPropertyHost* host = owner.Host();
  const ChooseFontProc chooseFont = LoadChooseFont();
  if (!host || !chooseFont) return;
  HDC dc = GetDC(hwnd);
  const int perInch = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc) ReleaseDC(hwnd, dc);
  LOGFONTW font = {};
  font.lfHeight = -MulDiv(dialog->pointSize, perInch, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(font.lfFaceName, dialog->fontName.W(), LF_FACESIZE);
  CHOOSEFONTW choose = {};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = host->FrameWindow();
  choose.lpLogFont = &font;
  choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  BOOL chosen = FALSE;
  host->RunModal([&] { chosen = chooseFont(&choose); });
  if (!chosen) return;
  const auto points = static_cast<std::uint16_t>(-MulDiv(font.lfHeight, 72, perInch));
  CEditStep step(*dialog, Journal());
  KeepShown(step);
  if (!SetDialogFont(*dialog, reinterpret_cast<const char16_t*>(font.lfFaceName), points)) return;
  step.Finish();
  ShowFont();
  DialogChanged();
  SetFocus(GetDlgItem(hwnd, IDC_DLG_FONT));
}

void CPropertyPage::ControlChanged() {
  CDocumentU::MarkModified();
  if (!closing && owner.itemDialog) owner.itemDialog->RecreateSelectedControls();
}

void CPropertyPage::DialogChanged() {
  CDocumentU::MarkModified();
  CDlgRes* dialog = Dialog();
  HWND focus = GetFocus();
  dialog->RebuildSurface();
  if (HWND design = static_cast<HWND>(dialog->window)) {
    InvalidateRect(design, nullptr, TRUE);
    UpdateWindow(design);
  }
  if (focus && IsWindow(focus)) SetFocus(focus);
}
