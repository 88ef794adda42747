#include "persist/ObjMgrTransfer.h"

#include <gtest/gtest.h>

#include "tests/persist/PersistFixtures.h"
#include "tests/support/TestClasses.h"

using namespace fwtest;

namespace {

const std::string Key = "Software\\Halbrand\\QV5";
const std::vector<std::string> PositionItems = {
    "QVMain;Number;Software\\Halbrand\\QV5;FormLeft;;1",
    "QVMain;Mask;Software\\Halbrand\\QV5;FormWidth;;1",
};

class ObjMgrTransfer : public ::testing::Test {
protected:
  TGadget Form{nullptr};
  TFakeRegistry Registry;
  void SetUp() override
  {
    Form.SetName("QVMain");
    Form.FNumber = 100;
    Form.FMask = 400;
  }
};

}  // namespace

TEST_F(ObjMgrTransfer, FirstStartKeepsDesignValuesAndSaveWritesDecimalTexts)
{
  LoadObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ(100, Form.FNumber);
  EXPECT_EQ(400u, Form.FMask);
  EXPECT_FALSE(Registry.HasKey(Key));
  Form.FNumber = -8;
  SaveObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ("-8", Registry.Value(Key, "FormLeft")->Data);
  EXPECT_EQ("400", Registry.Value(Key, "FormWidth")->Data);
  EXPECT_FALSE(Registry.Value(Key, "FormLeft")->Binary);
}

TEST_F(ObjMgrTransfer, UnreadableTextOrWrongTypeLeavesOnlyThatValue)
{
  Registry.Put(Key, "FormLeft", {false, "abc"});
  Registry.Put(Key, "FormWidth", {false, "640"});
  LoadObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ(100, Form.FNumber);
  EXPECT_EQ(640u, Form.FMask);
  Registry.Put(Key, "FormLeft", {true, "\x01"});
  Registry.Put(Key, "FormWidth", {false, "-20"});
  LoadObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ(100, Form.FNumber);
  EXPECT_EQ(static_cast<uint32_t>(-20), Form.FMask);
}

TEST_F(ObjMgrTransfer, DefaultAppliesWhenNothingIsStoredAndTheFormIsNamedExactly)
{
  auto* Component = new TGadget(&Form);
  Component->SetName("QVMAIN");
  Registry.Put(Key, "FormLeft", {false, "5"});
  LoadObjMgrItems(Form, {"qvmain;Number;Software\\Halbrand\\QV5;FormLeft;;1"}, Registry);
  EXPECT_EQ(5, Component->FNumber);
  EXPECT_EQ(100, Form.FNumber);
  Registry.OpenCount = 0;
  LoadObjMgrItems(Form, {"QVMain;Caption;Software\\Other;Title;Quorvik V5.0;1", ";;;;Default;1"}, Registry);
  EXPECT_EQ("Quorvik V5.0", Form.FCaption);
  SaveObjMgrItems(Form, {";;;;Default;1"}, Registry);
  EXPECT_EQ(1, Registry.OpenCount);  // only the caption's key was looked for
}

TEST_F(ObjMgrTransfer, UnsupportedKindIsSavedEmptyAndNeverApplied)
{
  const std::vector<std::string> Items = {"QVMain;Visible;Software\\Halbrand\\QV5;Flag;True;1"};
  Form.FVisible = true;
  SaveObjMgrItems(Form, Items, Registry);
  EXPECT_EQ("", Registry.Value(Key, "Flag")->Data);
  Form.FVisible = false;
  LoadObjMgrItems(Form, Items, Registry);
  EXPECT_FALSE(Form.FVisible);
}
