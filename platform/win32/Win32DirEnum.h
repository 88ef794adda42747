#pragma once
// Directory enumeration with FindFirstFileA / FindNextFileA.
#include <windows.h>

#include <string>

#include "engine/FileSystem.h"
#include "platform/win32/Win32Handles.h"

// One entry as the engine sees it. A directory that is also a reparse point
// (a junction or a directory symlink) is a link and not a directory: profile
// folders hold junctions that point back up the tree, so following them would
// walk in circles.
TFindData FindDataFromWin32(const WIN32_FIND_DATAA& Found);

class TWin32DirEnum : public TDirEnum {
public:
  // Pattern is handed to FindFirstFileA as it is, wildcards included.
  explicit TWin32DirEnum(const std::string& Pattern);
  bool Next(TFindData& Entry) override;

private:
  WIN32_FIND_DATAA FFirst;  // filled by FindFirstFileA in the constructor, so declared first
  TFindHandle FFind;
  bool FFirstPending;
};
