#pragma once
// An in-memory file system for tests: a fixed enumeration order, exact
// times and sizes, and files or directories that can be made unreadable,
// unlistable, or impossible to create or write.
#include <map>
#include <string>
#include <vector>

#include "engine/FileSystem.h"

class TFakeFileSystem : public TFileSystem {
public:
  // Separator '\\' with IgnoreCase behaves like Windows; '/' without it like Linux.
  explicit TFakeFileSystem(char Sep = '\\', bool IgnoreCase = true);

  void AddDir(const std::string& Path, uint32_t Time = 0);
  void AddFile(const std::string& Path, int32_t Size, uint32_t Time);
  void AddLink(const std::string& Path, int32_t Size, uint32_t Time);
  void SetContents(const std::string& Path, const std::string& Data, uint32_t Time = 0);
  void SetSize(const std::string& Path, int32_t Size);
  void SetTime(const std::string& Path, uint32_t Time);
  void Delete(const std::string& Path);
  void SetUnreadable(const std::string& Path);
  void SetUnlistable(const std::string& Path);
  void FailCreate(const std::string& Path) { FFailCreate = Path; }
  void FailWritesAfter(size_t Bytes) { FWriteBudget = Bytes; }
  bool Exists(const std::string& Path) const;
  std::string Contents(const std::string& Path) const;
  std::vector<std::string> Children(const std::string& Dir) const;
  void SetTickStep(uint32_t Step) { FTickStep = Step; }

  char Separator() const override { return FSep; }
  bool IsPathDelimiter(char C) const override;
  bool ValidEntryName(const std::string& Name) const override;
  std::string FullPath(const std::string& Path) override { return Path; }
  std::unique_ptr<TDirEnum> FindFirst(const std::string& Pattern, bool WantAttributes) override;
  TEntryState Examine(const std::string& Path) override;
  std::unique_ptr<TInFile> OpenRead(const std::string& Path) override;
  std::unique_ptr<TOutFile> Create(const std::string& Path) override;
  bool Replace(const std::string& From, const std::string& To) override;
  void Remove(const std::string& Path) override { Delete(Path); }
  bool SamePath(const std::string& A, const std::string& B) override { return PathKey(A) == PathKey(B); }
  std::string PathKey(const std::string& Path) override;
  std::string DateTimeText(uint32_t DosDateTime) override;
  uint32_t Ticks() override { return FTicks += FTickStep, FTicks - FTickStep; }

  struct TNode {
    std::string Name;
    enum { File, Dir, Link } Kind = File;
    int32_t Size = 0;
    uint32_t Time = 0;
    std::string Data;
    bool Unreadable = false;
    bool Unlistable = false;
    std::vector<std::string> Children;  // keys, in enumeration order
  };

private:
  friend class TFakeOutFile;
  char FSep;
  bool FIgnoreCase;
  std::map<std::string, TNode> FNodes;
  std::string FFailCreate;
  size_t FWriteBudget = static_cast<size_t>(-1);
  uint32_t FTicks = 0;
  uint32_t FTickStep = 0;

  std::string Key(const std::string& Path) const;
  std::string Parent(const std::string& Path) const;
  TNode& Put(const std::string& Path);
  TNode* Find(const std::string& Path);
  const TNode* Find(const std::string& Path) const;
};
