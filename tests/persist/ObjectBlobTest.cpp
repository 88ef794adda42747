#include "persist/ObjectBlob.h"

#include <gtest/gtest.h>

#include "framework/objects/Streams.h"
#include "tests/persist/PropHolder.h"

using namespace persisttest;

namespace {

std::string Bytes(std::initializer_list<int> Values)
{
  std::string S;
  for (int V : Values) S += static_cast<char>(V);
  return S;
}

std::string Str(const std::string& S) { return static_cast<char>(S.size()) + S; }

std::string NameField(const std::string& Name) { return Name + std::string(32 - Name.size(), '\0'); }

std::string CarrierHead() { return "TPF0" + Str("TCarrier") + Str(""); }

class ObjectBlob : public ::testing::Test {
protected:
  TPropHolder Holder{nullptr};

  std::string Write(const char* Name)
  {
    TMemoryStream Stream;
    const int64_t Size = WriteObjectProp(Holder, Prop(Holder, Name), Stream);
    EXPECT_EQ(Stream.Size(), Size);
    return Stream.DataString();
  }

  void Read(TPropHolder& Target, const char* Name, const std::string& Blob)
  {
    TReadOnlyMemoryStream Stream(Blob.data(), static_cast<int64_t>(Blob.size()));
    ReadObjectProp(Target, Prop(Target, Name), Stream);
  }
};

}  // namespace

TEST_F(ObjectBlob, DefaultFontHasExactBytes)
{
  const std::string Expected = NameField("TFont") + "03" + CarrierHead() + Str("Persistent.Charset") + Bytes({7}) +
                               Str("DEFAULT_CHARSET") + Str("Persistent.Color") + Bytes({7}) + Str("clWindowText") +
                               Str("Persistent.Height") + Bytes({2, 0xF5}) + Str("Persistent.Name") + Bytes({6}) +
                               Str("MS Sans Serif") + Str("Persistent.Style") + Bytes({11, 0}) + Bytes({0, 0});
  EXPECT_EQ(Expected, Write("Font"));
}

TEST_F(ObjectBlob, ChangedFontHasExactBytesAndReadsBack)
{
  Holder.FFont->SetName("Courier New");
  Holder.FFont->SetHeight(-13);
  Holder.FFont->SetColor(clNavy);
  Holder.FFont->SetStyle({fsBold});
  const std::string Blob = Write("Font");
  const std::string Expected = NameField("TFont") + "03" + CarrierHead() + Str("Persistent.Charset") + Bytes({7}) +
                               Str("DEFAULT_CHARSET") + Str("Persistent.Color") + Bytes({7}) + Str("clNavy") +
                               Str("Persistent.Height") + Bytes({2, 0xF3}) + Str("Persistent.Name") + Bytes({6}) +
                               Str("Courier New") + Str("Persistent.Style") + Bytes({11}) + Str("fsBold") + Str("") +
                               Bytes({0, 0});
  EXPECT_EQ(Expected, Blob);

  TPropHolder Target(nullptr);
  Read(Target, "Font", Blob);
  EXPECT_EQ("Courier New", Target.FFont->Name());
  EXPECT_EQ(-13, Target.FFont->Height());
  EXPECT_EQ(clNavy, Target.FFont->Color());
  EXPECT_EQ(TFontStyles{fsBold}, Target.FFont->Style());
}

TEST_F(ObjectBlob, ExcludedDirsListHasExactBytes)
{
  Holder.FLines->Add("C:\\Windows");
  Holder.FLines->Add("C:\\Temp");
  const std::string Expected = NameField("TStringList") + "03" + CarrierHead() + Str("Persistent.Strings") +
                               Bytes({1, 6}) + Str("C:\\Windows") + Bytes({6}) + Str("C:\\Temp") + Bytes({0}) +
                               Bytes({0, 0});
  EXPECT_EQ(Expected, Write("Lines"));
}

TEST_F(ObjectBlob, StringListReadsBackWithOneChangeNotification)
{
  Holder.FLines->Add("a");
  Holder.FLines->Add(std::string(300, 'x'));
  const std::string Blob = Write("Lines");
  TPropHolder Target(nullptr);
  Target.FLines->Add("old");
  Target.LinesChanges = 0;
  Read(Target, "Lines", Blob);
  EXPECT_EQ((std::vector<std::string>{"a", std::string(300, 'x')}), Target.FLines->ToVector());
  EXPECT_EQ(1, Target.LinesChanges);
}

TEST_F(ObjectBlob, EmptyStringListIsStoredAsEmptyAndClearsOnLoading)
{
  const std::string Blob = Write("Lines");
  EXPECT_EQ(NameField("EMPTY") + "03", Blob);
  EXPECT_EQ(34u, Blob.size());
  TPropHolder Target(nullptr);
  Target.FLines->Add("stale");
  Read(Target, "Lines", Blob);
  EXPECT_EQ(0, Target.FLines->Count());
}

TEST_F(ObjectBlob, EmptyNameDoesNotClearAFont)
{
  TPropHolder Target(nullptr);
  Target.FFont->SetName("Arial");
  Read(Target, "Font", NameField("EMPTY") + "03");
  EXPECT_EQ("Arial", Target.FFont->Name());
}

TEST_F(ObjectBlob, PictureAndGraphicCarryTheirImage)
{
  Holder.FGlyph->SetImage(SmallBitmapFile());
  const std::string Glyph = Write("Glyph");
  EXPECT_EQ(NameField("TBitmap") + "03" + CarrierHead() + Str("Persistent.Data") + Bytes({10}),
            Glyph.substr(0, 34 + 14 + 16 + 1));
  Holder.FPicture->SetGraphic(Holder.FGlyph);
  const std::string Picture = Write("Picture");
  EXPECT_EQ(NameField("TPicture") + "03", Picture.substr(0, 34));

  TPropHolder Target(nullptr);
  Read(Target, "Glyph", Glyph);
  Read(Target, "Picture", Picture);
  EXPECT_EQ(SmallBitmapFile(), Target.FGlyph->Image());
  ASSERT_NE(nullptr, Target.FPicture->Graphic());
  EXPECT_EQ("TBitmap", Target.FPicture->Graphic()->ClassName());
  EXPECT_EQ(SmallBitmapFile(), Target.FPicture->Graphic()->Image());
}

TEST_F(ObjectBlob, EmptyPictureAndGraphicAreStoredAsEmptyAndClear)
{
  EXPECT_EQ(NameField("EMPTY") + "03", Write("Glyph"));
  EXPECT_EQ(NameField("EMPTY") + "03", Write("Picture"));
  TPropHolder Target(nullptr);
  Target.FGlyph->SetImage(SmallBitmapFile());
  Target.FPicture->SetGraphic(Target.FGlyph);
  Read(Target, "Glyph", NameField("EMPTY") + "03");
  Read(Target, "Picture", NameField("EMPTY") + "03");
  EXPECT_TRUE(Target.FGlyph->Empty());
  EXPECT_EQ(nullptr, Target.FPicture->Graphic());
}

TEST_F(ObjectBlob, ComponentBlobIsReassigned)
{
  const std::string Blob = Write("Buddy");
  EXPECT_EQ("", Blob);  // nil: no blob
  TComponent Other(nullptr);
  Holder.FBuddy = &Other;
  const std::string Stored = Write("Buddy");
  EXPECT_EQ(NameField("TComponent") + "03" + CarrierHead(), Stored.substr(0, 34 + 14));
  Holder.BuddyAssignments = 0;
  Read(Holder, "Buddy", Stored);
  EXPECT_EQ(1, Holder.BuddyAssignments);
  EXPECT_EQ(&Other, Holder.FBuddy);
}

TEST_F(ObjectBlob, OtherObjectsAndOtherKindsWriteNothing)
{
  EXPECT_EQ("", Write("Thing"));
  EXPECT_EQ("", Write("Nothing"));
  TMemoryStream Stream;
  Stream.WriteBuffer("xy", 2);
  EXPECT_EQ(0, WriteObjectProp(Holder, Prop(Holder, "Number"), Stream));
  EXPECT_EQ(2, WriteObjectProp(Holder, Prop(Holder, "Thing"), Stream));
  EXPECT_EQ(2, Stream.Size());
}

TEST_F(ObjectBlob, FailedStreamingGivesMinusOne)
{
  TReadOnlyMemoryStream Unwritable("", 0);
  EXPECT_EQ(-1, WriteObjectProp(Holder, Prop(Holder, "Font"), Unwritable));
}

TEST_F(ObjectBlob, WrongClassNameChangesNothing)
{
  Holder.FLines->Add("line");
  const std::string ListBlob = Write("Lines");
  TPropHolder Target(nullptr);
  Read(Target, "Font", ListBlob);
  EXPECT_EQ(TFont::DefaultName, Target.FFont->Name());
  // A stored icon is not applied to a property holding a bitmap.
  Target.FGlyph->SetImage(SmallBitmapFile());
  Read(Target, "Glyph", NameField("TIcon") + "03" + CarrierHead() + Bytes({0, 0}));
  EXPECT_EQ(SmallBitmapFile(), Target.FGlyph->Image());
}

TEST_F(ObjectBlob, MissingMarkChangesNothing)
{
  Holder.FLines->Add("line");
  std::string Blob = Write("Lines");
  Blob[33] = '4';
  TPropHolder Target(nullptr);
  Target.FLines->Add("kept");
  Read(Target, "Lines", Blob);
  EXPECT_EQ(std::vector<std::string>{"kept"}, Target.FLines->ToVector());
}

TEST_F(ObjectBlob, CutFontIsAppliedAsFarAsRead)
{
  Holder.FFont->SetName("Arial");
  Holder.FFont->SetColor(clRed);
  const std::string Blob = Write("Font");
  const size_t HeightAt = Blob.find(Str("Persistent.Height"));
  ASSERT_NE(std::string::npos, HeightAt);
  TPropHolder Target(nullptr);
  Read(Target, "Font", Blob.substr(0, HeightAt + 5));
  EXPECT_EQ(clRed, Target.FFont->Color());
  EXPECT_EQ(TFont::DefaultName, Target.FFont->Name());
}

TEST_F(ObjectBlob, CutStringListIsStillAValidList)
{
  for (const char* Line : {"one", "two", "three"}) Holder.FLines->Add(Line);
  const std::string Blob = Write("Lines");
  const size_t Cut = Blob.find(Str("three"));
  ASSERT_NE(std::string::npos, Cut);
  TPropHolder Target(nullptr);
  Target.FLines->Add("old");
  Target.LinesChanges = 0;
  Read(Target, "Lines", Blob.substr(0, Cut + 2));
  EXPECT_EQ((std::vector<std::string>{"one", "two"}), Target.FLines->ToVector());
  EXPECT_EQ(1, Target.LinesChanges);
  EXPECT_EQ(0, Target.FLines->UpdateCount());
}

TEST_F(ObjectBlob, EveryCutOfAFontBlobIsSafe)
{
  Holder.FFont->SetStyle({fsItalic, fsUnderline});
  Holder.FFont->SetPitch(fpFixed);
  const std::string Blob = Write("Font");
  for (size_t Length = 0; Length <= Blob.size(); ++Length) {
    TPropHolder Target(nullptr);
    Read(Target, "Font", Blob.substr(0, Length));
    EXPECT_FALSE(Target.FFont->Name().empty()) << Length;
  }
  TPropHolder Target(nullptr);
  Read(Target, "Font", Blob);
  EXPECT_EQ(fpFixed, Target.FFont->Pitch());
}

TEST_F(ObjectBlob, NestedObjectInABlobIsRefused)
{
  // A carrier stream whose child list holds an object instead of ending.
  const std::string Blob =
      NameField("TStringList") + "03" + CarrierHead() + Bytes({0}) + Str("TStringList") + Str("x") + Bytes({0, 0, 0});
  TPropHolder Target(nullptr);
  Target.FLines->Add("kept");
  Read(Target, "Lines", Blob);
  EXPECT_EQ(std::vector<std::string>{"kept"}, Target.FLines->ToVector());
}
