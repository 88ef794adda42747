// libFuzzer target: the binary object-stream reader on arbitrary bytes.
// The first byte chooses the object read into and whether unknown or wrong
// properties are skipped; the rest is the stream. Whatever reads without an
// error must write back and read again to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/objects/Reader.h"
#include "framework/objects/Writer.h"
#include "framework/objects/Streams.h"
#include "tests/framework/TestClasses.h"

using namespace fwtest;

namespace {

void Read(TStream& Stream, TComponent* Root, bool Skip)
{
  TReader reader(Stream);
  if (Skip) reader.OnError = [](const std::string&) { return true; };
  reader.ReadRootComponent(Root);
}

std::string Write(TComponent* Root)
{
  TMemoryStream out;
  WriteComponentToStream(out, Root);
  return out.DataString();
}

template <class T> void CheckStable(const std::string& First)
{
  T again(nullptr);
  TReadOnlyMemoryStream in(First.data(), static_cast<int64_t>(First.size()));
  Read(in, &again, false);
  if (Write(&again) != First) std::abort();
}

void ReadCarrier(TStream& Stream, TPersistent* Target, bool Skip)
{
  TCarrier carrier(nullptr);
  carrier.FPersistent = Target;
  Read(Stream, &carrier, Skip);
  Write(&carrier);
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
      case 0: {
        TPanelForm form(nullptr);
        Read(stream, &form, skip);
        CheckStable<TPanelForm>(Write(&form));
        break;
      }
      case 1: {
        TGadget gadget(nullptr);
        Read(stream, &gadget, skip);
        CheckStable<TGadget>(Write(&gadget));
        break;
      }
      case 2: {
        TFont font;
        ReadCarrier(stream, &font, skip);
        break;
      }
      case 3: {
        TStringList list;
        ReadCarrier(stream, &list, skip);
        break;
      }
      default: {
        TPicture picture;
        ReadCarrier(stream, &picture, skip);
        break;
      }
    }
  } catch (const Exception&) {}
  return 0;
}
