#include "persist/RegistryStore.h"

#include <gtest/gtest.h>

#include "tests/persist/RegTestKey.h"

using namespace persisttest;

namespace {

const std::string TestKey = "Software\\QvPersistTest\\Store";

class RegistryStore : public ::testing::Test {
protected:
  void SetUp() override { DeleteTestKey("Software\\QvPersistTest"); }
  void TearDown() override { DeleteTestKey("Software\\QvPersistTest"); }
  TRegistryStore Store{HKEY_CURRENT_USER};
};

}  // namespace

TEST_F(RegistryStore, MissingKeyOpensOnlyWithCreationAndNoKeyNoWrite)
{
  EXPECT_THROW(Store.WriteString("Text", "abc"), ERegistryException);
  EXPECT_FALSE(Store.OpenKey(TestKey, false));
  EXPECT_TRUE(Store.OpenKey(TestKey, true));
  Store.CloseKey();
  EXPECT_TRUE(Store.OpenKey(TestKey, false));
}

TEST_F(RegistryStore, StringAndBinaryValuesRoundTripAndReadOnlyAsTheirOwnType)
{
  ASSERT_TRUE(Store.OpenKey(TestKey, true));
  const std::string Blob("TFont\0\0\x03\xFF", 9);
  Store.WriteString("Text", "C:\\Data\\scan.qv");
  Store.WriteBinary("Blob", Blob);
  Store.WriteBinary("Empty", "");
  EXPECT_EQ("C:\\Data\\scan.qv", Store.ReadString("Text"));
  EXPECT_EQ(Blob, Store.ReadBinary("Blob"));
  EXPECT_EQ("", Store.ReadBinary("Empty"));

  const TRawValue Raw = ReadRaw(TestKey, "Empty");
  EXPECT_TRUE(Raw.Exists);
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), Raw.Type);
  EXPECT_EQ(0u, Raw.Data.size());
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), ReadRaw(TestKey, "Text").Type);

  // Values of the other type, or missing ones, fail to read.
  EXPECT_TRUE(Store.ValueExists("Text"));
  EXPECT_FALSE(Store.ValueExists("Missing"));
  EXPECT_THROW(Store.ReadBinary("Text"), ERegistryException);
  EXPECT_THROW(Store.ReadString("Blob"), ERegistryException);
  EXPECT_THROW(Store.ReadString("Missing"), ERegistryException);
  EXPECT_THROW(Store.ReadBinary("Missing"), ERegistryException);
}
