#include "platform/win32/Win32DirEnum.h"

#include "platform/win32/Win32DosTime.h"

TFindData FindDataFromWin32(const WIN32_FIND_DATAA& Found)
{
  TFindData entry;
  entry.Name = Found.cFileName;
  entry.Link = (Found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  entry.Directory = (Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !entry.Link;
  entry.Time = LocalDosDateTime(Found.ftLastWriteTime);
  const bool anyDirectory = (Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.Size = anyDirectory ? 0 : static_cast<int32_t>(Found.nFileSizeLow);
  return entry;
}

TWin32DirEnum::TWin32DirEnum(const std::string& Pattern)
    : FFirst{}, FFind(FindFirstFileA(Pattern.c_str(), &FFirst)), FFirstPending(static_cast<bool>(FFind))
{}

bool TWin32DirEnum::Next(TFindData& Entry)
{
  if (!FFind) return false;
  if (FFirstPending) {
    FFirstPending = false;
    Entry = FindDataFromWin32(FFirst);
    return true;
  }
  WIN32_FIND_DATAA found;
  // The end of the listing and a failure mid-way both end the walk of this
  // directory; the handle is released at once rather than with the walker.
  if (!FindNextFileA(FFind.get(), &found)) {
    FFind.reset();
    return false;
  }
  Entry = FindDataFromWin32(found);
  return true;
}
