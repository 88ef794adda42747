#pragma once
#include <string>

#include "framework/objects/Classes.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "framework/objects/StdIdents.h"
#include "framework/objects/StringList.h"

namespace persisttest {

// A persistent object of no family that has a blob.
class TPlainThing : public TPersistent {
  QV_CLASS(TPlainThing, TPersistent)
public:
  TPlainThing() = default;
  int FValue = 0;
};

// One design-time property of every kind the persistence code meets.
class TPropHolder : public TComponent {
  QV_CLASS(TPropHolder, TComponent)
public:
  explicit TPropHolder(TComponent* AOwner);
  ~TPropHolder() override;

  int FNumber = 7;
  TColor FColor = clBtnFace;
  TCursor FCursor = crDefault;
  char FLetter = 'A';
  bool FChecked = false;
  int FAlign = 0;  // TAlignment: taLeftJustify, taRightJustify, taCenter
  TFontStyles FStyle;
  double FRatio = 1.5;
  int FWide = 65;
  uint32_t FMask = 0;
  std::string FCaption = "caption";
  std::string FShort = "short";
  TNotifyEvent FOnClick;
  TFont* FFont;
  TStringList* FLines;
  TPicture* FPicture;
  TBitmap* FGlyph;
  TComponent* FBuddy = nullptr;
  TPlainThing* FThing;
  TPlainThing* FNothing = nullptr;
  int LinesChanges = 0;

  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TStringList* GetLines() const { return FLines; }
  void SetLines(TStringList* Value) { FLines->Assign(Value); }
  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
  TComponent* GetBuddy() const { return FBuddy; }
  void SetBuddy(TComponent* Value)
  {
    FBuddy = Value;
    ++BuddyAssignments;
  }
  TPlainThing* GetThing() const { return FThing; }
  TPlainThing* GetNothing() const { return FNothing; }
  int BuddyAssignments = 0;
};

// Property information by name; fails the test when there is none.
const TPropInfo& Prop(const TObject& Instance, const char* Name);

// A 2 x 1 pixel 24-bit bitmap file.
std::string SmallBitmapFile();

}  // namespace persisttest
