#pragma once
// Building object streams by hand and moving components through them, for the
// object stream, object text and form file tests.

#include <functional>
#include <initializer_list>
#include <string>

#include "framework/objects/Reader.h"
#include "framework/objects/Streams.h"
#include "framework/objects/Writer.h"
#include "tests/support/TestClasses.h"

namespace fwtest {

// Carries any persistent object as its one property, like the persistence
// layer's carrier (these tests do not link the persistence code).
class TCarrier : public TComponent {
  QV_CLASS(TCarrier, TComponent)
public:
  explicit TCarrier(TComponent* AOwner) : TComponent(AOwner) {}
  TPersistent* FPersistent = nullptr;
  TPersistent* GetPersistent() const { return FPersistent; }
  void SetPersistent(TPersistent* Value) { FPersistent = Value; }
};

inline std::string Bytes(std::initializer_list<int> Values)
{
  std::string s;
  for (int v : Values) s += static_cast<char>(v);
  return s;
}

// A length byte and the characters, as names and short strings are stored.
inline std::string Str(const std::string& S) { return static_cast<char>(S.size()) + S; }

inline std::string WriteRoot(TComponent* Root)
{
  TMemoryStream stream;
  WriteComponentToStream(stream, Root);
  return stream.DataString();
}

// SetUp, when given, prepares the reader first (an error handler, refusals).
inline void ReadRoot(const std::string& Data, TComponent* Root, const std::function<void(TReader&)>& SetUp = {})
{
  TReadOnlyMemoryStream stream(Data.data(), static_cast<int64_t>(Data.size()));
  TReader reader(stream);
  if (SetUp) SetUp(reader);
  reader.ReadRootComponent(Root);
}

// Every property of a gadget away from its default, in values that need each
// integer width, a long string with a control character and a binary value.
inline void FillGadget(TGadget& G)
{
  G.FNumber = -100000;
  G.FSmall = 300;
  G.FColor = clInfoBk;
  G.FCursor = crHourGlass;
  G.FLetter = '\'';
  G.FWide = 0x263A;
  G.FEnabled = false;
  G.FVisible = true;
  G.FShade = shDark;
  G.FFlags = {flOne, flThree};
  G.FParts = {ptA, ptAB};
  G.FMask = 0x80000000u;  // above the signed range: travels as its bit pattern
  G.FRatio = -2.5e-300;
  G.FCaption = std::string(200, 'x') + "\t" + std::string(100, 'y');
  G.FShort = "it's";
  G.FBanner = "shown";
  G.FFont->SetName("Arial");
  G.FLines->Add(std::string(300, 'L'));
  G.FLines->Add("");
  G.FPicture->Bitmap()->SetImage(SmallBitmapFile());
  G.FGlyph->SetImage(SmallBitmapFile());
  static_cast<TItem*>(G.FItems->Add())->FCaption = "one";
  static_cast<TItem*>(G.FItems->Add())->FWidth = -7;
}

}  // namespace fwtest
