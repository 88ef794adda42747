#pragma once
#include "engine/FileSystem.h"

// Windows side of the engine's seam, over the ANSI kernel32 calls. Paths
// compare as the user's locale compares them, ignoring letter case.
// Junctions and other reparse points are recorded and never walked.
class TWin32FileSystem : public TFileSystem {
public:
  char Separator() const override { return '\\'; }
  bool IsPathDelimiter(char C) const override { return C == '\\' || C == '/' || C == ':'; }
  bool ValidEntryName(const std::string& Name) const override;
  std::string FullPath(const std::string& Path) override;
  std::unique_ptr<TDirEnum> FindFirst(const std::string& Pattern, bool WantAttributes) override;
  TEntryState Examine(const std::string& Path) override;
  std::unique_ptr<TInFile> OpenRead(const std::string& Path) override;
  std::unique_ptr<TOutFile> Create(const std::string& Path) override;
  bool Replace(const std::string& From, const std::string& To) override;
  void Remove(const std::string& Path) override;
  bool SamePath(const std::string& A, const std::string& B) override;
  std::string PathKey(const std::string& Path) override;
  std::string DateTimeText(uint32_t DosDateTime) override;
  uint32_t Ticks() override;
};
