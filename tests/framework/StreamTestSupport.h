#pragma once
// Building object streams by hand and moving components through them, for the
// object stream, object text and form file tests.

#include <initializer_list>
#include <string>

#include "framework/objects/Reader.h"
#include "framework/objects/Streams.h"
#include "framework/objects/Writer.h"
#include "tests/framework/TestClasses.h"

namespace fwtest {

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

inline void ReadRoot(const std::string& Data, TComponent* Root)
{
  TReadOnlyMemoryStream stream(Data.data(), static_cast<int64_t>(Data.size()));
  ReadComponentFromStream(stream, Root);
}

// 2 x 1 pixels, 24 bits, core header: 14 + 12 + 8 bytes.
inline std::string SmallBitmap()
{
  return Bytes(
      {'B', 'M', 34, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3, 4, 5, 6, 0, 0});
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
  G.FPicture->Bitmap()->SetImage(SmallBitmap());
  G.FGlyph->SetImage(SmallBitmap());
  static_cast<TItem*>(G.FItems->Add())->FCaption = "one";
  static_cast<TItem*>(G.FItems->Add())->FWidth = -7;
}

}  // namespace fwtest
