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

void Read(TStream& Stream, TComponent* Root, bool Skip)
{
  TReader reader(Stream);
  if (Skip) reader.OnError = [](const std::string&) { return true; };
  reader.ReadRootComponent(Root);
}

// A root read without an error must write back and read again to the same bytes.
template <class T> void ReadStable(TStream& Stream, bool Skip)
{
  T first(nullptr);
  Read(Stream, &first, Skip);
  const std::string written = WriteRoot(&first);
  T again(nullptr);
  ReadRoot(written, &again);
  if (WriteRoot(&again) != written) std::abort();
}

template <class T> void ReadCarried(TStream& Stream, bool Skip)
{
  T target;
  TCarrier carrier(nullptr);
  carrier.FPersistent = &target;
  Read(Stream, &carrier, Skip);
  WriteRoot(&carrier);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
  if (Size < 1) return 0;
  const uint8_t selector = Data[0];
  const bool skip = (selector & 0x80) != 0;
  TReadOnlyMemoryStream stream(Data + 1, static_cast<int64_t>(Size - 1));
  try {
    switch (selector % 5) {
      case 0: ReadStable<TPanelForm>(stream, skip); break;
      case 1: ReadStable<TGadget>(stream, skip); break;
      case 2: ReadCarried<TFont>(stream, skip); break;
      case 3: ReadCarried<TStringList>(stream, skip); break;
      default: ReadCarried<TPicture>(stream, skip); break;
    }
  } catch (const Exception&) {}
  return 0;
}
