#include "engine/DirIndex.h"

#include "engine/FileSystem.h"

void TDirIndex::Clear()
{
  FByKey.clear();
  FIndexed = 0;
  FLastDir.clear();
  FLastPos = -1;
}

// Indexes what was appended to List since the last call; the first of equal
// strings keeps its position, as a front-to-back search would find it.
void TDirIndex::Catch(const std::vector<std::string>& List, TFileSystem& Fs)
{
  if (List.size() < FIndexed) Clear();
  for (; FIndexed < List.size(); ++FIndexed) FByKey.emplace(Fs.PathKey(List[FIndexed]), static_cast<int32_t>(FIndexed));
}

int32_t TDirIndex::FindOrAdd(std::vector<std::string>& List, const std::string& Dir, TFileSystem& Fs)
{
  Catch(List, Fs);
  if (FLastPos >= 0 && Dir == FLastDir) return FLastPos;
  const std::string key = Fs.PathKey(Dir);
  auto found = FByKey.find(key);
  int32_t pos;
  if (found != FByKey.end()) {
    pos = found->second;
  } else {
    pos = static_cast<int32_t>(List.size());
    List.push_back(Dir);
    FByKey.emplace(key, pos);
    FIndexed = List.size();
  }
  FLastDir = Dir;
  FLastPos = pos;
  return pos;
}
