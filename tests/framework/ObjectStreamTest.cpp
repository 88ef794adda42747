#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "framework/objects/Reader.h"
#include "framework/objects/Writer.h"
#include "framework/objects/Streams.h"
#include "tests/framework/TestClasses.h"

using namespace fwtest;

namespace {

std::string Bytes(std::initializer_list<int> Values)
{
  std::string s;
  for (int v : Values) s += static_cast<char>(v);
  return s;
}

std::string Str(const std::string& S) { return static_cast<char>(S.size()) + S; }

std::string WriteRoot(TComponent* Root)
{
  TMemoryStream stream;
  WriteComponentToStream(stream, Root);
  return stream.DataString();
}

void ReadRoot(const std::string& Data, TComponent* Root)
{
  TReadOnlyMemoryStream stream(Data.data(), static_cast<int64_t>(Data.size()));
  ReadComponentFromStream(stream, Root);
}

// The envelope the persistence layer puts around a carrier stream: a 32-byte
// class-name field and the "03" mark.
std::string CarrierBlob(TPersistent* Object)
{
  TCarrier carrier(nullptr);
  carrier.FPersistent = Object;
  std::string field(32, '\0');
  std::memcpy(field.data(), Object->ClassName().data(), Object->ClassName().size());
  return field + "03" + WriteRoot(&carrier);
}

std::string SmallBitmap()
{
  // 2 x 1 pixels, 24 bits, core header: 14 + 12 + 8 bytes.
  return Bytes(
      {'B', 'M', 34, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3, 4, 5, 6, 0, 0});
}

}  // namespace

TEST(CarrierBlob, StringListHasExactBytes)
{
  TStringList list;
  list.Add("a");
  list.Add("bc");
  const std::string expected = std::string("TStringList") + std::string(21, '\0') + "03" + "TPF0" + Str("TCarrier") +
                               Str("") + Str("Persistent.Strings") + Bytes({1, 6, 1, 'a', 6, 2, 'b', 'c', 0}) +
                               Bytes({0, 0});
  EXPECT_EQ(expected, CarrierBlob(&list));
}

TEST(CarrierBlob, LongLineUsesLongStringTag)
{
  TStringList list;
  list.Add(std::string(256, 'x'));
  const std::string blob = CarrierBlob(&list);
  const std::string head = Str("Persistent.Strings") + Bytes({1, 12, 0, 1, 0, 0});
  EXPECT_NE(std::string::npos, blob.find(head + std::string(256, 'x') + Bytes({0, 0, 0})));
}

TEST(CarrierBlob, DefaultFontHasExactBytes)
{
  TFont font;
  const std::string expected = std::string("TFont") + std::string(27, '\0') + "03" + "TPF0" + Str("TCarrier") +
                               Str("") + Str("Persistent.Charset") + Bytes({7}) + Str("DEFAULT_CHARSET") +
                               Str("Persistent.Color") + Bytes({7}) + Str("clWindowText") + Str("Persistent.Height") +
                               Bytes({2, 0xF5}) + Str("Persistent.Name") + Bytes({6}) + Str("MS Sans Serif") +
                               Str("Persistent.Style") + Bytes({11, 0}) + Bytes({0, 0});
  EXPECT_EQ(expected, CarrierBlob(&font));
}

TEST(CarrierBlob, FontWithPitchStyleAndPlainColour)
{
  TFont font;
  font.SetName("Courier New");
  font.SetSize(9);
  font.SetColor(0x123456);
  font.SetCharset(200);  // no identifier
  font.SetStyle({fsItalic, fsBold});
  font.SetPitch(fpFixed);
  const std::string expected = std::string("TFont") + std::string(27, '\0') + "03" + "TPF0" + Str("TCarrier") +
                               Str("") + Str("Persistent.Charset") + Bytes({3, 200, 0}) + Str("Persistent.Color") +
                               Bytes({4, 0x56, 0x34, 0x12, 0}) + Str("Persistent.Height") + Bytes({2, 0xF4}) +
                               Str("Persistent.Name") + Bytes({6}) + Str("Courier New") + Str("Persistent.Style") +
                               Bytes({11}) + Str("fsBold") + Str("fsItalic") + Str("") + Str("Persistent.Pitch") +
                               Bytes({7}) + Str("fpFixed") + Bytes({0, 0});
  EXPECT_EQ(expected, CarrierBlob(&font));
}

TEST(CarrierBlob, FontReadsBackIntoAnotherFont)
{
  TFont source;
  source.SetName("Arial");
  source.SetHeight(-13);
  source.SetColor(clWhite);
  source.SetStyle({fsUnderline});
  TCarrier writer(nullptr);
  writer.FPersistent = &source;
  const std::string data = WriteRoot(&writer);

  TFont target;
  int changes = 0;
  target.OnChange = [&](TObject*) { ++changes; };
  TCarrier reader(nullptr);
  reader.FPersistent = &target;
  ReadRoot(data, &reader);
  EXPECT_EQ("Arial", target.Name());
  EXPECT_EQ(-13, target.Height());
  EXPECT_EQ(clWhite, target.Color());
  EXPECT_EQ(TFontStyles{fsUnderline}, target.Style());
  EXPECT_EQ(4, changes);  // name, height, colour, style; charset unchanged
}

namespace {
void FillGadget(TGadget& g)
{
  g.FNumber = 100000;  // 4-byte integer
  g.FSmall = 300;      // 2-byte integer
  g.FColor = clInfoBk;
  g.FCursor = crHourGlass;
  g.FLetter = '\r';
  g.FWide = 0x263A;
  g.FEnabled = false;
  g.FVisible = true;
  g.FShade = shDark;
  g.FFlags = {flOne, flThree};
  g.FRatio = -2.5e-3;
  g.FCaption = std::string(300, 'c');
  g.FShort = "it's";
  g.FBanner = "shown";
  g.FFont->SetName("Arial");
  g.FLines->Add("first");
  g.FLines->Add("");
  g.FPicture->Bitmap()->SetImage(SmallBitmap());
  auto* item = static_cast<TItem*>(g.FItems->Add());
  item->FCaption = "one";
  item = static_cast<TItem*>(g.FItems->Add());
  item->FWidth = -7;
}
}  // namespace

TEST(ObjectStream, EveryPropertyKindRoundTrips)
{
  TGadget source(nullptr);
  FillGadget(source);
  const std::string data = WriteRoot(&source);

  TGadget target(nullptr);
  ReadRoot(data, &target);
  EXPECT_EQ(100000, target.FNumber);
  EXPECT_EQ(300, target.FSmall);
  EXPECT_EQ(clInfoBk, target.FColor);
  EXPECT_EQ(crHourGlass, target.FCursor);
  EXPECT_EQ('\r', target.FLetter);
  EXPECT_EQ(0x263A, target.FWide);
  EXPECT_FALSE(target.FEnabled);
  EXPECT_TRUE(target.FVisible);
  EXPECT_EQ(shDark, target.FShade);
  EXPECT_EQ((TFlags{flOne, flThree}), target.FFlags);
  EXPECT_EQ(-2.5e-3, target.FRatio);
  EXPECT_EQ(std::string(300, 'c'), target.FCaption);
  EXPECT_EQ("it's", target.FShort);
  EXPECT_EQ("shown", target.FBanner);
  EXPECT_EQ("Arial", target.FFont->Name());
  EXPECT_EQ((std::vector<std::string>{"first", ""}), target.FLines->ToVector());
  ASSERT_NE(nullptr, target.FPicture->Graphic());
  EXPECT_EQ("TBitmap", target.FPicture->Graphic()->ClassName());
  EXPECT_EQ(SmallBitmap(), target.FPicture->Graphic()->Image());
  EXPECT_EQ(2, target.FPicture->Width());
  ASSERT_EQ(2, target.FItems->Count());
  EXPECT_EQ("one", static_cast<TItem*>(target.FItems->Items(0))->FCaption);
  EXPECT_EQ(-7, static_cast<TItem*>(target.FItems->Items(1))->FWidth);
  EXPECT_EQ(data, WriteRoot(&target));
}

TEST(ObjectStream, DefaultsAndStoredRuleLeavePropertiesOut)
{
  TGadget g(nullptr);
  g.SetName("G");
  // Only Letter ('A', no default), Visible (no default), Shade, Flags (no
  // default), Font (its own always-written properties) and Buddy (nil) appear.
  const std::string data = WriteRoot(&g);
  EXPECT_EQ(std::string::npos, data.find(Str("Small")));
  EXPECT_EQ(std::string::npos, data.find(Str("Color")));
  EXPECT_EQ(std::string::npos, data.find(Str("Enabled")));
  EXPECT_EQ(std::string::npos, data.find(Str("Caption")));
  EXPECT_EQ(std::string::npos, data.find(Str("Banner")));
  EXPECT_EQ(std::string::npos, data.find(Str("Lines.Strings")));
  EXPECT_EQ(std::string::npos, data.find(Str("Picture.Data")));
  EXPECT_EQ(std::string::npos, data.find(Str("Probe")));
  EXPECT_NE(std::string::npos, data.find(Str("Visible") + Bytes({8})));
  EXPECT_NE(std::string::npos, data.find(Str("Buddy") + Bytes({13})));
  g.FBanner = "hidden";
  EXPECT_EQ(std::string::npos, WriteRoot(&g).find("hidden"));
  g.FFlags.Include(flThree);
  EXPECT_NE(std::string::npos, WriteRoot(&g).find(Str("Banner") + Bytes({6}) + Str("hidden")));
}

TEST(ObjectStream, IntegerTagIsTheSmallestThatHoldsTheValue)
{
  const std::pair<int64_t, std::string> cases[] = {
      {0, Bytes({2, 0})},
      {127, Bytes({2, 127})},
      {-128, Bytes({2, 0x80})},
      {128, Bytes({3, 128, 0})},
      {-129, Bytes({3, 0x7F, 0xFF})},
      {32767, Bytes({3, 0xFF, 0x7F})},
      {32768, Bytes({4, 0, 0x80, 0, 0})},
      {-2147483647 - 1, Bytes({4, 0, 0, 0, 0x80})},
  };
  for (const auto& [value, bytes] : cases) {
    TMemoryStream s;
    TWriter w(s);
    w.WriteInteger(value);
    EXPECT_EQ(bytes, s.DataString()) << value;
    s.SetPosition(0);
    TReader r(s);
    EXPECT_EQ(value, r.ReadInteger());
  }
}

TEST(ObjectStream, ReaderAppliesAnySubsetOfProperties)
{
  TGadget g(nullptr);
  g.FNumber = 42;
  g.FCaption = "kept";
  const std::string data = "TPF0" + Str("TGadget") + Str("") + Str("Shade") + Bytes({7}) + Str("SHMEDIUM") +
                           Str("font.NAME") + Bytes({6}) + Str("Tahoma") + Bytes({0, 0});
  ReadRoot(data, &g);
  EXPECT_EQ(shMedium, g.FShade);
  EXPECT_EQ("Tahoma", g.FFont->Name());
  EXPECT_EQ(42, g.FNumber);
  EXPECT_EQ("kept", g.FCaption);
}

TEST(ObjectStream, ComponentStatesWhileReadingAndLoadedAfterwards)
{
  TGadget g(nullptr);
  ReadRoot("TPF0" + Str("TGadget") + Str("") + Str("Probe") + Bytes({2, 1, 0, 0}), &g);
  EXPECT_EQ((std::vector<std::string>{"Probe loading reading", "Loaded loading"}), g.Log);
  EXPECT_FALSE(g.ComponentState().Contains(csLoading));
  EXPECT_FALSE(g.ComponentState().Contains(csReading));
}

TEST(ObjectStream, NestedComponentsAreCreatedByClassNameAndLoadedInOrder)
{
  TPanelForm source(nullptr);
  source.SetName("Panel");
  auto* a = new TGadget(&source);
  a->SetName("First");
  auto* b = new TGadget(&source);
  b->SetName("Second");
  a->SetBuddy(b);  // refers to a component further down the stream
  TMethod m = MethodByName(source, "ButtonClick");
  ASSERT_TRUE(m.Assigned());
  SetMethodProp(*b, FindPropInfo(*b, "OnClick"), m);
  const std::string data = WriteRoot(&source);

  LoadedOrder().clear();
  TPanelForm target(nullptr);
  ReadRoot(data, &target);
  EXPECT_EQ("Panel", target.Name());
  ASSERT_EQ(2, target.ComponentCount());
  auto* first = dynamic_cast<TGadget*>(target.FindComponent("FIRST"));
  auto* second = dynamic_cast<TGadget*>(target.FindComponent("second"));
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(second, first->FBuddy);
  EXPECT_EQ((std::vector<std::string>{"Panel", "First", "Second"}), LoadedOrder());
  second->FOnClick(second);
  EXPECT_EQ(1, target.Clicks);
  EXPECT_EQ("ButtonClick", second->FOnClick.MethodName());
}

TEST(ObjectStream, ExistingComponentOfTheSameNameIsReusedNotDuplicated)
{
  TPanelForm form(nullptr);
  auto* existing = new TGadget(&form);
  existing->SetName("Box");
  ReadRoot("TPF0" + Str("TPanelForm") + Str("F") + Bytes({0}) + Str("TGadget") + Str("Box") + Str("Number") +
               Bytes({2, 9, 0, 0, 0}),
           &form);
  ASSERT_EQ(1, form.ComponentCount());
  EXPECT_EQ(9, existing->FNumber);
}

TEST(ObjectStream, ChildOfUnregisteredClassFailsAndLeavesNothingBehind)
{
  TPanelForm form(nullptr);
  const std::string data = "TPF0" + Str("TPanelForm") + Str("") + Bytes({0}) + Str("TGadget") + Str("A") +
                           Bytes({0, 0}) + Str("TNoSuchThing") + Str("B") + Bytes({0, 0, 0});
  try {
    ReadRoot(data, &form);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_STREQ("Class TNoSuchThing not found", e.what());
  }
  EXPECT_EQ(1, form.ComponentCount());  // A was read completely
  EXPECT_FALSE(form.ComponentState().Contains(csLoading));
  EXPECT_FALSE(form.Components(0)->ComponentState().Contains(csLoading));
}

TEST(ObjectStream, NestedObjectsCanBeRefused)
{
  TPanelForm form(nullptr);
  TMemoryStream s;
  const std::string data =
      "TPF0" + Str("TPanelForm") + Str("") + Bytes({0}) + Str("TGadget") + Str("A") + Bytes({0, 0, 0});
  s.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  s.SetPosition(0);
  TReader reader(s);
  reader.AllowChildComponents = false;
  EXPECT_THROW(reader.ReadRootComponent(&form), EReadError);
  EXPECT_EQ(0, form.ComponentCount());
}

TEST(ObjectStream, DamagedStreamsRaiseReadErrors)
{
  const std::string head = "TPF0" + Str("TGadget") + Str("");
  const std::pair<const char*, std::string> cases[] = {
      {"bad signature", "TPF1" + Str("TGadget") + Str("") + Bytes({0, 0})},
      {"wrong class", "TPF0" + Str("TCarrier") + Str("") + Bytes({0, 0})},
      {"unknown tag", head + Str("Number") + Bytes({15})},
      {"unknown tag 200", head + Str("Number") + Bytes({200})},
      {"unknown property", head + Str("Nothing") + Bytes({2, 1, 0, 0})},
      {"bad path", head + Str("Number.Sub") + Bytes({2, 1, 0, 0})},
      {"empty last segment", head + Str("Font.") + Bytes({2, 1, 0, 0})},
      {"long string beyond end", head + Str("Caption") + Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'})},
      {"binary beyond end", head + Str("Picture.Data") + Bytes({10, 9, 0, 0, 0, 1, 2})},
      {"string beyond end", head + Str("Caption") + Bytes({6, 9, 'a'})},
      {"wrong value kind", head + Str("Caption") + Bytes({2, 1})},
      {"unknown enum name", head + Str("Shade") + Bytes({7}) + Str("shPurple")},
      {"unknown set member", head + Str("Flags") + Bytes({11}) + Str("flFour") + Bytes({0})},
      {"integer out of range", head + Str("Small") + Bytes({4, 0, 0, 1, 0})},
      {"unknown colour name", head + Str("Color") + Bytes({7}) + Str("clPlaid")},
      {"unknown method", head + Str("OnClick") + Bytes({7}) + Str("Nowhere")},
      {"missing end", head + Str("Number") + Bytes({2, 1})},
      {"short string too long", head + Str("Short") + Bytes({12, 0, 1, 0, 0}) + std::string(256, 's') + Bytes({0, 0})},
      {"child in a list of items", head + Str("Items") + Bytes({14, 1}) + Str("Caption") + Bytes({9, 0, 0})},
  };
  for (const auto& [what, data] : cases) {
    TGadget g(nullptr);
    EXPECT_THROW(ReadRoot(data, &g), EReadError) << what;
    EXPECT_FALSE(g.ComponentState().Contains(csLoading)) << what;
  }
}

TEST(ObjectStream, EveryCutOfAValidStreamFailsCleanly)
{
  TGadget source(nullptr);
  FillGadget(source);
  source.SetName("Src");
  const std::string data = WriteRoot(&source);
  for (size_t cut = 0; cut < data.size(); ++cut) {
    TGadget g(nullptr);
    EXPECT_THROW(ReadRoot(data.substr(0, cut), &g), EReadError) << "cut at " << cut;
  }
}

TEST(ObjectStream, DeepNestingIsRefusedBeforeTheStackSuffers)
{
  std::string data = "TPF0" + Str("TGadget") + Str("") + Str("Lines.Strings");
  data += std::string(100000, '\x01');
  TGadget g(nullptr);
  EXPECT_THROW(ReadRoot(data, &g), EReadError);
}

TEST(ObjectStream, ErrorHandlerMaySkipUnknownProperties)
{
  std::string data = "TPF0" + Str("TGadget") + Str("") + Str("Gone") + Bytes({1, 6, 1, 'x', 0}) + Str("Shade") +
                     Bytes({7}) + Str("shWhat") + Str("Number") + Bytes({2, 5, 0, 0});
  TGadget g(nullptr);
  TReadOnlyMemoryStream s(data.data(), static_cast<int64_t>(data.size()));
  TReader reader(s);
  std::vector<std::string> messages;
  reader.OnError = [&](const std::string& m) {
    messages.push_back(m);
    return true;
  };
  reader.ReadRootComponent(&g);
  EXPECT_EQ(5, g.FNumber);
  EXPECT_EQ(shLight, g.FShade);
  EXPECT_EQ((std::vector<std::string>{"Property Gone does not exist", "Invalid property value"}), messages);
}

TEST(ObjectStream, EnumerationAndSetNamesIgnoreCase)
{
  TGadget g(nullptr);
  ReadRoot("TPF0" + Str("TGadget") + Str("") + Str("SHADE") + Bytes({7}) + Str("ShDaRk") + Str("flags") + Bytes({11}) +
               Str("FLTWO") + Str("flone") + Bytes({0}) + Str("color") + Bytes({7}) + Str("CLHIGHLIGHT") +
               Bytes({0, 0}),
           &g);
  EXPECT_EQ(shDark, g.FShade);
  EXPECT_EQ((TFlags{flOne, flTwo}), g.FFlags);
  EXPECT_EQ(clHighlight, g.FColor);
}

TEST(ObjectStream, CollectionOrderValuesAreAccepted)
{
  TGadget g(nullptr);
  ReadRoot("TPF0" + Str("TGadget") + Str("") + Str("Items") + Bytes({14, 2, 3, 1}) + Str("Caption") + Bytes({6}) +
               Str("x") + Bytes({0, 1, 0, 0, 0, 0}),
           &g);
  ASSERT_EQ(2, g.FItems->Count());
  EXPECT_EQ("x", static_cast<TItem*>(g.FItems->Items(0))->FCaption);
}

TEST(Extended, KnownEncodings)
{
  uint8_t b[10];
  DoubleToExtended(1.0, b);
  EXPECT_EQ(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), std::string(reinterpret_cast<char*>(b), 10));
  DoubleToExtended(-2.0, b);
  EXPECT_EQ(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}), std::string(reinterpret_cast<char*>(b), 10));
  DoubleToExtended(0.0, b);
  EXPECT_EQ(std::string(10, '\0'), std::string(reinterpret_cast<char*>(b), 10));
}

TEST(Extended, ValuesRoundTrip)
{
  const double values[] = {0.0,      -0.0,     1.0, 0.1, -123456.789, 1e300, 4.9e-324, 2.2250738585072014e-308,
                           HUGE_VAL, -HUGE_VAL};
  for (double v : values) {
    uint8_t b[10];
    DoubleToExtended(v, b);
    const double back = ExtendedToDouble(b);
    EXPECT_EQ(v, back);
    EXPECT_EQ(std::signbit(v), std::signbit(back));
  }
  uint8_t b[10];
  DoubleToExtended(std::nan(""), b);
  EXPECT_TRUE(std::isnan(ExtendedToDouble(b)));
}

TEST(Extended, ValuesOutsideDoubleRangeSaturate)
{
  uint8_t big[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};  // about 2^16383
  EXPECT_EQ(HUGE_VAL, ExtendedToDouble(big));
  uint8_t tiny[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00};
  EXPECT_EQ(0.0, ExtendedToDouble(tiny));
}
