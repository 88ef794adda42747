#include "tests/support/TestClasses.h"

namespace fwtest {

const TTypeInfo* TypeInfo_TShade()
{
  static const TTypeInfo* t = NewEnumType("TShade", {"shLight", "shMedium", "shDark"});
  return t;
}

const TTypeInfo* TypeInfo_TFlags()
{
  static const TTypeInfo* t = NewSetType("TFlags", NewEnumType("TFlag", {"flOne", "flTwo", "flThree"}));
  return t;
}

const TTypeInfo* TypeInfo_TParts()
{
  static const TTypeInfo* t = NewSetType("TParts", NewEnumType("TPart", {"A", "AB", "C"}));
  return t;
}

std::vector<std::string>& LoadedOrder()
{
  static std::vector<std::string> order;
  return order;
}

QV_IMPLEMENT_CLASS(TItem)
void TItem::DeclareProperties(TClassBuilder<TItem>& c)
{
  c.String("Caption", &TItem::FCaption);
  c.Ordinal("Width", TypeInfo_Integer(), &TItem::FWidth).Default(0);
}

QV_IMPLEMENT_CLASS(TGadget)
void TGadget::DeclareProperties(TClassBuilder<TGadget>& c)
{
  c.Ordinal("Number", TypeInfo_Integer(), &TGadget::FNumber);
  c.Ordinal("Small", TypeInfo_SmallInt(), &TGadget::FSmall).Default(5);
  c.Ordinal("Color", TypeInfo_TColor(), &TGadget::FColor).Default(clBtnFace);
  c.Ordinal("Cursor", TypeInfo_TCursor(), &TGadget::FCursor).Default(crDefault);
  c.Ordinal("Letter", TypeInfo_Char(), &TGadget::FLetter);
  c.Ordinal("Wide", TypeInfo_WideChar(), &TGadget::FWide).Default(0);
  c.Boolean("Enabled", &TGadget::FEnabled).Default(true);
  c.Boolean("Visible", &TGadget::FVisible);
  c.Ordinal("Shade", TypeInfo_TShade(), &TGadget::FShade);
  c.Ordinal("Flags", TypeInfo_TFlags(), &TGadget::FFlags);
  c.Ordinal("Parts", TypeInfo_TParts(), &TGadget::FParts).Default(0);
  c.Ordinal("Mask", TypeInfo_Cardinal(), &TGadget::FMask).Default(0);
  c.Float("Ratio", &TGadget::FRatio);
  c.String("Caption", &TGadget::FCaption);
  c.String("Short", &TGadget::FShort, TypeInfo_ShortString());
  c.String("Banner", &TGadget::FBanner).Stored(&TGadget::IsBannerStored);
  c.Object("Font", TFont::StaticClass(), &TGadget::GetFont, &TGadget::SetFont);
  c.Object("Lines", TStringList::StaticClass(), &TGadget::GetLines, &TGadget::SetLines);
  c.Object("Picture", TPicture::StaticClass(), &TGadget::GetPicture, &TGadget::SetPicture);
  c.Object("Glyph", TBitmap::StaticClass(), &TGadget::GetGlyph, &TGadget::SetGlyph);
  c.Object("Items", TCollection::StaticClass(), &TGadget::GetItems, nullptr);
  c.Object("Buddy", TGadget::StaticClass(), &TGadget::GetBuddy, &TGadget::SetBuddy).NoDefault();
  c.Event("OnClick", TypeInfo_TNotifyEvent(), &TGadget::FOnClick);
  // Never written; a stream that sets it records the component state seen.
  c.Ordinal(
       "Probe", TypeInfo_Integer(), [](TGadget&) { return 0; },
       [](TGadget& g, int64_t) {
         const TComponentState s = g.ComponentState();
         g.Log.push_back(std::string("Probe") + (s.Contains(csLoading) ? " loading" : "") +
                         (s.Contains(csReading) ? " reading" : ""));
       })
      .Stored(false);
}

TGadget::TGadget(TComponent* AOwner)
    : TComponent(AOwner), FFont(new TFont()), FLines(new TStringList()), FPicture(new TPicture()),
      FGlyph(new TBitmap()), FItems(new TCollection(TItem::StaticClass(), this))
{
  FLines->OnChange = [this](TObject*) { ++LinesChanges; };
}

TGadget::~TGadget()
{
  delete FItems;
  delete FGlyph;
  delete FPicture;
  delete FLines;
  delete FFont;
}

void TGadget::SetBuddy(TGadget* Value)
{
  ++BuddyAssignments;
  if (FBuddy == Value) return;
  if (FBuddy) FBuddy->RemoveFreeNotification(this);
  FBuddy = Value;
  if (FBuddy) FBuddy->FreeNotification(this);
}

void TGadget::Loaded()
{
  Log.push_back(ComponentState().Contains(csLoading) ? "Loaded loading" : "Loaded");
  TComponent::Loaded();
  LoadedOrder().push_back(Name());
}

void TGadget::Notification(TComponent* AComponent, TOperation Operation)
{
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBuddy) {
    FBuddy = nullptr;
    Log.push_back("BuddyGone");
  }
}

QV_IMPLEMENT_CLASS(TPanelForm)
void TPanelForm::DeclareProperties(TClassBuilder<TPanelForm>& c)
{
  c.String("Caption", &TPanelForm::FCaption);
  c.Ordinal("Left", TypeInfo_Integer(), &TPanelForm::FLeft);
  c.Method("ButtonClick", &TPanelForm::ButtonClick);
}

void TPanelForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
  for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
}

void TPanelForm::Loaded()
{
  TComponent::Loaded();
  LoadedOrder().push_back(Name());
}

std::string SmallBitmapFile()
{
  const unsigned char Bytes[] = {'B', 'M', 34, 0, 0, 0, 0, 0,  0, 0, 26, 0, 0, 0, 12, 0, 0,
                                 0,   2,   0,  1, 0, 1, 0, 24, 0, 1, 2,  3, 4, 5, 6,  0, 0};
  return std::string(reinterpret_cast<const char*>(Bytes), sizeof Bytes);
}

}  // namespace fwtest
