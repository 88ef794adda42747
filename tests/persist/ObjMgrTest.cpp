#include "persist/OBJMGR2.h"

#include <gtest/gtest.h>

#include "framework/forms/Forms.h"
#include "tests/persist/RegTestKey.h"

using namespace persisttest;

namespace {

const std::string TestKey = "Software\\QvPersistTest\\ObjMgr";

class ObjectManager : public ::testing::Test {
protected:
  void SetUp() override
  {
    DeleteTestKey("Software\\QvPersistTest");
    Form = TCustomForm::Create<TForm>(Application);
    Form->SetName("QVMain");
    Form->SetBounds(282, 111, 449, 387);
    Mgr = new TObjMgr(Form);
    for (const char* Prop : {"Left", "Top", "Width", "Height"})
      Mgr->Items()->Add(std::string("QVMain;") + Prop + ";" + TestKey + ";Form" + Prop + ";;1");
  }
  void TearDown() override
  {
    delete Form;
    DeleteTestKey("Software\\QvPersistTest");
  }
  TApplicationScope Scope;
  TForm* Form = nullptr;
  TObjMgr* Mgr = nullptr;
};

}  // namespace

TEST_F(ObjectManager, FirstStartKeepsTheFormsBounds)
{
  Mgr->Load();
  EXPECT_EQ(282, Form->Left());
  EXPECT_EQ(111, Form->Top());
  EXPECT_EQ(449, Form->Width());
  EXPECT_EQ(387, Form->Height());
}

TEST_F(ObjectManager, SaveWritesDecimalTextsThatLoadBack)
{
  Form->SetBounds(-20, 30, 500, 400);
  Mgr->Save();
  EXPECT_EQ("-20", ReadRaw(TestKey, "FormLeft").Data);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), ReadRaw(TestKey, "FormLeft").Type);
  EXPECT_EQ("30", ReadRaw(TestKey, "FormTop").Data);
  EXPECT_EQ("500", ReadRaw(TestKey, "FormWidth").Data);
  EXPECT_EQ("400", ReadRaw(TestKey, "FormHeight").Data);

  Form->SetBounds(1, 2, 300, 200);
  Mgr->Load();
  EXPECT_EQ(-20, Form->Left());
  EXPECT_EQ(30, Form->Top());
  EXPECT_EQ(500, Form->Width());
  EXPECT_EQ(400, Form->Height());
}

TEST_F(ObjectManager, UnreadableTextLeavesTheValueAndOthersStillLoad)
{
  WriteRaw(TestKey, "FormLeft", REG_SZ, "abc");
  WriteRaw(TestKey, "FormTop", REG_BINARY, "77");
  WriteRaw(TestKey, "FormWidth", REG_SZ, "600");
  Mgr->Load();
  EXPECT_EQ(282, Form->Left());
  EXPECT_EQ(111, Form->Top());
  EXPECT_EQ(600, Form->Width());
}

TEST_F(ObjectManager, DefaultAppliesWhenNothingIsStored)
{
  Mgr->Items()->Clear();
  Mgr->Items()->Add("QVMain;Caption;" + TestKey + ";Caption;Stored caption;1");
  Mgr->Items()->Add("qvmain;Caption;" + TestKey + ";Other;Not the form;1");
  Mgr->Items()->Add(" ; ; ; ;ignored;1");
  Mgr->Load();
  EXPECT_EQ("Stored caption", Form->Caption());
}

TEST_F(ObjectManager, UnsupportedKindIsSavedEmptyAndNeverApplied)
{
  Mgr->Items()->Clear();
  Mgr->Items()->Add("QVMain;WindowState;" + TestKey + ";WindowState;;1");
  Form->SetWindowState(wsMinimized);
  Mgr->Save();
  const TRawValue Raw = ReadRaw(TestKey, "WindowState");
  EXPECT_TRUE(Raw.Exists);
  EXPECT_EQ("", Raw.Data);
  WriteRaw(TestKey, "WindowState", REG_SZ, "wsNormal");
  Mgr->Load();
  EXPECT_EQ(wsMinimized, Form->WindowState());
}
