#include "app/AboutText.h"

#include <gtest/gtest.h>

TEST(AboutText, OperatingSystemLinePerPlatform)
{
  EXPECT_EQ(OsVersionText(1, 4, 0, 0x040003B6, ""), "Windows 95 4.0 (Build 950)");
  EXPECT_EQ(OsVersionText(2, 4, 0, 1381, "Service Pack 3"), "Windows NT 4.0 (Build 1381: Service Pack 3)");
  EXPECT_EQ(OsVersionText(2, 6, 1, 7601, "Service Pack 1"), "Windows NT 6.1 (Build 7601: Service Pack 1)");
  EXPECT_EQ(OsVersionText(2, 10, 0, 19045, ""), "Windows NT 10.0 (Build 19045)");
  // Any other platform: name and version only.
  EXPECT_EQ(OsVersionText(0, 3, 11, 300, "x"), "Windows 3.11");
}

TEST(AboutText, KilobytesAreTruncatedAndGroupedInThrees)
{
  EXPECT_EQ(KilobyteText(1233125376, ","), "1,204,224");
  EXPECT_EQ(KilobyteText(66572288, ","), "65,012");
  EXPECT_EQ(KilobyteText(1023, ","), "0");
  EXPECT_EQ(KilobyteText(1024 * 999, ","), "999");
  EXPECT_EQ(KilobyteText(1024 * 1000, "."), "1.000");
  // Beyond 32 bits: 24 GB of memory and a 270 GB disk as they are.
  EXPECT_EQ(KilobyteText(25275924480ull, ","), "24,683,520");
  EXPECT_EQ(KilobyteText(289910292480ull, ","), "283,115,520");
  EXPECT_EQ(GroupDigits(18446744073709551615ull, "'"), "18'446'744'073'709'551'615");
  EXPECT_EQ(GroupDigits(123456, ""), "123456");
}
