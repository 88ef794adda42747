#pragma once
// The engine's one window onto the platform. Everything the scan and compare
// need from the file system, the clock and the user's locale goes through
// TFileSystem, so the engine itself runs unchanged on Windows, on Linux and
// against an in-memory fake in tests.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// One directory entry, as the platform's enumeration delivers it.
struct TFindData {
  std::string Name;
  bool Directory = false;  // a directory a walk may enter
  bool Link = false;       // symbolic link or reparse point: recorded, never followed
  uint32_t Time = 0;       // last write as a local DOS date-time
  int32_t Size = 0;        // low 32 bits of the size; 0 for directories
};

class TDirEnum {
public:
  virtual ~TDirEnum() = default;
  // Fills Entry with the next entry; false when there is none (or on any error).
  virtual bool Next(TFindData& Entry) = 0;
};

// What a compare finds at a recorded path.
struct TEntryState {
  enum TKind { Missing, Denied, Present };
  TKind Kind = Missing;
  uint32_t Time = 0;
  int32_t Size = 0;
  bool Directory = false;  // set with Present
};

class TInFile {
public:
  virtual ~TInFile() = default;
  virtual int32_t Size() const = 0;   // low 32 bits
  virtual uint32_t Time() const = 0;  // local DOS date-time of the last write
  // Reads up to Count bytes and returns how many; 0 at the end. Throws on a read error.
  virtual size_t Read(void* Buffer, size_t Count) = 0;
};

class TOutFile {
public:
  virtual ~TOutFile() = default;
  virtual bool Write(const void* Buffer, size_t Count) = 0;  // false unless all was written
  virtual bool Close() = 0;                                  // false when flushing failed
};

class TFileSystem {
public:
  virtual ~TFileSystem() = default;

  virtual char Separator() const = 0;
  // True for characters that end a directory part of a path ('\\', '/' and ':' on Windows).
  virtual bool IsPathDelimiter(char C) const = 0;
  // A name a directory enumeration could have returned (no separator, not "." or "..").
  virtual bool ValidEntryName(const std::string& Name) const = 0;
  // Absolute form of a path as the user typed it.
  virtual std::string FullPath(const std::string& Path) = 0;

  // Enumerates Pattern (a directory followed by the engine's mask). A directory
  // that cannot be listed yields no entries. With WantAttributes false, only
  // Name, Directory and Link need be filled, which some platforms do cheaper.
  virtual std::unique_ptr<TDirEnum> FindFirst(const std::string& Pattern, bool WantAttributes) = 0;
  // Files are opened for reading with all sharing allowed; directories and
  // links are judged by their own size and time, never opened or followed.
  virtual TEntryState Examine(const std::string& Path) = 0;
  // Opens for reading with all sharing allowed; nullptr on failure.
  virtual std::unique_ptr<TInFile> OpenRead(const std::string& Path) = 0;
  // Creates or truncates for writing; nullptr on failure.
  virtual std::unique_ptr<TOutFile> Create(const std::string& Path) = 0;
  // Moves From over To, replacing it; false on failure.
  virtual bool Replace(const std::string& From, const std::string& To) = 0;
  virtual void Remove(const std::string& Path) = 0;

  // The platform's path comparison: case-insensitive under the user's locale
  // on Windows, exact on Linux.
  virtual bool SamePath(const std::string& A, const std::string& B) = 0;
  // A key with PathKey(A) == PathKey(B) exactly when SamePath(A, B).
  virtual std::string PathKey(const std::string& Path) = 0;

  // The user's short date, a space, the long time; no time at exactly midnight.
  virtual std::string DateTimeText(uint32_t DosDateTime) = 0;
  virtual uint32_t Ticks() = 0;  // milliseconds, wrapping
};
