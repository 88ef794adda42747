#include "persist/SafeFile.h"

#include <cstdio>
#include <fstream>

#include "framework/objects/Exceptions.h"
#include "platform/FileReplace.h"

namespace {

bool WriteAll(const std::string& FileName, std::string_view Bytes, bool& Created)
{
  std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
  Created = Out.is_open();
  if (!Created) return false;
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  Out.flush();
  Out.close();
  return !Out.fail();
}

}  // namespace

std::string ReadWholeFile(const std::string& FileName)
{
  std::ifstream In(FileName, std::ios::binary);
  if (!In.is_open()) throw EFOpenError("Cannot open file " + FileName);
  std::string Bytes;
  char Buffer[4096];
  while (In.read(Buffer, sizeof Buffer) || In.gcount() > 0) Bytes.append(Buffer, static_cast<size_t>(In.gcount()));
  if (In.bad()) throw EReadError("Cannot read file " + FileName);
  return Bytes;
}

void ReplaceFileContents(const std::string& FileName, std::string_view Bytes)
{
  const std::string TempName = FileName + ".new";
  bool Created = false;
  if (WriteAll(TempName, Bytes, Created) && MoveReplacing(TempName, FileName)) return;
  if (Created) std::remove(TempName.c_str());
  if (!Created) throw EFCreateError("Cannot create file " + FileName);
  throw EWriteError("Cannot write file " + FileName);
}
