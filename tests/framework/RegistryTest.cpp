#include "framework/win32/Registry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* const kTestKey = "Software\\QuorvikTests\\Registry";

class RegistryTest : public ::testing::Test {
protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
  TRegistry reg;
};

TEST_F(RegistryTest, OpenCreatesOnlyWhenAskedAndGoesRelativeOrFromTheRoot)
{
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
  EXPECT_EQ(nullptr, reg.CurrentKey());
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  reg.CloseKey();
  ASSERT_TRUE(reg.OpenKey(kTestKey, false));
  EXPECT_EQ(std::string(kTestKey), reg.CurrentPath());
  ASSERT_TRUE(reg.OpenKey("Sub", true));
  EXPECT_EQ(std::string(kTestKey) + "\\Sub", reg.CurrentPath());
  reg.WriteString("v", "below");
  ASSERT_TRUE(reg.OpenKey(std::string("\\") + kTestKey, false));
  EXPECT_FALSE(reg.ValueExists("v"));
  ASSERT_TRUE(reg.OpenKey("Sub", false));
  EXPECT_EQ("below", reg.ReadString("v"));
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(HKEY_LOCAL_MACHINE, reg.RootKey());
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
}

TEST_F(RegistryTest, StringsAndBinaryDataEvenEmptyRoundTripAndMissingValuesReadEmpty)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  reg.WriteString("OpenFileName", "Z:\\tmp\\a b.qv");
  reg.WriteString("Empty", "");
  const unsigned char data[] = {1, 2, 0, 0xFF, 7};
  reg.WriteBinaryData("Font", data, sizeof(data));
  reg.WriteBinaryData("ExcludedDirs", nullptr, 0);
  reg.CloseKey();
  ASSERT_TRUE(reg.OpenKey(kTestKey, false));
  EXPECT_EQ("Z:\\tmp\\a b.qv", reg.ReadString("OpenFileName"));
  EXPECT_EQ(14, reg.GetDataSize("OpenFileName"));
  EXPECT_EQ("", reg.ReadString("Empty"));
  EXPECT_TRUE(reg.ValueExists("Empty"));
  EXPECT_EQ(1, reg.GetDataSize("Empty"));
  ASSERT_EQ(5, reg.GetDataSize("Font"));
  unsigned char back[5] = {};
  EXPECT_EQ(5, reg.ReadBinaryData("Font", back, sizeof(back)));
  EXPECT_EQ(0, std::memcmp(data, back, sizeof(data)));
  // A zero-length binary value stays binary (read as binary, which checks the
  // type) and leaves the buffer alone.
  EXPECT_TRUE(reg.ValueExists("ExcludedDirs"));
  EXPECT_EQ(0, reg.GetDataSize("ExcludedDirs"));
  EXPECT_EQ(0, reg.ReadBinaryData("ExcludedDirs", back, sizeof(back)));
  EXPECT_EQ(1, back[0]);
  EXPECT_FALSE(reg.ValueExists("Nothing"));
  EXPECT_EQ(-1, reg.GetDataSize("Nothing"));
  EXPECT_EQ("", reg.ReadString("Nothing"));
}

TEST_F(RegistryTest, WrongTypeShortBufferAndNoOpenKeyThrowInsteadOfGuessing)
{
  EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);
  EXPECT_FALSE(reg.ValueExists("x"));
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  const char blob[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  reg.WriteBinaryData("Font", blob, 8);
  reg.WriteString("EnableBeeps", "True");
  DWORD value = 7;
  RegSetValueExA(reg.CurrentKey(), "Number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof(value));
  char buffer[16], small[4];
  EXPECT_THROW(reg.ReadString("Font"), ERegistryException);
  EXPECT_THROW(reg.ReadString("Number"), ERegistryException);
  EXPECT_THROW(reg.ReadBinaryData("EnableBeeps", buffer, sizeof(buffer)), ERegistryException);
  // Too small a buffer is an error, not a truncated value.
  EXPECT_THROW(reg.ReadBinaryData("Font", small, sizeof(small)), ERegistryException);
}

}  // namespace
