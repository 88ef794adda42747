#pragma once
// The browse dialog's root folders and browse flags, with the run-time type
// information that lets form files and the persistence component store them
// by name ("idDrives", "[bfDirectoriesOnly]").
#include <cstdint>

#include "framework/objects/TypInfo.h"

// Declaration order is the ordinal order stored in form files; do not reorder.
enum TRootID {
  idDesktop,
  idInternet,
  idPrograms,
  idControlPanel,
  idPrinters,
  idPersonal,
  idFavorites,
  idStartup,
  idRecent,
  idSendTo,
  idRecycleBin,
  idStartMenu,
  idDesktopDirectory,
  idDrives,
  idNetwork,
  idNetHood,
  idFonts,
  idTemplates,
  idDesktopExpanded
};

enum TBrowseFlag { bfDirectoriesOnly, bfDomainOnly, bfAncestors, bfComputers, bfPrinters, bfIncludeFiles };
using TBrowseFlags = TSet<TBrowseFlag>;

const TTypeInfo* TypeInfo_TRootID();
const TTypeInfo* TypeInfo_TBrowseFlag();
const TTypeInfo* TypeInfo_TBrowseFlags();

// The shell's special-folder identifier for Root. idDesktopExpanded gives
// 0xFEFE, which names no special folder: its look-up fails on purpose.
int RootFolderId(TRootID Root);
constexpr int DesktopExpandedFolderId = 0xFEFE;

// The shell's browse flags for Flags, ORed together.
uint32_t BrowseFlagBits(TBrowseFlags Flags);
// Added when the dialog is to have a status line.
constexpr uint32_t BrowseStatusTextFlag = 0x0004;
