#pragma once
// Small component classes that exercise every property kind, used by the
// framework tests.

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

const TTypeInfo* TypeInfo_TShade();
const TTypeInfo* TypeInfo_TFlags();

// Carries any persistent object as its one property, like the persistence
// layer's carrier.
class TCarrier : public TComponent {
  QV_CLASS(TCarrier, TComponent)
public:
  explicit TCarrier(TComponent* AOwner) : TComponent(AOwner) {}
  TPersistent* FPersistent = nullptr;
  TPersistent* GetPersistent() const { return FPersistent; }
  void SetPersistent(TPersistent* Value) { FPersistent = Value; }
};

class TItem : public TCollectionItem {
  QV_CLASS(TItem, TCollectionItem)
public:
  explicit TItem(TCollection* Collection) : TCollectionItem(Collection) {}
  std::string FCaption;
  int FWidth = 0;
};

// One property of each kind, with defaults and a stored rule.
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
  double FRatio = 0;
  std::string FCaption;
  std::string FShort;
  std::string FBanner;  // stored only while flThree is in FFlags
  TFont* FFont;
  TStringList* FLines;
  TPicture* FPicture;
  TCollection* FItems;
  TGadget* FBuddy = nullptr;
  TNotifyEvent FOnClick;
  std::vector<std::string> Log;  // Loaded / Notification calls, states seen by Probe

  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TStringList* GetLines() const { return FLines; }
  void SetLines(TStringList* Value) { FLines->Assign(Value); }
  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
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
  std::vector<std::string> Log;
  int Clicks = 0;
  void ButtonClick(TObject*) { ++Clicks; }
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  void Loaded() override;
};

// Records every loaded notification in one shared list, to check the order.
std::vector<std::string>& LoadedOrder();

}  // namespace fwtest
