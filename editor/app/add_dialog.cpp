#include "editor/app/add_dialog.h"

#include <memory>
#include <string>

#include "editor/design/control_id.h"

namespace {

// A table that refuses every name (no number left) must not stall the command.
constexpr int kMaxNameTries = 1000;

}  // namespace

CDlgRes* AddNewDialog(CDoc& doc) {
  const std::string name = NewDialogName(doc.ids);
  auto dialog = std::make_unique<CDlgRes>();
  if (!dialog->FillWithDefaults(name.c_str())) return nullptr;
  CDlgRes* added = dialog.get();
  doc.dialogs.push_back(std::move(dialog));
  doc.ids.AllocateId(name);

  // "ID" and the number, or "ID<number>_<k>" while that is refused; k runs
  // on across the dialog's controls.
  int k = 1;
  for (const auto& control : added->controls) {
    const std::uint16_t value = control->id;
    std::string idName = "ID" + std::to_string(value);
    for (int tries = 0; !doc.ids.AddHeaderId(idName, value) && tries < kMaxNameTries; ++tries)
      idName = "ID" + std::to_string(value) + "_" + std::to_string(k++);
    doc.ids.AddUse(value, idName, name);
  }
  doc.modified = 1;
  return added;
}
