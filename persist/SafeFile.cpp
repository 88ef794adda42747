#include "persist/SafeFile.h"

#include <cstdio>
#include <fstream>

#include "framework/objects/Exceptions.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Replaces Target by Source in one step. POSIX rename already replaces an
// existing target; on Windows rename refuses an existing target, MoveFileExA does not.
bool MoveReplacing(const std::string& Source, const std::string& Target)
{
#ifdef _WIN32
    return MoveFileExA(Source.c_str(), Target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(Source.c_str(), Target.c_str()) == 0;
#endif
}

bool WriteAll(const std::string& FileName, std::string_view Bytes, bool& Created)
{
    std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
    Created = Out.is_open();
    if (!Created)
        return false;
    Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    Out.flush();
    Out.close();
    return !Out.fail();
}

} // namespace

std::string ReadWholeFile(const std::string& FileName)
{
    std::ifstream In(FileName, std::ios::binary);
    if (!In.is_open())
        throw EFOpenError("Cannot open file " + FileName);
    std::string Bytes;
    char Buffer[4096];
    while (In.read(Buffer, sizeof Buffer) || In.gcount() > 0)
        Bytes.append(Buffer, static_cast<size_t>(In.gcount()));
    if (In.bad())
        throw EReadError("Cannot read file " + FileName);
    return Bytes;
}

void ReplaceFileContents(const std::string& FileName, std::string_view Bytes)
{
    const std::string TempName = FileName + ".new";
    bool Created = false;
    if (WriteAll(TempName, Bytes, Created) && MoveReplacing(TempName, FileName))
        return;
    if (Created)
        std::remove(TempName.c_str());
    if (!Created)
        throw EFCreateError("Cannot create file " + FileName);
    throw EWriteError("Cannot write file " + FileName);
}
