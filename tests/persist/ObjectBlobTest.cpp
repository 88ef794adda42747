#include "persist/ObjectBlob.h"

#include <gtest/gtest.h>

#include "tests/persist/PersistFixtures.h"

using namespace fwtest;

namespace {

std::string Bytes(std::initializer_list<int> Values)
{
  std::string S;
  for (int V : Values) S += static_cast<char>(V);
  return S;
}

const std::string Empty = NameField("EMPTY") + "03";

// The exact blob of a font with the default character set.
std::string FontBlob(const std::string& Color, int HeightByte, const std::string& Name, const std::string& Styles)
{
  return BlobHead("TFont") + Str("Persistent.Charset") + Bytes({7}) + Str("DEFAULT_CHARSET") + Str("Persistent.Color") +
         Bytes({7}) + Str(Color) + Str("Persistent.Height") + Bytes({2, HeightByte}) + Str("Persistent.Name") +
         Bytes({6}) + Str(Name) + Str("Persistent.Style") + Bytes({11}) + Styles + Bytes({0, 0, 0});
}

void Read(TGadget& G, const char* Name, const std::string& Blob)
{
  TReadOnlyMemoryStream Stream(Blob.data(), static_cast<int64_t>(Blob.size()));
  ReadObjectProp(G, FindPropInfo(G, Name), Stream);
}

}  // namespace

TEST(ObjectBlob, FontHasExactBytesAndReadsBack)
{
  TGadget Source(nullptr);
  EXPECT_EQ(FontBlob("clWindowText", 0xF5, "MS Sans Serif", ""), BlobOf(Source, "Font"));
  Source.FFont->SetName("Courier New");
  Source.FFont->SetHeight(-13);
  Source.FFont->SetColor(clNavy);
  Source.FFont->SetStyle({fsBold});
  const std::string Blob = BlobOf(Source, "Font");
  EXPECT_EQ(FontBlob("clNavy", 0xF3, "Courier New", Str("fsBold")), Blob);

  TGadget Target(nullptr);
  Read(Target, "Font", Blob);
  EXPECT_EQ(TFontStyles{fsBold}, Target.FFont->Style());
  Read(Target, "Font", Empty);              // a font has no empty form
  EXPECT_EQ(Blob, BlobOf(Target, "Font"));  // every stored property came back
}

TEST(ObjectBlob, StringListHasExactBytesAndReadsBackWithOneChangeNotification)
{
  TGadget Source(nullptr);
  Source.FLines->Add("C:\\Windows");
  Source.FLines->Add(std::string(300, 'x'));
  const std::string Blob = BlobOf(Source, "Lines");
  EXPECT_EQ(BlobHead("TStringList") + Str("Persistent.Strings") + Bytes({1, 6}) + Str("C:\\Windows") +
                Bytes({12, 44, 1, 0, 0}) + std::string(300, 'x') + Bytes({0, 0, 0}),
            Blob);
  TGadget Target(nullptr);
  Target.FLines->Add("old");
  Target.LinesChanges = 0;
  Read(Target, "Lines", Blob);
  EXPECT_EQ((std::vector<std::string>{"C:\\Windows", std::string(300, 'x')}), Target.FLines->ToVector());
  EXPECT_EQ(1, Target.LinesChanges);
}

TEST(ObjectBlob, ListsPicturesAndGraphicsAreEmptyOrCarryTheirContent)
{
  TGadget Blank(nullptr);
  for (const char* Name : {"Lines", "Picture", "Glyph"}) EXPECT_EQ(Empty, BlobOf(Blank, Name)) << Name;
  TGadget Target(nullptr);
  Target.FLines->Add("stale");
  Target.FGlyph->SetImage(SmallBitmapFile());
  Target.FPicture->SetGraphic(Target.FGlyph);
  for (const char* Name : {"Lines", "Picture", "Glyph"}) Read(Target, Name, Empty);
  EXPECT_EQ(0, Target.FLines->Count());
  EXPECT_TRUE(Target.FGlyph->Empty());
  EXPECT_EQ(nullptr, Target.FPicture->Graphic());

  // A filled picture and graphic carry their image.
  TGadget Source(nullptr);
  Source.FGlyph->SetImage(SmallBitmapFile());
  const std::string Glyph = BlobOf(Source, "Glyph");
  EXPECT_EQ(BlobHead("TBitmap") + Str("Persistent.Data") + Bytes({10}), Glyph.substr(0, 34 + 14 + 16 + 1));
  Source.FPicture->SetGraphic(Source.FGlyph);
  const std::string Picture = BlobOf(Source, "Picture");
  EXPECT_EQ(NameField("TPicture") + "03", Picture.substr(0, 34));

  Read(Target, "Glyph", Glyph);
  Read(Target, "Picture", Picture);
  EXPECT_EQ(SmallBitmapFile(), Target.FGlyph->Image());
  ASSERT_NE(nullptr, Target.FPicture->Graphic());
  EXPECT_EQ("TBitmap", Target.FPicture->Graphic()->ClassName());
  EXPECT_EQ(SmallBitmapFile(), Target.FPicture->Graphic()->Image());
}

TEST(ObjectBlob, ComponentBlobIsReassignedAndNilOrOtherObjectsWriteNothing)
{
  TGadget G(nullptr);
  EXPECT_EQ("", BlobOf(G, "Buddy"));  // nil
  EXPECT_EQ("", BlobOf(G, "Items"));  // a collection belongs to no family
  TGadget Other(nullptr);
  G.SetBuddy(&Other);
  const std::string Stored = BlobOf(G, "Buddy");
  EXPECT_EQ(BlobHead("TGadget"), Stored.substr(0, 34 + 14));
  G.BuddyAssignments = 0;
  Read(G, "Buddy", Stored);
  EXPECT_EQ(1, G.BuddyAssignments);
  EXPECT_EQ(&Other, G.FBuddy);

  TMemoryStream Stream;
  Stream.WriteBuffer("xy", 2);
  EXPECT_EQ(0, WriteObjectProp(G, FindPropInfo(G, "Number"), Stream));
  EXPECT_EQ(2, WriteObjectProp(G, FindPropInfo(G, "Items"), Stream));
  EXPECT_EQ(2, Stream.Size());
  TReadOnlyMemoryStream Unwritable("", 0);
  EXPECT_EQ(-1, WriteObjectProp(G, FindPropInfo(G, "Font"), Unwritable));
}

TEST(ObjectBlob, WrongClassNameMissingMarkOrNestedObjectChangesNothing)
{
  TGadget Source(nullptr);
  Source.FLines->Add("line");
  const std::string List = BlobOf(Source, "Lines");
  std::string NoMark = List;
  NoMark[33] = '4';
  struct TCase {
    const char* Name;
    std::string Blob;
  };
  const TCase Cases[] = {
      {"Font", List},
      {"Glyph", BlobHead("TIcon") + Bytes({0, 0})},  // an icon is not applied to a bitmap property
      {"Lines", NoMark},
      // A carrier stream whose child list holds an object instead of ending.
      {"Lines", BlobHead("TStringList") + Bytes({0}) + Str("TStringList") + Str("x") + Bytes({0, 0, 0})},
  };
  for (const TCase& C : Cases) {
    TGadget Target(nullptr);
    Target.FLines->Add("kept");
    Target.FGlyph->SetImage(SmallBitmapFile());
    Read(Target, C.Name, C.Blob);
    EXPECT_EQ(TFont::DefaultName, Target.FFont->Name()) << C.Name;
    EXPECT_EQ(SmallBitmapFile(), Target.FGlyph->Image()) << C.Name;
    EXPECT_EQ(std::vector<std::string>{"kept"}, Target.FLines->ToVector()) << C.Name;
  }
}

TEST(ObjectBlob, CutBlobsAreAppliedAsFarAsRead)
{
  TGadget Source(nullptr);
  Source.FFont->SetName("Arial");
  Source.FFont->SetColor(clRed);
  Source.FFont->SetStyle({fsItalic, fsUnderline});
  Source.FFont->SetPitch(fpFixed);
  const std::string Font = BlobOf(Source, "Font");
  for (size_t Length = 0; Length <= Font.size(); ++Length) {
    TGadget Target(nullptr);
    Read(Target, "Font", Font.substr(0, Length));
    EXPECT_FALSE(Target.FFont->Name().empty()) << Length;
  }
  const size_t HeightAt = Font.find(Str("Persistent.Height"));
  ASSERT_NE(std::string::npos, HeightAt);
  TGadget Target(nullptr);
  Read(Target, "Font", Font.substr(0, HeightAt + 5));
  EXPECT_EQ(clRed, Target.FFont->Color());
  EXPECT_EQ(TFont::DefaultName, Target.FFont->Name());
  Read(Target, "Font", Font);
  EXPECT_EQ(fpFixed, Target.FFont->Pitch());

  for (const char* Line : {"one", "two", "three"}) Source.FLines->Add(Line);
  const std::string Lines = BlobOf(Source, "Lines");
  Target.FLines->Add("old");
  Target.LinesChanges = 0;
  Read(Target, "Lines", Lines.substr(0, Lines.find(Str("three")) + 2));
  EXPECT_EQ((std::vector<std::string>{"one", "two"}), Target.FLines->ToVector());
  EXPECT_EQ(1, Target.LinesChanges);
  EXPECT_EQ(0, Target.FLines->UpdateCount());
}
