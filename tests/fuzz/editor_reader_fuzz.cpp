// Any bytes as a script, read with a small header the way the document reads
// a script: every dialog statement until the first that fails. What was read
// is written back, so the writer sees every model the reader can produce.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/foundation/error_u.h"
#include "editor/properties/identifier_table.h"
#include "editor/script/script_reader.h"
#include "editor/script/script_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IdentifierTable ids;
  ids.AddHeaderId("IDC_STATIC", 0xFFFF);
  ids.AddHeaderId("IDD_A", 100);
  ids.AddHeaderId("IDC_A", 1000);
  ids.AddHeaderId("IDC_B", 1001);
  CErrorU error;
  morvid::CScriptReader reader(ids, error);
  morvid::ScriptCursor cursor(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string previous;
  std::string word;
  std::string out;
  while (cursor.ReadWord(word) != morvid::ScanResult::kNone) {
    if (word == "DIALOG" || word == "DIALOGEX") {
      ids.AllocateId(previous);
      morvid::DialogStatement result;
      if (!reader.ReadDialogStatement(cursor, word, previous, result)) break;
      morvid::WriteDialog(out, *result.dialog, ids);
    }
    previous.swap(word);
  }
  return 0;
}
