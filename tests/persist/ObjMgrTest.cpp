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

TEST_F(ObjectManager, FirstStartKeepsTheFormsBoundsAndSavedTextsLoadBack)
{
  Mgr->Load();
  EXPECT_EQ(282, Form->Left());
  EXPECT_EQ(387, Form->Height());
  Form->SetBounds(-20, 30, 500, 400);
  Mgr->Save();
  EXPECT_EQ("-20", ReadRaw(TestKey, "FormLeft").Data);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), ReadRaw(TestKey, "FormLeft").Type);
  EXPECT_EQ("400", ReadRaw(TestKey, "FormHeight").Data);
  Form->SetBounds(1, 2, 300, 200);
  Mgr->Load();
  EXPECT_EQ(-20, Form->Left());
  EXPECT_EQ(30, Form->Top());
  EXPECT_EQ(500, Form->Width());
  EXPECT_EQ(400, Form->Height());
}
