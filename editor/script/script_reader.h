#pragma once
// Reads DIALOG and DIALOGEX statements of a script into dialog models.
// Identifiers resolve through the document's identifier table, which the
// reader extends (names for numeric identifiers, uses by each dialog). When a
// statement cannot be read, the error text says where: the dialog's name and
// keyword, the header keyword or "\n   " and the control keyword, and the
// piece that failed; the result is 0.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/design/dlg_res.h"
#include "editor/foundation/error_u.h"
#include "editor/script/script_cursor.h"
#include "editor/script/script_keywords.h"

class IdentifierTable;

namespace morvid {

// Makes the window class of a custom control known to the platform so that
// the design surface can create the control; 1 when the class can be used.
// The Win32 layer installs one; without it every class is accepted.
using CustomClassHook = int (*)(const CStringU& className);
void SetCustomClassHook(CustomClassHook hook);

struct DialogStatement {
  std::unique_ptr<CDlgRes> dialog;
  // The keywords of statements inside the dialog that the reader does not
  // know and skipped (for example ICON), each once, in script order. They
  // are not in the model and so are not written back.
  std::vector<std::string> skippedStatements;
};

class CScriptReader {
 public:
  CScriptReader(IdentifierTable& ids, CErrorU& error) : ids_(ids), error_(error) {}

  // Called right after the keyword word (DIALOG or DIALOGEX), with the word
  // before it as the name; the caller has offered the name to AllocateId.
  int ReadDialogStatement(ScriptCursor& cursor, std::string_view keyword, std::string_view name,
                          DialogStatement& result);

  int ReadStyleExpr(ScriptCursor& cursor, std::uint32_t& value);
  int ReadExStyleExpr(ScriptCursor& cursor, std::uint32_t& value);
  int ReadControlId(ScriptCursor& cursor, const std::string& dialogName, std::uint16_t& value);
  int ReadOrdinalOrName(ScriptCursor& cursor, std::uint16_t& value);

 private:
  struct ContextStep {
    bool save;        // a Push of the error text, else an append of a piece
    std::size_t end;  // where the step's piece (and terminator) ends in pieces_
  };

  int ReadDialog(ScriptCursor& cursor, std::string_view keyword, std::string_view name, DialogStatement& result);
  int ReadControlIdStep(ScriptCursor& cursor, const std::string& dialogName, std::uint16_t& value);
  int ReadOrdinalStep(ScriptCursor& cursor, std::uint16_t& value);
  int ReadHeader(ScriptCursor& cursor, CDlgRes& dialog);
  int ReadHeaderStatement(ScriptCursor& cursor, HeaderKeyword keyword, CDlgRes& dialog);
  int ReadControls(ScriptCursor& cursor, CDlgRes& dialog, std::vector<std::string>& skipped);
  int ReadControlStatement(ScriptCursor& cursor, const ControlStatementInfo& info,
                           const std::string& dialogName, DlgItem& item);
  int ReadControlFields(ScriptCursor& cursor, const ControlStatementInfo& info,
                        const std::string& dialogName, DlgItem& item);
  int ReadText(ScriptCursor& cursor, CStringU& text);
  int ReadStyleWith(ScriptCursor& cursor, bool extended, std::uint32_t& value);
  void Push();
  void Pop();
  void Append(std::string_view piece);
  int TooLong(std::string_view start);
  template <typename Read>
  int Outermost(Read read);

  IdentifierTable& ids_;
  CErrorU& error_;
  std::vector<ContextStep> journal_;
  std::string pieces_;
  std::vector<std::size_t> marks_;
  int depth_ = 0;
  // Reused for every control, so that long texts and names allocate once.
  std::string textScratch_;
  std::string styleScratch_;
  std::string idScratch_;
};

}  // namespace morvid
