// Fuzz target: the settings-file loader. Any input must load without crashing
// or reading out of bounds, and what was loaded must survive a save and a
// reload unchanged, with every loaded entry found again by its name and key.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "persist/oxRegFil.h"

namespace {

void Check(bool Condition)
{
  if (!Condition) __builtin_trap();
}

void CheckLookups(ToxRegFile& Store)
{
  const auto Entries = Store.Entries();
  for (const auto& Entry : Entries) {
    Store.SetCurrentKey(Entry.Key);
    Check(Store.ValueExists(Entry.Name));
    Check(Store.GetDataSize(Entry.Name) == Entry.Data.size());
    char Buffer[8];
    const uint32_t Size = Store.ReadBinaryData(Entry.Name, Buffer, sizeof Buffer);
    Check(Size == (Entry.Kind == ToxRegFile::KindBinary ? Entry.Data.size() : 0));
    Check(Store.ReadString(Entry.Name).size() <= Entry.Data.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
  const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
  ToxRegFile Store;
  Store.LoadFromBytes(Bytes);
  const std::string Saved = Store.SaveToBytes();

  ToxRegFile Reloaded;
  Reloaded.LoadFromBytes(Saved);
  Check(Reloaded.SaveToBytes() == Saved);
  Check(Reloaded.Entries().size() == Store.Entries().size());
  CheckLookups(Reloaded);

  if (!Reloaded.Entries().empty()) {
    // Rewriting the first entry moves it to the end and keeps the count.
    const auto First = Reloaded.Entries().front();
    Reloaded.SetCurrentKey(First.Key);
    Reloaded.WriteString(First.Name, "x");
    Check(Reloaded.Entries().size() == Store.Entries().size());
    Check(Reloaded.ReadString(First.Name) == "x");
  }
  return 0;
}
