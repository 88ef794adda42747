#include "persist/ObjectBlob.h"

#include <cstring>
#include <optional>
#include <string>

#include "framework/graphics/Font.h"
#include "framework/objects/Reader.h"
#include "framework/objects/Writer.h"
#include "framework/graphics/Picture.h"
#include "framework/objects/Streams.h"
#include "framework/objects/StringList.h"
#include "persist/Carrier.h"

namespace {

enum class TFamily { None, Picture, Graphic, Strings, Font, Component };

// Families are tested in this order; the first that matches decides.
TFamily FamilyOf(TObject* Object)
{
  if (dynamic_cast<TPicture*>(Object)) return TFamily::Picture;
  if (dynamic_cast<TGraphic*>(Object)) return TFamily::Graphic;
  if (dynamic_cast<TStrings*>(Object)) return TFamily::Strings;
  if (dynamic_cast<TFont*>(Object)) return TFamily::Font;
  if (dynamic_cast<TComponent*>(Object)) return TFamily::Component;
  return TFamily::None;
}

bool IsEmptyObject(TObject* Object, TFamily Family)
{
  switch (Family) {
    case TFamily::Picture: {
      const TGraphic* Graphic = static_cast<TPicture*>(Object)->Graphic();
      return !Graphic || Graphic->Empty();
    }
    case TFamily::Graphic: return static_cast<TGraphic*>(Object)->Empty();
    case TFamily::Strings: return static_cast<TStrings*>(Object)->Count() == 0;
    default: return false;
  }
}

void WriteNameField(TStream& Stream, const std::string& Name)
{
  char Field[BlobNameFieldSize] = {};
  std::memcpy(Field, Name.data(), Name.size());
  Stream.WriteBuffer(Field, sizeof Field);
  Stream.WriteBuffer(BlobMark, 2);
}

std::string ReadNameField(TStream& Stream)
{
  char Field[BlobNameFieldSize];
  Stream.ReadBuffer(Field, sizeof Field);
  return std::string(Field, strnlen(Field, sizeof Field));
}

bool ReadMark(TStream& Stream)
{
  char Mark[2];
  Stream.ReadBuffer(Mark, sizeof Mark);
  return std::memcmp(Mark, BlobMark, 2) == 0;
}

// Reads a carrier stream into Object in place. A blob carries no nested
// objects, so any are refused as damage.
void ReadCarrier(TStream& Stream, TPersistent* Object)
{
  TCarrier Carrier(nullptr);
  Carrier.SetPersistent(Object);
  TReader Reader(Stream);
  Reader.AllowChildComponents = false;
  Reader.ReadRootComponent(&Carrier);
}

// Keeps a string list's updates suspended while its blob is read, so its
// holder sees one change, and ends the update even when reading fails.
class TUpdateGuard {
public:
  explicit TUpdateGuard(TStrings& Strings) : FStrings(Strings) { FStrings.BeginUpdate(); }
  ~TUpdateGuard() { FStrings.EndUpdate(); }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
  TStrings& FStrings;
};

void ApplyEmpty(TObject* Object, TFamily Family)
{
  switch (Family) {
    case TFamily::Picture: static_cast<TPicture*>(Object)->SetGraphic(nullptr); break;
    case TFamily::Graphic: static_cast<TGraphic*>(Object)->Clear(); break;
    case TFamily::Strings: static_cast<TStrings*>(Object)->Clear(); break;
    default:  // fonts and components have no empty form
      break;
  }
}

void ApplyBlob(TObject& Instance, const TPropInfo& Prop, TStream& Stream, TObject* Object, TFamily Family)
{
  const std::string Name = ReadNameField(Stream);
  if (Name != Object->ClassName()) {
    if (Name == BlobEmptyName) ApplyEmpty(Object, Family);
    return;
  }
  if (!ReadMark(Stream)) return;
  auto* Persistent = static_cast<TPersistent*>(Object);
  if (Family == TFamily::Strings) {
    TUpdateGuard Guard(*static_cast<TStrings*>(Object));
    ReadCarrier(Stream, Persistent);
    return;
  }
  ReadCarrier(Stream, Persistent);
  if (Family == TFamily::Component) SetObjectProp(Instance, Prop, Object);
}

}  // namespace

int64_t WriteObjectProp(TObject& Instance, const TPropInfo& Prop, TStream& Stream)
{
  if (Prop.Kind() != tkClass) return 0;
  try {
    TObject* Object = GetObjectProp(Instance, Prop);
    const TFamily Family = FamilyOf(Object);
    if (Family == TFamily::None) return Stream.Size();
    const bool Empty = IsEmptyObject(Object, Family);
    const std::string Name = Empty ? std::string(BlobEmptyName) : Object->ClassName();
    // A longer name would be cut and could never match its class on reading.
    if (Name.size() >= BlobNameFieldSize) return -1;
    WriteNameField(Stream, Name);
    if (!Empty) {
      TCarrier Carrier(nullptr);
      Carrier.SetPersistent(static_cast<TPersistent*>(Object));
      WriteComponentToStream(Stream, &Carrier);
    }
    return Stream.Size();
  } catch (const std::exception&) {
    return -1;
  }
}

bool ReadObjectProp(TObject& Instance, const TPropInfo& Prop, TStream& Stream)
{
  if (Prop.Kind() != tkClass) return true;
  try {
    TObject* Object = GetObjectProp(Instance, Prop);
    const TFamily Family = FamilyOf(Object);
    if (Family != TFamily::None) ApplyBlob(Instance, Prop, Stream, Object, Family);
    return true;
  } catch (const std::exception&) {
    // The object stays as far as it was read.
    return false;
  }
}
