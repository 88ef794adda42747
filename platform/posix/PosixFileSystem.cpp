#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>

#include "engine/Errors.h"
#include "platform/PlatformFileSystem.h"
#include "platform/posix/DosTime.h"

namespace {

void FillFromStat(const struct stat& St, TFindData& Entry)
{
  Entry.Directory = S_ISDIR(St.st_mode);
  Entry.Link = S_ISLNK(St.st_mode);
  Entry.Size = Entry.Directory ? 0 : static_cast<int32_t>(static_cast<uint32_t>(St.st_size));
  Entry.Time = DosDateTimeFromUnix(St.st_mtime);
}

TEntryState StateFromStat(const struct stat& St)
{
  TFindData entry;
  FillFromStat(St, entry);
  return {TEntryState::Present, entry.Time, entry.Size, entry.Directory};
}

class TPosixDirEnum : public TDirEnum {
public:
  TPosixDirEnum(const std::string& Dir, bool WantAttributes)
      : FDir(opendir(Dir.c_str())), FWantAttributes(WantAttributes)
  {
  }
  ~TPosixDirEnum() override
  {
    if (FDir)
      closedir(FDir);
  }
  TPosixDirEnum(const TPosixDirEnum&) = delete;
  TPosixDirEnum& operator=(const TPosixDirEnum&) = delete;

  bool Next(TFindData& Entry) override
  {
    while (FDir) {
      const dirent* d = readdir(FDir);
      if (!d)
        return false;
      Entry.Name = d->d_name;
      if (Entry.Name == "." || Entry.Name == "..") {
        Entry.Directory = true;
        Entry.Link = false;
        return true;
      }
      if (!FWantAttributes && d->d_type != DT_UNKNOWN) {
        Entry.Directory = d->d_type == DT_DIR;
        Entry.Link = d->d_type == DT_LNK;
        return true;
      }
      struct stat st;
      // An entry removed since readdir saw it is passed over, as Windows would not list it.
      if (fstatat(dirfd(FDir), d->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        FillFromStat(st, Entry);
        return true;
      }
    }
    return false;
  }

private:
  DIR* FDir;
  bool FWantAttributes;
};

class TFd {
public:
  explicit TFd(int Fd) : FFd(Fd) {}
  ~TFd()
  {
    if (FFd >= 0)
      close(FFd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int get() const { return FFd; }
  int release()
  {
    const int fd = FFd;
    FFd = -1;
    return fd;
  }

private:
  int FFd;
};

class TPosixInFile : public TInFile {
public:
  TPosixInFile(int Fd, const std::string& Path, const struct stat& St)
      : FFd(Fd), FPath(Path), FSize(static_cast<int32_t>(static_cast<uint32_t>(St.st_size))),
        FTime(DosDateTimeFromUnix(St.st_mtime))
  {
  }
  int32_t Size() const override { return FSize; }
  uint32_t Time() const override { return FTime; }
  size_t Read(void* Buffer, size_t Count) override
  {
    for (;;) {
      const ssize_t n = read(FFd.get(), Buffer, Count);
      if (n >= 0)
        return static_cast<size_t>(n);
      if (errno != EINTR)
        throw EQVError(FmtMsg("Cannot read file %s", FPath));
    }
  }

private:
  TFd FFd;
  std::string FPath;
  int32_t FSize;
  uint32_t FTime;
};

class TPosixOutFile : public TOutFile {
public:
  explicit TPosixOutFile(int Fd) : FFd(Fd) {}
  bool Write(const void* Buffer, size_t Count) override
  {
    const char* p = static_cast<const char*>(Buffer);
    while (Count > 0) {
      const ssize_t n = write(FFd.get(), p, Count);
      if (n < 0 && errno == EINTR)
        continue;
      if (n <= 0)
        return false;
      p += n;
      Count -= static_cast<size_t>(n);
    }
    return true;
  }
  // Flushed to the device before the caller renames it over the old file.
  bool Close() override
  {
    const bool synced = fsync(FFd.get()) == 0;
    return close(FFd.release()) == 0 && synced;
  }

private:
  TFd FFd;
};

}  // namespace

bool TPosixFileSystem::ValidEntryName(const std::string& Name) const
{
  return !Name.empty() && Name != "." && Name != ".." && Name.find('/') == std::string::npos;
}

std::string TPosixFileSystem::FullPath(const std::string& Path)
{
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(Path, ec);
  if (ec)
    return Path;
  return full.lexically_normal().string();
}

std::unique_ptr<TDirEnum> TPosixFileSystem::FindFirst(const std::string& Pattern, bool WantAttributes)
{
  // The pattern's last part is the engine's "*.*": every entry of the directory.
  const size_t slash = Pattern.rfind('/');
  std::string dir = slash == std::string::npos ? "." : Pattern.substr(0, slash);
  if (dir.empty())
    dir = "/";
  return std::make_unique<TPosixDirEnum>(dir, WantAttributes);
}

TEntryState TPosixFileSystem::Examine(const std::string& Path)
{
  // O_NONBLOCK: a recorded FIFO must not hang the compare; O_NOFOLLOW: a link
  // is judged by itself.
  TFd fd(open(Path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat st;
  if (fd.get() >= 0)
    return fstat(fd.get(), &st) == 0 ? StateFromStat(st) : TEntryState{TEntryState::Denied, 0, 0};
  const int openError = errno;
  if (openError == ENOENT || openError == ENOTDIR)
    return {TEntryState::Missing, 0, 0};
  if (lstat(Path.c_str(), &st) != 0)
    return {errno == ENOENT || errno == ENOTDIR ? TEntryState::Missing : TEntryState::Denied, 0, 0};
  // Links and directories are never opened as files, so a directory we may
  // not read is still checked by its own size and time.
  if (S_ISLNK(st.st_mode) || S_ISDIR(st.st_mode))
    return StateFromStat(st);
  return {TEntryState::Denied, 0, 0};
}

std::unique_ptr<TInFile> TPosixFileSystem::OpenRead(const std::string& Path)
{
  TFd fd(open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat st;
  if (fd.get() < 0 || fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode))
    return nullptr;
  return std::make_unique<TPosixInFile>(fd.release(), Path, st);
}

std::unique_ptr<TOutFile> TPosixFileSystem::Create(const std::string& Path)
{
  const int fd = open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0)
    return nullptr;
  return std::make_unique<TPosixOutFile>(fd);
}

bool TPosixFileSystem::Replace(const std::string& From, const std::string& To)
{
  return rename(From.c_str(), To.c_str()) == 0;
}

void TPosixFileSystem::Remove(const std::string& Path)
{
  unlink(Path.c_str());
}

std::string TPosixFileSystem::DateTimeText(uint32_t DosDateTime)
{
  const struct tm t = TmFromDosDateTime(DosDateTime);
  char date[128], time[128];
  if (strftime(date, sizeof date, "%x", &t) == 0)
    date[0] = 0;
  if ((DosDateTime & 0xFFFF) == 0)
    return date;
  if (strftime(time, sizeof time, "%X", &t) == 0)
    time[0] = 0;
  return std::string(date) + " " + time;
}

uint32_t TPosixFileSystem::Ticks()
{
  timespec ts {};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

std::unique_ptr<TFileSystem> CreatePlatformFileSystem()
{
  return std::make_unique<TPosixFileSystem>();
}
