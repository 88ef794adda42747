// Saving and loading the collection file and its directory-list file.
#include <string>

#include "engine/CollectionFile.h"
#include "engine/Errors.h"
#include "engine/FileSystem.h"
#include "engine/QVEngine.h"
#include "engine/TempFile.h"
#include "util/TextLines.h"

std::string TQVEngine::DirListFileName(const std::string& FileName) const
{
  for (size_t i = FileName.size(); i-- > 0;) {
    if (FFs.IsPathDelimiter(FileName[i])) break;
    if (FileName[i] == '.') return FileName.substr(0, i) + ".qd";
  }
  return FileName + ".qd";
}

// Both files are written in full beside their targets first, so that a full
// disk or a failing device never leaves a half-written collection, nor
// destroys the one saved before under the same name.
void TQVEngine::SaveCollection(const std::string& FileName) const
{
  std::string records;
  for (const TQVRec& rec : FRecList) AppendRecord(records, rec);
  std::string dirs = std::string(Banner) + "\r\n";
  for (const std::string& dir : FDirList) dirs.append(dir).append("\r\n");

  const std::string dirFileName = DirListFileName(FileName);
  TTempFile collection(FFs, FileName);
  collection.Write(records);
  records = std::string();
  TTempFile dirList(FFs, dirFileName);
  dirList.Write(dirs);
  collection.Commit();
  dirList.Commit();
}

void TQVEngine::ReadCollection(const std::string& FileName, uint32_t& CollectionTime)
{
  auto in = FFs.OpenRead(FileName);
  if (!in) throw ECollectionOpenError(FmtMsg("Cannot open file %s", FileName));
  TRecordReader reader(*in);
  TQVRec rec;
  while (reader.Next(rec)) {
    // A name a scan cannot have recorded would let a crafted collection point
    // the report, and the user's Delete and Open, outside the scanned tree.
    if (!FFs.ValidEntryName(rec.Name)) throw EDamagedCollection(FmtMsg("Collection file %s is damaged.", FileName));
    FRecList.push_back(std::move(rec));
    rec = TQVRec();
  }
  if (reader.Damage() != TRecordReader::None)
    throw EDamagedCollection(FmtMsg("Collection file %s is damaged.", FileName));
  ReadDirList(DirListFileName(FileName));
  CollectionTime = in->Time();
}

void TQVEngine::ReadDirList(const std::string& FileName)
{
  auto in = FFs.OpenRead(FileName);
  if (!in) throw ECollectionOpenError(FmtMsg("Cannot open file %s", FileName));
  std::string text;
  char buf[64 * 1024];
  while (size_t n = in->Read(buf, sizeof buf)) text.append(buf, n);
  FDirList = SplitTextLines(text);
  if (!FDirList.empty()) FDirList.erase(FDirList.begin());
  FDirIndex.Clear();
}
