#pragma once
// Small component classes with a property of every kind, shared by the
// object-model tests and the persistence tests (native and Win32).

#include <string>
#include <vector>

#include "framework/objects/Classes.h"
#include "framework/objects/Collection.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "framework/objects/StdIdents.h"
#include "framework/objects/StringList.h"

namespace fwtest {

enum TShade { shLight, shMedium, shDark };
enum TFlag { flOne, flTwo, flThree };
using TFlags = TSet<TFlag>;
// Member names that contain one another ("A" is within "AB").
enum TPart { ptA, ptAB, ptC };
using TParts = TSet<TPart>;

const TTypeInfo* TypeInfo_TShade();
const TTypeInfo* TypeInfo_TFlags();
const TTypeInfo* TypeInfo_TParts();

class TItem : public TCollectionItem {
  QV_CLASS(TItem, TCollectionItem)
public:
  explicit TItem(TCollection* Collection) : TCollectionItem(Collection) {}
  std::string FCaption;
  int FWidth = 0;
};

// One property of each kind, with defaults and a stored rule. Glyph, Mask and
// Parts are left at their defaults by the object-stream tests, so they are
// never written there.
class TGadget : public TComponent {
  QV_CLASS(TGadget, TComponent)
public:
  explicit TGadget(TComponent* AOwner);
  ~TGadget() override;

  int FNumber = 0;
  int FSmall = 5;               // default 5
  TColor FColor = clBtnFace;    // default clBtnFace
  TCursor FCursor = crDefault;  // default crDefault
  char FLetter = 'A';
  int FWide = 0;
  bool FEnabled = true;   // default True
  bool FVisible = false;  // no default: always written
  TShade FShade = shLight;
  TFlags FFlags;
  TParts FParts;       // default []
  uint32_t FMask = 0;  // Cardinal, default 0
  double FRatio = 0;
  std::string FCaption;
  std::string FShort;
  std::string FBanner;  // stored only while flThree is in FFlags
  TFont* FFont;
  TStringList* FLines;
  TPicture* FPicture;
  TBitmap* FGlyph;
  TCollection* FItems;  // an object of no persistence family
  TGadget* FBuddy = nullptr;
  TNotifyEvent FOnClick;
  std::vector<std::string> Log;  // Loaded / Notification calls, states seen by Probe
  int LinesChanges = 0;          // change notifications of Lines
  int BuddyAssignments = 0;      // calls of the Buddy setter

  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TStringList* GetLines() const { return FLines; }
  void SetLines(TStringList* Value) { FLines->Assign(Value); }
  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
  TCollection* GetItems() const { return FItems; }
  TGadget* GetBuddy() const { return FBuddy; }
  void SetBuddy(TGadget* Value);
  bool IsBannerStored() const { return FFlags.Contains(flThree); }

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
};

// A form-like root: writes its owned components as nested objects and
// publishes handlers for event properties.
class TPanelForm : public TComponent {
  QV_CLASS(TPanelForm, TComponent)
public:
  explicit TPanelForm(TComponent* AOwner) : TComponent(AOwner) {}
  std::string FCaption;
  int FLeft = 0;
  int Clicks = 0;
  void ButtonClick(TObject*) { ++Clicks; }
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  void Loaded() override;
};

// Records every loaded notification in one shared list, to check the order.
std::vector<std::string>& LoadedOrder();

// A 2 x 1 pixel 24-bit bitmap file (core header: 14 + 12 + 8 bytes).
std::string SmallBitmapFile();

}  // namespace fwtest
