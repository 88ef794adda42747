#include "persist/PersistEditModel.h"

#include <gtest/gtest.h>

#include "tests/persist/PersistFixtures.h"

using namespace fwtest;
using Strings = std::vector<std::string>;

namespace {

const Strings Items = {
    "dlgBrowse;Caption;3;Browser Root;;1;0;1;;",
    "Changes;Font;104;Font;;1;0;1;Font of the list",
    "(TForm);Shade;3;WindowState;;1;0;0;;",
    "Changes;Lines;101;Lines;;1;0;1;;",
    ";;;;;;;1;;",
    "Changes;Glyph;102;Glyph;;1;0;1;;",
    "Parts;Parts;6;Parts;;1;0;1;;",
    "Missing;Caption;10;Gone;;1;0;1;;",
    "Changes;Color;1;Color;;1;0;1",
};

struct TEditFixture : TMainForm {
  TGadget* Parts = new TGadget(&Form);
  TComponent Dialog{nullptr};
  TPersistEditModel Model{Form, Items, Dialog};

  TEditFixture()
  {
    Parts->SetName("Parts");
    Browse->FCaption = "C:\\Data";
    Changes->FFont->SetName("Arial");
    Changes->FColor = clRed;
    Parts->FParts = {ptAB};
    Model.FillScratch();
  }
  // Position of a value name in the list.
  int IndexOf(const std::string& ValueName) const
  {
    for (size_t I = 0; I < Model.Listed().size(); ++I)
      if (Model.Listed()[I].Item.ValueName == ValueName) return static_cast<int>(I);
    return -1;
  }
  void Select(const std::string& ValueName) { Model.Select(IndexOf(ValueName)); }
};

}  // namespace

TEST(PersistEditModel, ListsItemsInUseMarkedForTheDialogAndCopiesTheirLiveValues)
{
  TEditFixture F;
  // Each value name with the position of its item line.
  std::vector<std::pair<std::string, int>> Listed;
  for (const TListedItem& L : F.Model.Listed()) Listed.emplace_back(L.Item.ValueName, L.Line);
  EXPECT_EQ((std::vector<std::pair<std::string, int>>{
                {"Browser Root", 0}, {"Font", 1}, {"Lines", 3}, {"Glyph", 5}, {"Parts", 6}, {"Gone", 7}, {"Color", 8}}),
            Listed);

  // The scratch store holds the live values' texts and blobs under the empty key.
  const ToxRegFile& S = F.Model.Scratch();
  EXPECT_EQ("C:\\Data", S.ReadString("Browser Root"));
  EXPECT_EQ("clRed", S.ReadString("Color"));
  EXPECT_EQ("[AB]", S.ReadString("Parts"));
  ASSERT_NE(nullptr, S.FindEntry("Font"));
  EXPECT_EQ(BlobOf(*F.Changes, "Font"), S.FindEntry("Font")->Data);
  EXPECT_EQ("EMPTY", S.FindEntry("Lines")->Data.substr(0, 5));
  EXPECT_FALSE(S.ValueExists("Gone"));         // no target
  EXPECT_FALSE(S.ValueExists("WindowState"));  // not offered
  for (const ToxRegFile::TEntry& Entry : S.Entries()) EXPECT_EQ("", Entry.Key);
}

TEST(PersistEditModel, AnEditNeedsAnEditableSelectionAndIsPendingUntilApplied)
{
  TEditFixture F;
  const std::string Before = F.Model.Scratch().SaveToBytes();
  EXPECT_FALSE(F.Model.EditText("D:\\"));
  F.Select("Gone");
  ASSERT_NE(nullptr, F.Model.Selected());
  EXPECT_FALSE(F.Model.Editable());
  EXPECT_FALSE(F.Model.EditText("D:\\"));
  EXPECT_FALSE(F.Model.EditGraphic(nullptr));
  EXPECT_FALSE(F.Model.Pending());
  EXPECT_EQ(Before, F.Model.Scratch().SaveToBytes());

  F.Select("Browser Root");
  EXPECT_EQ(TPropEditor::Text, F.Model.Editor());
  EXPECT_EQ("C:\\Data", F.Model.StoredText());
  EXPECT_TRUE(F.Model.EditText("D:\\Work"));
  EXPECT_TRUE(F.Model.Pending());
  EXPECT_TRUE(F.Model.MoveFocusFromStatus());
  EXPECT_EQ("C:\\Data", F.Browse->FCaption);  // not yet applied: cancelling discards it

  F.Model.Select(F.IndexOf("Browser Root"));  // selecting again clears the flag, keeps the entry
  EXPECT_FALSE(F.Model.Pending());
  EXPECT_FALSE(F.Model.MoveFocusFromStatus());
  EXPECT_EQ("D:\\Work", F.Model.StoredText());

  F.Model.Apply();
  EXPECT_EQ("D:\\Work", F.Browse->FCaption);
  EXPECT_FALSE(F.Model.Pending());
}

TEST(PersistEditModel, SetMembersAreSelectedByContainmentAndWrittenInListOrder)
{
  TEditFixture F;
  F.Select("Parts");
  ASSERT_EQ(TPropEditor::Set, F.Model.Editor());
  const Strings Names = SetMemberNames(*F.Model.Prop());
  EXPECT_EQ((Strings{"A", "AB", "C"}), Names);
  EXPECT_EQ((std::vector<bool>{true, true, false}), SetMembersSelected(Names, F.Model.StoredText()));
  EXPECT_EQ((std::vector<bool>{true, false, false}), SetMembersSelected(Names, "[A]"));
  EXPECT_EQ((std::vector<bool>{false, false, false}), SetMembersSelected(Names, "[]"));

  const std::string Text = SetSelectionText(Names, {true, false, true});
  EXPECT_EQ("[A,C]", Text);
  EXPECT_EQ("[]", SetSelectionText(Names, {false, false, false}));
  F.Model.EditText(Text);
  F.Model.Apply();
  EXPECT_EQ((TParts{ptA, ptC}), F.Parts->FParts);
}

TEST(PersistEditModel, ListsAndGraphicsAreEditedThroughScratchCopiesAndEmptyOpensEmpty)
{
  TEditFixture F;
  F.Changes->FGlyph->SetImage(SmallBitmapFile());
  F.Model.FillScratch();
  F.Changes->FLines->Add("kept");  // the live list; the scratch still holds "EMPTY"
  F.Select("Lines");
  ASSERT_EQ(TPropEditor::Strings, F.Model.Editor());
  EXPECT_EQ(Strings{}, F.Model.StoredLines());

  TStringList Lines;
  Lines.Add("C:\\Temp");
  Lines.Add("D:\\Old");
  EXPECT_TRUE(F.Model.EditLines(Lines));
  EXPECT_EQ((Strings{"C:\\Temp", "D:\\Old"}), F.Model.StoredLines());
  EXPECT_EQ(0, F.Dialog.ComponentCount());  // each copy is freed after use

  // Clearing a graphic stores the empty blob.
  F.Select("Glyph");
  ASSERT_EQ(TPropEditor::Graphic, F.Model.Editor());
  TPicture Shown;
  F.Model.StoredGraphic(Shown);
  ASSERT_NE(nullptr, Shown.Graphic());
  EXPECT_EQ(2, Shown.Width());

  EXPECT_TRUE(F.Model.EditGraphic(nullptr));
  EXPECT_EQ(std::string("EMPTY") + std::string(27, '\0') + "03", F.Model.Scratch().FindEntry("Glyph")->Data);
  F.Model.StoredGraphic(Shown);
  EXPECT_EQ(nullptr, Shown.Graphic());
  F.Model.Apply();
  EXPECT_TRUE(F.Changes->FGlyph->Empty());
  EXPECT_EQ((Strings{"C:\\Temp", "D:\\Old"}), F.Changes->FLines->ToVector());
}

TEST(PersistEditModel, DamagedOrWrongTypeScratchValuesShowTheDefaultAndAreNotApplied)
{
  TEditFixture F;
  ToxRegFile& S = F.Model.Scratch();
  S.WriteBinaryData("Color", "xx", 2);  // a blob where a text belongs
  std::string Damaged = S.FindEntry("Font")->Data;
  Damaged.resize(Damaged.size() - 6);  // cut inside the carrier stream
  S.WriteBinaryData("Font", Damaged.data(), Damaged.size());
  S.WriteString("Lines", "not a blob");

  F.Select("Color");
  EXPECT_EQ("clBtnFace", F.Model.StoredText());  // a new component's colour
  F.Select("Lines");
  EXPECT_EQ(Strings{}, F.Model.StoredLines());
  F.Select("Font");
  TGadget Sample(nullptr);
  TFont Default;
  F.Model.StoredObject(Sample, FindPropInfo(Sample, "Font"), [&] { Sample.FFont->Assign(&Default); });
  EXPECT_EQ(Default.Name(), Sample.FFont->Name());

  F.Model.Apply();
  EXPECT_EQ(clRed, F.Changes->FColor);
  EXPECT_EQ("Arial", F.Changes->FFont->Name());
}

TEST(PersistEditModel, EditorsAndKindWordsFollowThePropertyKind)
{
  TGadget H(nullptr);
  struct TCase {
    const char* Name;
    TPropEditor Editor;
    const char* Word;
  };
  const TCase Cases[] = {
      {"Number", TPropEditor::Text, "integer"},
      {"Color", TPropEditor::Choice, "integer"},
      {"Enabled", TPropEditor::Choice, "enum"},
      {"Caption", TPropEditor::Text, "string"},
      {"Short", TPropEditor::Text, "string"},
      {"Flags", TPropEditor::Set, "set"},
      {"Font", TPropEditor::Font, "TFont"},
      {"Lines", TPropEditor::Strings, "TStringList"},
      {"Picture", TPropEditor::Picture, "TPicture"},
      {"Glyph", TPropEditor::Graphic, "TBitmap"},
      {"Items", TPropEditor::None, "TCollection"},
      {"Ratio", TPropEditor::None, ""},
      {"Letter", TPropEditor::None, ""},
  };
  for (const TCase& C : Cases) {
    const TPropInfo& P = FindPropInfo(H, C.Name);
    TObject* Current = P.Kind() == tkClass ? GetObjectProp(H, P) : nullptr;
    EXPECT_EQ(C.Editor, EditorFor(P, Current)) << C.Name;
    EXPECT_EQ(C.Word, KindWord(P, Current)) << C.Name;
  }
  const Strings Colours = ChoiceNames(FindPropInfo(H, "Color"));
  EXPECT_NE(Colours.end(), std::find(Colours.begin(), Colours.end(), "clWindowText"));
  EXPECT_EQ((Strings{"False", "True"}), ChoiceNames(FindPropInfo(H, "Enabled")));
  EXPECT_EQ(Strings{}, ChoiceNames(FindPropInfo(H, "Number")));
  EXPECT_EQ("Bitmaps (*.bmp)|*.bmp|All (*.*)|*.*", GraphicFilter(&TBitmap::StaticClass()));
  EXPECT_EQ("Icons (*.ico)|*.ico|All (*.*)|*.*", GraphicFilter(&TIcon::StaticClass()));
}
