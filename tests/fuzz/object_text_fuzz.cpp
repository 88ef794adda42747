// libFuzzer target: the converters between the text and the binary form of
// the object stream. Input with a first byte below 128 is text; the rest is
// binary. Whatever converts without an error must convert back and forth to
// the same result: text -> binary -> text -> binary gives the first binary.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/objects/ObjectText.h"
#include "framework/objects/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
  if (Size < 1) return 0;
  const std::string input(reinterpret_cast<const char*>(Data + 1), Size - 1);
  std::string binary;
  try {
    binary = Data[0] < 128 ? ObjectTextToBinary(input) : input;
    const std::string text = ObjectBinaryToText(binary);
    const std::string again = ObjectTextToBinary(text);
    if (Data[0] < 128 && again != binary) std::abort();
    if (ObjectBinaryToText(again) != text) std::abort();
  } catch (const Exception&) {}
  return 0;
}
