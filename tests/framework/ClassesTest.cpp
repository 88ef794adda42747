#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "framework/objects/Classes.h"
#include "tests/support/TestClasses.h"

using namespace fwtest;

namespace {
// Records its own destruction (and whether its owner's csDestroying had
// reached it) and the removal notices it receives.
class TWatcher : public TComponent {
public:
  TWatcher(TComponent* AOwner, std::vector<std::string>& Log, const char* AName) : TComponent(AOwner), FLog(Log)
  {
    SetName(AName);
  }
  ~TWatcher() override
  {
    FLog.push_back("free " + Name() + (ComponentState().Contains(csDestroying) ? " destroying" : ""));
  }
  void Notification(TComponent* AComponent, TOperation Operation) override
  {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) FLog.push_back(Name() + " told " + AComponent->Name() + " goes");
  }

private:
  std::vector<std::string>& FLog;
};
}  // namespace

TEST(Component, FreeingTheOwnerFreesComponentsLastFirst)
{
  std::vector<std::string> log;
  auto* owner = new TComponent(nullptr);
  for (const char* name : {"A", "B", "C"}) new TWatcher(owner, log, name);
  delete owner;
  EXPECT_EQ((std::vector<std::string>{"free C destroying", "free B destroying", "free A destroying"}), log);
}

TEST(Component, FreeNotificationReachesTheOtherSideWhicheverGoesFirst)
{
  std::vector<std::string> log;
  auto* a = new TWatcher(nullptr, log, "A");
  auto* b = new TWatcher(nullptr, log, "B");
  a->FreeNotification(b);
  delete b;
  // B's own destructor body runs before the notices go out.
  EXPECT_EQ((std::vector<std::string>{"free B", "A told B goes"}), log);
  log.clear();
  delete a;  // b is gone: nothing may reach it
  EXPECT_EQ((std::vector<std::string>{"free A"}), log);
}

TEST(Component, OwnerFreeSendsFreeNotificationsToOutsiders)
{
  TGadget outsider(nullptr);
  auto* owner = new TComponent(nullptr);
  auto* inner = new TGadget(owner);
  outsider.SetBuddy(inner);
  delete owner;
  EXPECT_EQ(nullptr, outsider.FBuddy);
  EXPECT_EQ((std::vector<std::string>{"BuddyGone"}), outsider.Log);
}

TEST(Component, RemovingAComponentTellsTheOwnerAndItsComponents)
{
  std::vector<std::string> log;
  TComponent owner(nullptr);
  new TWatcher(&owner, log, "A");
  auto* b = new TWatcher(&owner, log, "B");
  owner.RemoveComponent(b);
  EXPECT_EQ(nullptr, b->Owner());
  EXPECT_EQ(1, owner.ComponentCount());
  EXPECT_EQ((std::vector<std::string>{"A told B goes", "B told B goes"}), log);
  delete b;
}

TEST(Component, NamesAreIdentifiersUniqueAndFoundIgnoringCase)
{
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  a->SetName("Button1");
  auto* b = new TComponent(&owner);
  EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);
  EXPECT_THROW(b->SetName("1st"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  EXPECT_EQ("", b->Name());
  b->SetName("Button2");
  a->SetName("button1");  // its own name in other letters
  EXPECT_EQ("button1", a->Name());
  EXPECT_EQ(a, owner.FindComponent("BUTTON1"));
  EXPECT_EQ(nullptr, owner.FindComponent("Button3"));
  EXPECT_EQ(nullptr, owner.FindComponent(""));
  EXPECT_EQ(1, b->ComponentIndex());
  EXPECT_THROW(owner.Components(2), EListError);
}

TEST(ClassRegistry, CreatesByNameAndKnowsFamilies)
{
  std::unique_ptr<TObject> list(CreateObjectByClassName("tstringlist"));
  EXPECT_EQ("TStringList", list->ClassName());
  EXPECT_TRUE(list->InheritsFrom("TStrings"));
  EXPECT_TRUE(list->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_FALSE(list->InheritsFrom("TFont"));

  TComponent owner(nullptr);
  TObject* gadget = CreateObjectByClassName("TGadget", &owner);
  EXPECT_EQ(1, owner.ComponentCount());
  EXPECT_EQ(gadget, owner.Components(0));
  EXPECT_TRUE(gadget->InheritsFrom("TComponent"));

  for (const auto& [name, family] : {std::pair{"tfont", "TFont"}, {"TPicture", "TPicture"}, {"TBitmap", "TGraphic"}}) {
    std::unique_ptr<TObject> object(CreateObjectByClassName(name));
    EXPECT_TRUE(object->ClassNameIs(name) && object->InheritsFrom(family)) << name;
  }
  for (const char* name : {"TNoSuch", "TStrings", "TGraphic"})  // unknown, then abstract
    EXPECT_THROW(CreateObjectByClassName(name), EClassNotFound) << name;
}

TEST(Persistent, AssignBetweenUnrelatedClassesFails)
{
  TFont font;
  TStringList list;
  EXPECT_THAT([&] { list.Assign(&font); },
              testing::ThrowsMessage<EConvertError>(testing::StrEq("Cannot assign a TFont to a TStringList")));
}
