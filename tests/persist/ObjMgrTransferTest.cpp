#include "persist/ObjMgrTransfer.h"

#include <gtest/gtest.h>

#include "tests/persist/FakeRegistry.h"
#include "tests/persist/PropHolder.h"

using namespace persisttest;

namespace {

const std::string Key = "Software\\Halbrand\\QV5";
const std::vector<std::string> PositionItems = {
    "QVMain;Number;Software\\Halbrand\\QV5;FormLeft;;1",
    "QVMain;Mask;Software\\Halbrand\\QV5;FormWidth;;1",
};

class ObjMgrTransfer : public ::testing::Test {
protected:
  TPropHolder Form{nullptr};
  TFakeRegistry Registry;
  void SetUp() override
  {
    Form.SetName("QVMain");
    Form.FNumber = 100;
    Form.FMask = 400;
  }
};

}  // namespace

TEST_F(ObjMgrTransfer, FirstStartKeepsDesignValues)
{
  LoadObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ(100, Form.FNumber);
  EXPECT_EQ(400u, Form.FMask);
  EXPECT_FALSE(Registry.HasKey(Key));
}

TEST_F(ObjMgrTransfer, SaveWritesDecimalTexts)
{
  Form.FNumber = -8;
  SaveObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ("-8", Registry.Value(Key, "FormLeft")->Data);
  EXPECT_EQ("400", Registry.Value(Key, "FormWidth")->Data);
  EXPECT_FALSE(Registry.Value(Key, "FormLeft")->Binary);
}

TEST_F(ObjMgrTransfer, UnreadableTextLeavesValueAndNegativeTextApplies)
{
  Registry.Put(Key, "FormLeft", {false, "abc"});
  Registry.Put(Key, "FormWidth", {false, "640"});
  LoadObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ(100, Form.FNumber);
  EXPECT_EQ(640u, Form.FMask);
  Registry.Put(Key, "FormLeft", {false, "-20"});
  LoadObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ(-20, Form.FNumber);
}

TEST_F(ObjMgrTransfer, WrongRegistryTypeSkipsOnlyThatItem)
{
  Registry.Put(Key, "FormLeft", {true, "\x01"});
  Registry.Put(Key, "FormWidth", {false, "500"});
  LoadObjMgrItems(Form, PositionItems, Registry);
  EXPECT_EQ(100, Form.FNumber);
  EXPECT_EQ(500u, Form.FMask);
}

TEST_F(ObjMgrTransfer, FormNameInOtherCaseNamesAComponent)
{
  auto* Component = new TPropHolder(&Form);
  Component->SetName("QVMAIN");
  Registry.Put(Key, "FormLeft", {false, "5"});
  LoadObjMgrItems(Form, {"qvmain;Number;Software\\Halbrand\\QV5;FormLeft;;1"}, Registry);
  EXPECT_EQ(5, Component->FNumber);
  EXPECT_EQ(100, Form.FNumber);
}

TEST_F(ObjMgrTransfer, DefaultTextAppliesWhenNothingIsStored)
{
  LoadObjMgrItems(Form, {"QVMain;Caption;Software\\Other;Title;Quorvik V5.0;1"}, Registry);
  EXPECT_EQ("Quorvik V5.0", Form.FCaption);
}

TEST_F(ObjMgrTransfer, ItemsWithoutTargetKeyAndNameAreSkipped)
{
  LoadObjMgrItems(Form, {";;;;Default;1"}, Registry);
  SaveObjMgrItems(Form, {";;;;Default;1"}, Registry);
  EXPECT_EQ("caption", Form.FCaption);
  EXPECT_EQ(0, Registry.OpenCount);
}

TEST_F(ObjMgrTransfer, UnsupportedKindIsSavedEmptyAndNeverApplied)
{
  const std::vector<std::string> Items = {"QVMain;Checked;Software\\Halbrand\\QV5;Flag;True;1"};
  Form.FChecked = true;
  SaveObjMgrItems(Form, Items, Registry);
  EXPECT_EQ("", Registry.Value(Key, "Flag")->Data);
  Form.FChecked = false;
  LoadObjMgrItems(Form, Items, Registry);
  EXPECT_FALSE(Form.FChecked);
}
