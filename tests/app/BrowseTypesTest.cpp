#include "app/BrowseTypes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TRootIDType, NamesInDeclarationOrder)
{
  const std::vector<std::string> names = {
      "idDesktop",    "idInternet",  "idPrograms",         "idControlPanel",   "idPrinters",
      "idPersonal",   "idFavorites", "idStartup",          "idRecent",         "idSendTo",
      "idRecycleBin", "idStartMenu", "idDesktopDirectory", "idDrives",         "idNetwork",
      "idNetHood",    "idFonts",     "idTemplates",        "idDesktopExpanded"};
  const TTypeInfo* type = TypeInfo_TRootID();
  EXPECT_EQ(type->Name, "TRootID");
  EXPECT_EQ(type->Kind, tkEnumeration);
  EXPECT_EQ(type->EnumNames, names);
  EXPECT_EQ(type->MaxValue, 18);
  EXPECT_EQ(GetEnumName(type, idDrives), "idDrives");
  EXPECT_EQ(GetEnumValue(type, "IDDRIVES"), 13);
  EXPECT_EQ(GetEnumValue(type, "idNowhere"), -1);
}

TEST(TRootIDType, SpecialFolderIdentifiersAndNoneOutOfRange)
{
  const std::vector<int> ids = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,  0x09,
                                0x0A, 0x0B, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0xFEFE};
  for (int i = 0; i <= idDesktopExpanded; ++i)
    EXPECT_EQ(RootFolderId(static_cast<TRootID>(i)), ids[static_cast<size_t>(i)]) << i;
  // A value out of range names no special folder.
  EXPECT_EQ(RootFolderId(static_cast<TRootID>(19)), 0xFEFE);
  EXPECT_EQ(RootFolderId(static_cast<TRootID>(200)), 0xFEFE);
}

TEST(TBrowseFlagsType, SetOfNamedFlags)
{
  const TTypeInfo* type = TypeInfo_TBrowseFlags();
  EXPECT_EQ(type->Name, "TBrowseFlags");
  EXPECT_EQ(type->Kind, tkSet);
  ASSERT_EQ(type->CompType, TypeInfo_TBrowseFlag());
  const std::vector<std::string> names = {"bfDirectoriesOnly", "bfDomainOnly", "bfAncestors",
                                          "bfComputers",       "bfPrinters",   "bfIncludeFiles"};
  EXPECT_EQ(type->CompType->EnumNames, names);
  const TBrowseFlags flags{bfDirectoriesOnly, bfIncludeFiles};
  EXPECT_EQ(SetToString(type, flags.ToInt()), "[bfDirectoriesOnly,bfIncludeFiles]");
}

TEST(TBrowseFlagsType, FlagBitsAreOredTogether)
{
  EXPECT_EQ(BrowseFlagBits({}), 0u);
  EXPECT_EQ(BrowseFlagBits({bfDirectoriesOnly}), 0x0001u);
  EXPECT_EQ(BrowseFlagBits({bfDomainOnly}), 0x0002u);
  EXPECT_EQ(BrowseFlagBits({bfAncestors}), 0x0008u);
  EXPECT_EQ(BrowseFlagBits({bfComputers}), 0x1000u);
  EXPECT_EQ(BrowseFlagBits({bfPrinters}), 0x2000u);
  EXPECT_EQ(BrowseFlagBits({bfIncludeFiles}), 0x4000u);
  EXPECT_EQ(BrowseFlagBits({bfDirectoriesOnly, bfAncestors, bfIncludeFiles}), 0x4009u);
  // The status-line flag is never one of the user's flags.
  EXPECT_EQ(BrowseFlagBits(TBrowseFlags::FromInt(0x3F)) & BrowseStatusTextFlag, 0u);
}
