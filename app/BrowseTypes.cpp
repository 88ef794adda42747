#include "app/BrowseTypes.h"

#include <array>

const TTypeInfo* TypeInfo_TRootID()
{
  static const TTypeInfo* type = NewEnumType(
      "TRootID", {"idDesktop", "idInternet", "idPrograms", "idControlPanel", "idPrinters", "idPersonal", "idFavorites",
                  "idStartup", "idRecent", "idSendTo", "idRecycleBin", "idStartMenu", "idDesktopDirectory", "idDrives",
                  "idNetwork", "idNetHood", "idFonts", "idTemplates", "idDesktopExpanded"});
  return type;
}

const TTypeInfo* TypeInfo_TBrowseFlag()
{
  static const TTypeInfo* type = NewEnumType("TBrowseFlag", {"bfDirectoriesOnly", "bfDomainOnly", "bfAncestors",
                                                             "bfComputers", "bfPrinters", "bfIncludeFiles"});
  return type;
}

const TTypeInfo* TypeInfo_TBrowseFlags()
{
  static const TTypeInfo* type = NewSetType("TBrowseFlags", TypeInfo_TBrowseFlag());
  return type;
}

int RootFolderId(TRootID Root)
{
  // The identifiers jump after idStartMenu (0x0B) to 0x10.
  static constexpr std::array<int, 19> ids = {0x00,
                                              0x01,
                                              0x02,
                                              0x03,
                                              0x04,
                                              0x05,
                                              0x06,
                                              0x07,
                                              0x08,
                                              0x09,
                                              0x0A,
                                              0x0B,
                                              0x10,
                                              0x11,
                                              0x12,
                                              0x13,
                                              0x14,
                                              0x15,
                                              DesktopExpandedFolderId};
  const auto index = static_cast<size_t>(Root);
  // A value read from a damaged form file may lie outside the enumeration.
  return index < ids.size() ? ids[index] : DesktopExpandedFolderId;
}

uint32_t BrowseFlagBits(TBrowseFlags Flags)
{
  static constexpr std::array<uint32_t, 6> bits = {0x0001, 0x0002, 0x0008, 0x1000, 0x2000, 0x4000};
  uint32_t result = 0;
  for (size_t i = 0; i < bits.size(); ++i)
    if (Flags.Contains(static_cast<TBrowseFlag>(i))) result |= bits[i];
  return result;
}
