#include "platform/fake/FakeFileSystem.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "engine/Errors.h"

TFakeFileSystem::TFakeFileSystem(char Sep, bool IgnoreCase) : FSep(Sep), FIgnoreCase(IgnoreCase) {}

std::string TFakeFileSystem::Key(const std::string& Path) const
{
  std::string key = Path;
  while (key.size() > 1 && key.back() == FSep) key.pop_back();
  if (FIgnoreCase) std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
  return key;
}

std::string TFakeFileSystem::PathKey(const std::string& Path)
{
  std::string key = Path;
  if (FIgnoreCase) std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
  return key;
}

std::string TFakeFileSystem::Parent(const std::string& Path) const
{
  const size_t at = Path.rfind(FSep);
  return at == std::string::npos ? std::string() : Path.substr(0, at);
}

TFakeFileSystem::TNode* TFakeFileSystem::Find(const std::string& Path)
{
  auto it = FNodes.find(Key(Path));
  return it == FNodes.end() ? nullptr : &it->second;
}

const TFakeFileSystem::TNode* TFakeFileSystem::Find(const std::string& Path) const
{
  auto it = FNodes.find(Key(Path));
  return it == FNodes.end() ? nullptr : &it->second;
}

// Creates the node and every missing directory above it.
TFakeFileSystem::TNode& TFakeFileSystem::Put(const std::string& Path)
{
  const std::string key = Key(Path);
  auto found = FNodes.find(key);
  if (found != FNodes.end()) return found->second;
  const size_t at = Path.rfind(FSep);
  if (at != std::string::npos) {
    const std::string parent = Path.substr(0, at);
    TNode& dir = parent.empty() ? FNodes[Key(std::string())] : Put(parent);
    dir.Kind = TNode::Dir;
    dir.Children.push_back(key);
  }
  TNode& node = FNodes[key];
  node.Name = at == std::string::npos ? Path : Path.substr(at + 1);
  return node;
}

void TFakeFileSystem::AddDir(const std::string& Path, uint32_t Time)
{
  TNode& n = Put(Path);
  n.Kind = TNode::Dir;
  n.Time = Time;
  n.Size = 0;
}

void TFakeFileSystem::AddFile(const std::string& Path, int32_t Size, uint32_t Time)
{
  TNode& n = Put(Path);
  n.Kind = TNode::File;
  n.Size = Size;
  n.Time = Time;
}

void TFakeFileSystem::AddLink(const std::string& Path, int32_t Size, uint32_t Time)
{
  AddFile(Path, Size, Time);
  Find(Path)->Kind = TNode::Link;
}

void TFakeFileSystem::SetContents(const std::string& Path, const std::string& Data, uint32_t Time)
{
  AddFile(Path, static_cast<int32_t>(Data.size()), Time);
  Find(Path)->Data = Data;
}

void TFakeFileSystem::SetSize(const std::string& Path, int32_t Size) { Find(Path)->Size = Size; }
void TFakeFileSystem::SetTime(const std::string& Path, uint32_t Time) { Find(Path)->Time = Time; }
void TFakeFileSystem::SetUnreadable(const std::string& Path) { Find(Path)->Unreadable = true; }
void TFakeFileSystem::SetUnlistable(const std::string& Path) { Find(Path)->Unlistable = true; }

void TFakeFileSystem::Delete(const std::string& Path)
{
  const std::string key = Key(Path);
  auto it = FNodes.find(key);
  if (it == FNodes.end()) return;
  for (const std::string& child : std::vector<std::string>(it->second.Children))
    Delete(Path + FSep + FNodes[child].Name);
  FNodes.erase(key);
  if (TNode* parent = Find(Parent(Path))) std::erase(parent->Children, key);
}

bool TFakeFileSystem::Exists(const std::string& Path) const { return Find(Path) != nullptr; }

std::string TFakeFileSystem::Contents(const std::string& Path) const
{
  const TNode* n = Find(Path);
  return n ? n->Data : std::string();
}

std::vector<std::string> TFakeFileSystem::Children(const std::string& Dir) const
{
  std::vector<std::string> names;
  if (const TNode* n = Find(Dir))
    for (const std::string& key : n->Children) names.push_back(FNodes.at(key).Name);
  return names;
}

bool TFakeFileSystem::IsPathDelimiter(char C) const { return C == FSep || (FSep == '\\' && (C == '/' || C == ':')); }

bool TFakeFileSystem::ValidEntryName(const std::string& Name) const
{
  return !Name.empty() && Name != "." && Name != ".." &&
         std::none_of(Name.begin(), Name.end(), [this](char c) { return IsPathDelimiter(c); });
}

namespace {

class TFakeDirEnum : public TDirEnum {
public:
  explicit TFakeDirEnum(std::vector<TFindData> Entries) : FEntries(std::move(Entries)) {}
  bool Next(TFindData& Entry) override
  {
    if (FPos >= FEntries.size()) return false;
    Entry = FEntries[FPos++];
    return true;
  }

private:
  std::vector<TFindData> FEntries;
  size_t FPos = 0;
};

class TFakeInFile : public TInFile {
public:
  TFakeInFile(std::string Data, int32_t Size, uint32_t Time) : FData(std::move(Data)), FSize(Size), FTime(Time) {}
  int32_t Size() const override { return FSize; }
  uint32_t Time() const override { return FTime; }
  size_t Read(void* Buffer, size_t Count) override
  {
    const size_t n = std::min(Count, FData.size() - FPos);
    std::memcpy(Buffer, FData.data() + FPos, n);
    FPos += n;
    return n;
  }

private:
  std::string FData;
  int32_t FSize;
  uint32_t FTime;
  size_t FPos = 0;
};

}  // namespace

class TFakeOutFile : public TOutFile {
public:
  TFakeOutFile(TFakeFileSystem& Fs, std::string Path) : FFs(Fs), FPath(std::move(Path)) {}
  bool Write(const void* Buffer, size_t Count) override
  {
    const size_t n = std::min(Count, FFs.FWriteBudget);
    FFs.FWriteBudget -= n;
    TFakeFileSystem::TNode* node = FFs.Find(FPath);
    if (!node) return false;
    node->Data.append(static_cast<const char*>(Buffer), n);
    node->Size = static_cast<int32_t>(node->Data.size());
    return n == Count;
  }
  bool Close() override { return true; }

private:
  TFakeFileSystem& FFs;
  std::string FPath;
};

std::unique_ptr<TDirEnum> TFakeFileSystem::FindFirst(const std::string& Pattern, bool)
{
  std::vector<TFindData> entries;
  const TNode* dir = Find(Parent(Pattern));
  if (dir && dir->Kind == TNode::Dir && !dir->Unlistable) {
    entries.push_back({".", true, false, dir->Time, 0});
    entries.push_back({"..", true, false, 0, 0});
    for (const std::string& key : dir->Children) {
      const TNode& n = FNodes.at(key);
      entries.push_back({n.Name, n.Kind == TNode::Dir, n.Kind == TNode::Link, n.Time, n.Size});
    }
  }
  return std::make_unique<TFakeDirEnum>(std::move(entries));
}

TEntryState TFakeFileSystem::Examine(const std::string& Path)
{
  const TNode* n = Find(Path);
  if (!n) return {TEntryState::Missing, 0, 0};
  if (n->Kind == TNode::File && n->Unreadable) return {TEntryState::Denied, 0, 0};
  return {TEntryState::Present, n->Time, n->Size, n->Kind == TNode::Dir};
}

std::unique_ptr<TInFile> TFakeFileSystem::OpenRead(const std::string& Path)
{
  const TNode* n = Find(Path);
  if (!n || n->Kind != TNode::File || n->Unreadable) return nullptr;
  return std::make_unique<TFakeInFile>(n->Data, n->Size, n->Time);
}

std::unique_ptr<TOutFile> TFakeFileSystem::Create(const std::string& Path)
{
  if (!FFailCreate.empty() && Key(Path) == Key(FFailCreate)) return nullptr;
  const TNode* parent = Find(Parent(Path));
  if (!parent || parent->Kind != TNode::Dir) return nullptr;
  SetContents(Path, std::string());
  return std::make_unique<TFakeOutFile>(*this, Path);
}

bool TFakeFileSystem::Replace(const std::string& From, const std::string& To)
{
  const TNode* from = Find(From);
  if (!from) return false;
  const std::string data = from->Data;
  const uint32_t time = from->Time;
  Delete(From);
  SetContents(To, data, time);
  return true;
}

std::string TFakeFileSystem::DateTimeText(uint32_t DosDateTime)
{
  const unsigned date = DosDateTime >> 16, time = DosDateTime & 0xFFFF;
  char text[64];
  std::snprintf(text, sizeof text, "%02u.%02u.%04u", date & 31, (date >> 5) & 15, (date >> 9) + 1980);
  std::string result = text;
  if (time != 0) {
    std::snprintf(text, sizeof text, " %02u:%02u:%02u", time >> 11, (time >> 5) & 63, (time & 31) * 2);
    result += text;
  }
  return result;
}
