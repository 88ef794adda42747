#pragma once
#include <string>

#include "engine/Errors.h"
#include "engine/FileSystem.h"

// A temporary file beside its target, removed again unless it was committed.
class TTempFile {
public:
  TTempFile(TFileSystem& Fs, std::string Target) : FFs(Fs), FTarget(std::move(Target)), FPath(FTarget + ".tmp") {}
  ~TTempFile()
  {
    if (!FCommitted) FFs.Remove(FPath);
  }
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;

  void Write(const std::string& Data)
  {
    auto out = FFs.Create(FPath);
    if (!out) throw ECollectionCreateError(FmtMsg("Cannot create file %s", FTarget));
    const bool written = out->Write(Data.data(), Data.size());
    if (!out->Close() || !written) throw ECollectionWriteError(FmtMsg("Cannot write file %s", FTarget));
  }
  void Commit()
  {
    if (!FFs.Replace(FPath, FTarget)) throw ECollectionCreateError(FmtMsg("Cannot create file %s", FTarget));
    FCommitted = true;
  }

private:
  TFileSystem& FFs;
  std::string FTarget;
  std::string FPath;
  bool FCommitted = false;
};
