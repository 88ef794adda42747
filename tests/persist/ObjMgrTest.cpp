#include "persist/OBJMGR2.h"

#include <gtest/gtest.h>

#include <vector>

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
  auto Bounds = [&] { return std::vector<int>{Form->Left(), Form->Top(), Form->Width(), Form->Height()}; };
  Mgr->Load();
  EXPECT_EQ((std::vector<int>{282, 111, 449, 387}), Bounds());
  Form->SetBounds(-20, 30, 500, 400);
  Mgr->Save();
  EXPECT_EQ("-20", ReadRaw(TestKey, "FormLeft").Data);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), ReadRaw(TestKey, "FormLeft").Type);
  EXPECT_EQ("400", ReadRaw(TestKey, "FormHeight").Data);
  Form->SetBounds(1, 2, 300, 200);
  Mgr->Load();
  EXPECT_EQ((std::vector<int>{-20, 30, 500, 400}), Bounds());
}
