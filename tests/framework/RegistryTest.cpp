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

TEST_F(RegistryTest, OpenWithoutCreateFailsForMissingKey)
{
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
  EXPECT_EQ(nullptr, reg.CurrentKey());
}

TEST_F(RegistryTest, OpenWithCreateMakesKeyThatOpensLater)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  reg.CloseKey();
  EXPECT_TRUE(reg.OpenKey(kTestKey, false));
  EXPECT_EQ(std::string(kTestKey), reg.CurrentPath());
}

TEST_F(RegistryTest, StringRoundTrip)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  reg.WriteString("OpenFileName", "Z:\\tmp\\a b.qv");
  reg.WriteString("Empty", "");
  reg.CloseKey();
  ASSERT_TRUE(reg.OpenKey(kTestKey, false));
  EXPECT_EQ("Z:\\tmp\\a b.qv", reg.ReadString("OpenFileName"));
  EXPECT_EQ("", reg.ReadString("Empty"));
  EXPECT_TRUE(reg.ValueExists("Empty"));
  EXPECT_EQ(1, reg.GetDataSize("Empty"));
  EXPECT_EQ(14, reg.GetDataSize("OpenFileName"));
}

TEST_F(RegistryTest, MissingValueReadsEmptyAndDoesNotExist)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  EXPECT_FALSE(reg.ValueExists("Nothing"));
  EXPECT_EQ(-1, reg.GetDataSize("Nothing"));
  EXPECT_EQ("", reg.ReadString("Nothing"));
}

TEST_F(RegistryTest, BinaryRoundTrip)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  const unsigned char data[] = {1, 2, 0, 0xFF, 7};
  reg.WriteBinaryData("Font", data, sizeof(data));
  ASSERT_EQ(5, reg.GetDataSize("Font"));
  unsigned char back[5] = {};
  EXPECT_EQ(5, reg.ReadBinaryData("Font", back, sizeof(back)));
  EXPECT_EQ(0, std::memcmp(data, back, sizeof(data)));
}

TEST_F(RegistryTest, ZeroLengthBinaryValue)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  reg.WriteBinaryData("ExcludedDirs", nullptr, 0);
  EXPECT_TRUE(reg.ValueExists("ExcludedDirs"));
  EXPECT_EQ(0, reg.GetDataSize("ExcludedDirs"));
  unsigned char buffer[4] = {9, 9, 9, 9};
  EXPECT_EQ(0, reg.ReadBinaryData("ExcludedDirs", buffer, sizeof(buffer)));
  EXPECT_EQ(9, buffer[0]);
  DWORD type = 0;
  DWORD size = 99;
  RegQueryValueExA(reg.CurrentKey(), "ExcludedDirs", nullptr, &type, nullptr, &size);
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
  EXPECT_EQ(0u, size);
}

TEST_F(RegistryTest, ReadingStringFromBinaryValueThrows)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  const char data[] = {'a', 'b'};
  reg.WriteBinaryData("Font", data, 2);
  EXPECT_THROW(reg.ReadString("Font"), ERegistryException);
}

TEST_F(RegistryTest, ReadingBinaryFromStringValueThrows)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  reg.WriteString("EnableBeeps", "True");
  char buffer[16];
  EXPECT_THROW(reg.ReadBinaryData("EnableBeeps", buffer, sizeof(buffer)), ERegistryException);
}

TEST_F(RegistryTest, ReadingDwordAsStringThrows)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  DWORD value = 7;
  RegSetValueExA(reg.CurrentKey(), "Number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof(value));
  EXPECT_THROW(reg.ReadString("Number"), ERegistryException);
}

TEST_F(RegistryTest, BinaryBufferTooSmallThrowsInsteadOfTruncating)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  const char data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  reg.WriteBinaryData("Blob", data, 8);
  char small[4];
  EXPECT_THROW(reg.ReadBinaryData("Blob", small, sizeof(small)), ERegistryException);
}

TEST_F(RegistryTest, ReadWithoutOpenKeyThrows)
{
  EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);
  EXPECT_FALSE(reg.ValueExists("x"));
}

TEST_F(RegistryTest, RelativeOpenGoesBelowCurrentKeyAndLeadingBackslashFromRoot)
{
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  ASSERT_TRUE(reg.OpenKey("Sub", true));
  EXPECT_EQ(std::string(kTestKey) + "\\Sub", reg.CurrentPath());
  reg.WriteString("v", "below");
  ASSERT_TRUE(reg.OpenKey(std::string("\\") + kTestKey, false));
  EXPECT_FALSE(reg.ValueExists("v"));
  ASSERT_TRUE(reg.OpenKey("Sub", false));
  EXPECT_EQ("below", reg.ReadString("v"));
}

TEST_F(RegistryTest, RootKeyLocalMachineIsSeparate)
{
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(HKEY_LOCAL_MACHINE, reg.RootKey());
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
}

}  // namespace
