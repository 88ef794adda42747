#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "framework/objects/ObjectText.h"
#include "tests/framework/StreamTestSupport.h"

using namespace fwtest;
using testing::StrEq;
using testing::ThrowsMessage;

namespace {

// The envelope the persistence layer puts around a carrier stream: a 32-byte
// class-name field and the "03" mark.
std::string CarrierBlob(TPersistent* Object)
{
  TCarrier carrier(nullptr);
  carrier.FPersistent = Object;
  const std::string name = Object->ClassName();
  return name + std::string(32 - name.size(), '\0') + "03" + WriteRoot(&carrier);
}

// Hand-written stream pieces: a root's head, identifier and string values.
std::string Head(const std::string& Class, const std::string& Name = "") { return "TPF0" + Str(Class) + Str(Name); }
std::string Ident(const std::string& S) { return Bytes({7}) + Str(S); }
std::string Text(const std::string& S) { return Bytes({6}) + Str(S); }

std::string CarrierHead(const std::string& ClassName)
{
  return ClassName + std::string(32 - ClassName.size(), '\0') + "03" + Head("TCarrier");
}

const std::string GadgetHead = Head("TGadget");

}  // namespace

TEST(CarrierBlob, ExactBytesAndReadingBack)
{
  TStringList lines;
  lines.Add("a");
  lines.Add("bc");
  lines.Add(std::string(256, 'x'));  // a long string
  TFont plain, font;
  font.SetName("Courier New");
  font.SetSize(9);
  font.SetColor(0x123456);
  font.SetCharset(200);  // no identifier
  font.SetStyle({fsItalic, fsBold});
  font.SetPitch(fpFixed);
  const std::pair<TPersistent*, std::string> cases[] = {
      {&lines, CarrierHead("TStringList") + Str("Persistent.Strings") +
                   Bytes({1, 6, 1, 'a', 6, 2, 'b', 'c', 12, 0, 1, 0, 0}) + std::string(256, 'x') + Bytes({0, 0, 0})},
      {&plain, CarrierHead("TFont") + Str("Persistent.Charset") + Ident("DEFAULT_CHARSET") + Str("Persistent.Color") +
                   Ident("clWindowText") + Str("Persistent.Height") + Bytes({2, 0xF5}) + Str("Persistent.Name") +
                   Text("MS Sans Serif") + Str("Persistent.Style") + Bytes({11, 0, 0, 0})},
      {&font, CarrierHead("TFont") + Str("Persistent.Charset") + Bytes({3, 200, 0}) + Str("Persistent.Color") +
                  Bytes({4, 0x56, 0x34, 0x12, 0}) + Str("Persistent.Height") + Bytes({2, 0xF4}) +
                  Str("Persistent.Name") + Text("Courier New") + Str("Persistent.Style") + Bytes({11}) + Str("fsBold") +
                  Str("fsItalic") + Str("") + Str("Persistent.Pitch") + Ident("fpFixed") + Bytes({0, 0})},
  };
  for (const auto& [object, expected] : cases) EXPECT_EQ(expected, CarrierBlob(object)) << object->ClassName();

  // Each property read changes the font once; one that already has the
  // stream's value (the charset) does not.
  TFont back;
  back.SetCharset(200);
  int changes = 0;
  back.OnChange = [&](TObject*) { ++changes; };
  TCarrier reader(nullptr);
  reader.FPersistent = &back;
  ReadRoot(CarrierBlob(&font).substr(34), &reader);
  EXPECT_EQ(CarrierBlob(&font), CarrierBlob(&back));
  EXPECT_EQ(5, changes);
}

// Through the binary form, and from it through the text form back to the
// same bytes; the gadget refers to itself and binds a handler of its form.
TEST(ObjectStream, EveryPropertyKindRoundTripsThroughBinaryAndText)
{
  TPanelForm form(nullptr);
  form.SetName("F");
  auto* source = new TGadget(&form);
  source->SetName("G");
  FillGadget(*source);
  source->SetBuddy(source);
  SetMethodProp(*source, FindPropInfo(*source, "OnClick"), MethodByName(form, "ButtonClick"));
  const std::string data = WriteRoot(&form);
  for (uint8_t tag = vaList; tag <= vaCollection; ++tag)
    EXPECT_TRUE(tag == vaInt8 || tag == vaInt16 || data.find(static_cast<char>(tag)) != std::string::npos) << int(tag);
  EXPECT_EQ(data, ObjectTextToBinary(ObjectBinaryToText(data)));

  TPanelForm copy(nullptr);
  ReadRoot(data, &copy);
  auto* target = dynamic_cast<TGadget*>(copy.FindComponent("G"));
  ASSERT_NE(nullptr, target);
  // The rewrite below compares every property; these are the kinds whose
  // written form no exact-output test pins down.
  EXPECT_EQ(crHourGlass, target->FCursor);
  EXPECT_EQ(0x263A, target->FWide);
  EXPECT_FALSE(target->FEnabled);
  EXPECT_EQ(-2.5e-300, target->FRatio);
  EXPECT_EQ(source->FCaption, target->FCaption);
  EXPECT_EQ("it's", target->FShort);
  ASSERT_NE(nullptr, target->FPicture->Graphic());
  EXPECT_EQ("TBitmap", target->FPicture->Graphic()->ClassName());
  EXPECT_EQ(SmallBitmapFile(), target->FPicture->Graphic()->Image());
  EXPECT_EQ(2, target->FPicture->Width());
  EXPECT_EQ(SmallBitmapFile(), target->FGlyph->Image());
  EXPECT_EQ(0x80000000u, target->FMask);
  EXPECT_EQ((TParts{ptA, ptAB}), target->FParts);
  ASSERT_EQ(2, target->FItems->Count());
  EXPECT_EQ("one", static_cast<TItem*>(target->FItems->Items(0))->FCaption);
  EXPECT_EQ(-7, static_cast<TItem*>(target->FItems->Items(1))->FWidth);
  EXPECT_EQ(target, target->FBuddy);
  target->FOnClick(target);
  EXPECT_EQ(1, copy.Clicks);
  EXPECT_EQ(data, WriteRoot(&copy));
}

// Which defaults leave a property out is pinned by the text of a nearly
// plain gadget (ObjectTextTest); a Stored predicate decides on each write.
TEST(ObjectStream, StoredPredicateDecidesOnEachWrite)
{
  TGadget g(nullptr);
  EXPECT_EQ(std::string::npos, WriteRoot(&g).find("Lines"));  // an empty list has no data
  g.FBanner = "hidden";
  EXPECT_EQ(std::string::npos, WriteRoot(&g).find("hidden"));
  g.FFlags.Include(flThree);
  EXPECT_NE(std::string::npos, WriteRoot(&g).find(Str("Banner") + Text("hidden")));
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

TEST(ObjectStream, ReaderTakesAnySubsetAnyLetterCaseAndCollectionOrderValues)
{
  TGadget g(nullptr);
  g.FNumber = 42;
  ReadRoot(GadgetHead + Str("SHADE") + Ident("ShDaRk") + Str("font.NAME") + Text("Tahoma") + Str("flags") +
               Bytes({11}) + Str("FLTWO") + Str("flone") + Bytes({0}) + Str("color") + Ident("CLHIGHLIGHT") +
               Str("Items") + Bytes({14, 2, 3, 1}) + Str("Caption") + Text("x") + Bytes({0, 1, 0, 0, 0, 0}),
           &g);
  EXPECT_EQ(shDark, g.FShade);
  EXPECT_EQ("Tahoma", g.FFont->Name());
  EXPECT_EQ((TFlags{flOne, flTwo}), g.FFlags);
  EXPECT_EQ(clHighlight, g.FColor);
  ASSERT_EQ(2, g.FItems->Count());
  EXPECT_EQ("x", static_cast<TItem*>(g.FItems->Items(0))->FCaption);
  EXPECT_EQ(42, g.FNumber);  // not in the stream: left alone
}

TEST(ObjectStream, ExistingComponentOfTheSameNameIsReusedNotDuplicated)
{
  TPanelForm form(nullptr);
  auto* existing = new TGadget(&form);
  existing->SetName("Box");
  ReadRoot(Head("TPanelForm", "F") + Bytes({0}) + Str("TGadget") + Str("Box") + Str("Number") + Bytes({2, 9, 0, 0, 0}),
           &form);
  ASSERT_EQ(1, form.ComponentCount());
  EXPECT_EQ(9, existing->FNumber);
}

TEST(ObjectStream, ChildOfUnregisteredClassOrRefusedChildFailsAndLeavesNothingBehind)
{
  TPanelForm form(nullptr);
  const std::string data = Head("TPanelForm") + Bytes({0}) + Str("TGadget") + Str("A") + Bytes({0, 0}) +
                           Str("TNoSuchThing") + Str("B") + Bytes({0, 0, 0});
  EXPECT_THAT([&] { ReadRoot(data, &form); }, ThrowsMessage<EReadError>(StrEq("Class TNoSuchThing not found")));
  EXPECT_EQ(1, form.ComponentCount());  // A was read completely
  EXPECT_FALSE(form.ComponentState().Contains(csLoading));
  EXPECT_FALSE(form.Components(0)->ComponentState().Contains(csLoading));
  TPanelForm refusing(nullptr);
  EXPECT_THROW(ReadRoot(data, &refusing, [](TReader& Reader) { Reader.AllowChildComponents = false; }), EReadError);
  EXPECT_EQ(0, refusing.ComponentCount());
}

TEST(ObjectStream, DamagedStreamsRaiseReadErrors)
{
  const std::string& head = GadgetHead;
  const std::pair<const char*, std::string> cases[] = {
      {"bad signature", "TPF1" + Str("TGadget") + Str("") + Bytes({0, 0})},
      {"wrong class", Head("TCarrier") + Bytes({0, 0})},
      {"unknown tag", head + Str("Number") + Bytes({15})},
      {"unknown tag 200", head + Str("Number") + Bytes({200})},
      {"unknown property", head + Str("Nothing") + Bytes({2, 1, 0, 0})},
      {"bad path", head + Str("Number.Sub") + Bytes({2, 1, 0, 0})},
      {"empty last segment", head + Str("Font.") + Bytes({2, 1, 0, 0})},
      {"long string beyond end", head + Str("Caption") + Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'})},
      {"binary beyond end", head + Str("Picture.Data") + Bytes({10, 9, 0, 0, 0, 1, 2})},
      {"string beyond end", head + Str("Caption") + Bytes({6, 9, 'a'})},
      {"wrong value kind", head + Str("Caption") + Bytes({2, 1})},
      {"unknown enum name", head + Str("Shade") + Ident("shPurple")},
      {"unknown set member", head + Str("Flags") + Bytes({11}) + Str("flFour") + Bytes({0})},
      {"integer out of range", head + Str("Small") + Bytes({4, 0, 0, 1, 0})},
      {"unknown colour name", head + Str("Color") + Ident("clPlaid")},
      {"unknown method", head + Str("OnClick") + Ident("Nowhere")},
      {"missing end", head + Str("Number") + Bytes({2, 1})},
      {"short string too long", head + Str("Short") + Bytes({12, 0, 1, 0, 0}) + std::string(256, 's') + Bytes({0, 0})},
      {"child in a list of items", head + Str("Items") + Bytes({14, 1}) + Str("Caption") + Bytes({9, 0, 0})},
      {"lists nested too deeply", head + Str("Lines.Strings") + std::string(100000, '\x01')},
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

TEST(ObjectStream, ErrorHandlerMaySkipUnknownProperties)
{
  const std::string data = GadgetHead + Str("Gone") + Bytes({1, 6, 1, 'x', 0}) + Str("Shade") + Ident("shWhat") +
                           Str("Number") + Bytes({2, 5, 0, 0});
  TGadget g(nullptr);
  std::vector<std::string> messages;
  ReadRoot(data, &g, [&](TReader& Reader) {
    Reader.OnError = [&](const std::string& m) {
      messages.push_back(m);
      return true;
    };
  });
  EXPECT_EQ(5, g.FNumber);
  EXPECT_EQ(shLight, g.FShade);
  EXPECT_EQ((std::vector<std::string>{"Property Gone does not exist", "Invalid property value"}), messages);
}

TEST(Extended, EncodingsRoundTripsAndSaturation)
{
  auto encode = [](double v) {
    uint8_t b[10];
    DoubleToExtended(v, b);
    return std::string(reinterpret_cast<char*>(b), 10);
  };
  EXPECT_EQ(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), encode(1.0));
  EXPECT_EQ(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}), encode(-2.0));
  EXPECT_EQ(std::string(10, '\0'), encode(0.0));
  for (double v : {0.0, -0.0, 1.0, 0.1, -123456.789, 1e300, 4.9e-324, 2.2250738585072014e-308, HUGE_VAL, -HUGE_VAL}) {
    const double back = ExtendedToDouble(reinterpret_cast<const uint8_t*>(encode(v).data()));
    EXPECT_EQ(v, back);
    EXPECT_EQ(std::signbit(v), std::signbit(back));
  }
  EXPECT_TRUE(std::isnan(ExtendedToDouble(reinterpret_cast<const uint8_t*>(encode(std::nan("")).data()))));
  const uint8_t big[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};  // about 2^16383
  EXPECT_EQ(HUGE_VAL, ExtendedToDouble(big));
  const uint8_t tiny[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00};
  EXPECT_EQ(0.0, ExtendedToDouble(tiny));
}
