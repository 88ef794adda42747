// libFuzzer target: the binary object-stream reader on arbitrary bytes.
// The first byte chooses the object read into and whether unknown or wrong
// properties are skipped; the rest is the stream. Whatever reads without an
// error must write back and read again to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/framework/StreamTestSupport.h"

using namespace fwtest;

namespace {

// Goes on past unknown or wrong properties.
void SkipErrors(TReader& Reader)
{
  Reader.OnError = [](const std::string&) { return true; };
}

// A root read without an error must write back and read again to the same bytes.
template <class T> void ReadStable(const std::string& Data, bool Skip)
{
  T first(nullptr);
  ReadRoot(Data, &first, Skip ? SkipErrors : nullptr);
  const std::string written = WriteRoot(&first);
  T again(nullptr);
  ReadRoot(written, &again);
  if (WriteRoot(&again) != written) std::abort();
}

template <class T> void ReadCarried(const std::string& Data, bool Skip)
{
  T target;
  TCarrier carrier(nullptr);
  carrier.FPersistent = &target;
  ReadRoot(Data, &carrier, Skip ? SkipErrors : nullptr);
  WriteRoot(&carrier);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
  if (Size < 1) return 0;
  const uint8_t selector = Data[0];
  const bool skip = (selector & 0x80) != 0;
  const std::string input(reinterpret_cast<const char*>(Data + 1), Size - 1);
  try {
    switch (selector % 5) {
      case 0: ReadStable<TPanelForm>(input, skip); break;
      case 1: ReadStable<TGadget>(input, skip); break;
      case 2: ReadCarried<TFont>(input, skip); break;
      case 3: ReadCarried<TStringList>(input, skip); break;
      default: ReadCarried<TPicture>(input, skip); break;
    }
  } catch (const Exception&) {}
  return 0;
}
