#pragma once
#include "engine/FileSystem.h"

// Linux side of the engine's seam. Names that differ only in letter case are
// different files here, so paths compare exactly. Symbolic links are recorded
// with their own size and time and never followed.
struct stat;

class TPosixFileSystem : public TFileSystem {
public:
  TPosixFileSystem();
  char Separator() const override { return '/'; }
  bool IsPathDelimiter(char C) const override { return C == '/'; }
  bool ValidEntryName(const std::string& Name) const override;
  std::string FullPath(const std::string& Path) override;
  std::unique_ptr<TDirEnum> FindFirst(const std::string& Pattern, bool WantAttributes) override;
  TEntryState Examine(const std::string& Path) override;
  std::unique_ptr<TInFile> OpenRead(const std::string& Path) override;
  std::unique_ptr<TOutFile> Create(const std::string& Path) override;
  bool Replace(const std::string& From, const std::string& To) override;
  void Remove(const std::string& Path) override;
  bool SamePath(const std::string& A, const std::string& B) override { return A == B; }
  std::string PathKey(const std::string& Path) override { return Path; }
  std::string DateTimeText(uint32_t DosDateTime) override;
  uint32_t Ticks() override;
  ~TPosixFileSystem() override;

private:
  // A compare examines the files of one directory one after another; opening
  // them relative to their directory spares the kernel the whole path each time.
  std::string FExamineDir;
  int FExamineDirFd = -1;
  uint32_t FExamineDirUsed = 0;
  unsigned FEuid;
  int DirFdFor(const std::string& Dir);
  bool EvidentlyReadable(const struct stat& St) const;
};
