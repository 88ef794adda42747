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
  {}
  ~TPosixDirEnum() override
  {
    if (FDir) closedir(FDir);
  }
  TPosixDirEnum(const TPosixDirEnum&) = delete;
  TPosixDirEnum& operator=(const TPosixDirEnum&) = delete;

  bool Next(TFindData& Entry) override
  {
    while (FDir) {
      const dirent* d = readdir(FDir);
      if (!d) return false;
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
    if (FFd >= 0) close(FFd);
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
  {}
  int32_t Size() const override { return FSize; }
  uint32_t Time() const override { return FTime; }
  size_t Read(void* Buffer, size_t Count) override
  {
    for (;;) {
      const ssize_t n = read(FFd.get(), Buffer, Count);
      if (n >= 0) return static_cast<size_t>(n);
      if (errno != EINTR) throw EQVError(FmtMsg("Cannot read file %s", FPath));
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
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
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
  if (ec) return Path;
  return full.lexically_normal().string();
}

std::unique_ptr<TDirEnum> TPosixFileSystem::FindFirst(const std::string& Pattern, bool WantAttributes)
{
  // The pattern's last part is the engine's "*.*": every entry of the directory.
  const size_t slash = Pattern.rfind('/');
  std::string dir = slash == std::string::npos ? "." : Pattern.substr(0, slash);
  if (dir.empty()) dir = "/";
  return std::make_unique<TPosixDirEnum>(dir, WantAttributes);
}

TPosixFileSystem::TPosixFileSystem() : FEuid(geteuid()) {}

TPosixFileSystem::~TPosixFileSystem()
{
  if (FExamineDirFd >= 0) close(FExamineDirFd);
}

int TPosixFileSystem::DirFdFor(const std::string& Dir)
{
  // Reopened after a pause, so that a directory replaced between two
  // compares is never looked at through the old one.
  const uint32_t now = Ticks();
  const bool fresh = now - FExamineDirUsed < 1000;
  FExamineDirUsed = now;
  if (FExamineDirFd >= 0 && Dir == FExamineDir && fresh) return FExamineDirFd;
  if (FExamineDirFd >= 0) close(FExamineDirFd);
  FExamineDir = Dir;
  FExamineDirFd = open(Dir.empty() ? "/" : Dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  return FExamineDirFd;
}

// Whether opening a regular file for reading is bound to succeed, judged from
// its owner bits, which no ACL entry can narrow: the file is ours and
// owner-readable, or we are root. The compare then needs one call per file
// instead of open, fstat and close; any other file is really opened.
bool TPosixFileSystem::EvidentlyReadable(const struct stat& St) const
{
  return FEuid == 0 || (St.st_uid == FEuid && (St.st_mode & S_IRUSR));
}

TEntryState TPosixFileSystem::Examine(const std::string& Path)
{
  const size_t slash = Path.rfind('/');
  const int dirFd = slash == std::string::npos ? AT_FDCWD : DirFdFor(Path.substr(0, slash));
  const char* name = slash == std::string::npos ? Path.c_str() : Path.c_str() + slash + 1;
  struct stat st;
  if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 && lstat(Path.c_str(), &st) != 0)
    return {errno == ENOENT || errno == ENOTDIR ? TEntryState::Missing : TEntryState::Denied, 0, 0};
  // Links and directories are never opened as files.
  if (S_ISLNK(st.st_mode) || S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && EvidentlyReadable(st)))
    return StateFromStat(st);
  // O_NONBLOCK: a recorded FIFO must not hang the compare; O_NOFOLLOW: a link
  // swapped in meanwhile is not followed.
  TFd fd(openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0 || fstat(fd.get(), &st) != 0)
    return {errno == ENOENT ? TEntryState::Missing : TEntryState::Denied, 0, 0};
  return StateFromStat(st);
}

std::unique_ptr<TInFile> TPosixFileSystem::OpenRead(const std::string& Path)
{
  TFd fd(open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat st;
  if (fd.get() < 0 || fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
  return std::make_unique<TPosixInFile>(fd.release(), Path, st);
}

std::unique_ptr<TOutFile> TPosixFileSystem::Create(const std::string& Path)
{
  const int fd = open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  return std::make_unique<TPosixOutFile>(fd);
}

bool TPosixFileSystem::Replace(const std::string& From, const std::string& To)
{
  return rename(From.c_str(), To.c_str()) == 0;
}

void TPosixFileSystem::Remove(const std::string& Path) { unlink(Path.c_str()); }

std::string TPosixFileSystem::DateTimeText(uint32_t DosDateTime)
{
  const struct tm t = TmFromDosDateTime(DosDateTime);
  char date[128], time[128];
  if (strftime(date, sizeof date, "%x", &t) == 0) date[0] = 0;
  if ((DosDateTime & 0xFFFF) == 0) return date;
  if (strftime(time, sizeof time, "%X", &t) == 0) time[0] = 0;
  return std::string(date) + " " + time;
}

uint32_t TPosixFileSystem::Ticks()
{
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

std::unique_ptr<TFileSystem> CreatePlatformFileSystem() { return std::make_unique<TPosixFileSystem>(); }
