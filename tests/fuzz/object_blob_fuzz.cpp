// Fuzz target: the object-blob reader. Any input applied to a font, a string
// list, a picture, a bitmap or a component property must leave a valid object
// without crashing or reading out of bounds, and whatever was applied must
// write out again and read back to the very same blob.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/objects/Streams.h"
#include "persist/ObjectBlob.h"
#include "tests/support/TestClasses.h"

using namespace fwtest;

namespace {

void Check(bool Condition)
{
  if (!Condition) __builtin_trap();
}

std::string WriteBlob(TGadget& Holder, const char* Name)
{
  TMemoryStream Stream;
  const int64_t Size = WriteObjectProp(Holder, FindPropInfo(Holder, Name), Stream);
  Check(Size == Stream.Size());
  return Stream.DataString();
}

void ReadBlob(TGadget& Holder, const char* Name, const uint8_t* Data, size_t Size)
{
  TReadOnlyMemoryStream Stream(Data, static_cast<int64_t>(Size));
  ReadObjectProp(Holder, FindPropInfo(Holder, Name), Stream);
}

// Applies the input, then checks that the object's own blob is stable.
void FuzzProperty(const char* Name, const uint8_t* Data, size_t Size)
{
  TGadget Buddy(nullptr);
  TGadget Holder(nullptr);
  Holder.SetBuddy(&Buddy);
  Holder.FLines->Add("before");
  ReadBlob(Holder, Name, Data, Size);
  Check(Holder.FLines->UpdateCount() == 0);

  const std::string Blob = WriteBlob(Holder, Name);
  TGadget OtherBuddy(nullptr);
  TGadget Copy(nullptr);
  Copy.SetBuddy(&OtherBuddy);
  ReadBlob(Copy, Name, reinterpret_cast<const uint8_t*>(Blob.data()), Blob.size());
  Check(WriteBlob(Copy, Name) == Blob);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
  for (const char* Name : {"Font", "Lines", "Picture", "Glyph", "Buddy"}) FuzzProperty(Name, Data, Size);
  return 0;
}
