// Any bytes as a Resource.h: the identifier table must load or refuse them
// without fault, and stay consistent for the operations that follow.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/properties/identifier_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!f) return 0;
  IdentifierTable table;
  CErrorU error;
  table.LoadHeaderIds(f, error);
  std::fclose(f);

  // Exercise the indexes the load built.
  std::string name;
  for (const char* n = table.FirstIdName(); n; n = table.NextIdName()) {
    uint16_t value = 0;
    if (!table.ValueOf(n, value)) __builtin_trap();
    table.AddUse(value, n, "IDD_FUZZ");
    if (value != IdentifierTable::kStaticValue && !table.IsValueUsedIn(value, "IDD_FUZZ")) __builtin_trap();
    if (!table.NameOf(value, "IDD_FUZZ", name)) __builtin_trap();
  }
  table.AllocateId("IDD_FUZZ");
  table.SnapshotIds();
  std::vector<uint16_t> values;
  for (const auto& r : table.UserIds()) values.push_back(r->value);
  for (uint16_t value : values) table.ReleaseControlIds("IDD_FUZZ", {value});
  table.RestoreSnapshot();
  return 0;
}
