#include "platform/PlatformFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int AccessFlags(uint16_t Mode)
{
  // Created files are emptied only after the lock is held (see OpenPlatformFile).
  if ((Mode & 0xFF00) == fmCreate) return O_RDWR | O_CREAT;
  switch (Mode & 0x0003) {
    case fmOpenWrite: return O_WRONLY;
    case fmOpenReadWrite: return O_RDWR;
    default: return O_RDONLY;
  }
}

// POSIX has no sharing modes; advisory locks give a similar refusal between
// our own file streams: exclusive (and the compatibility mode, which Windows
// treats as exclusive) and deny-read take the exclusive lock, deny-write the
// shared one, deny-none none. A created file locks only when a sharing mode
// is given with fmCreate.
int LockFor(uint16_t Mode)
{
  const bool create = (Mode & 0xFF00) == fmCreate;
  switch (Mode & 0x00F0) {
    case fmShareCompat: return create ? 0 : LOCK_EX;
    case fmShareExclusive: return LOCK_EX;
    case fmShareDenyRead: return LOCK_EX;
    case fmShareDenyWrite: return LOCK_SH;
    default: return 0;
  }
}

class TPosixFile : public TPlatformFile {
public:
  explicit TPosixFile(int Fd) : FFd(Fd) {}
  ~TPosixFile() override { ::close(FFd); }

  int64_t Read(void* Buffer, int64_t Count) override
  {
    const ssize_t n = ::read(FFd, Buffer, static_cast<size_t>(Count));
    return n < 0 ? 0 : n;
  }
  int64_t Write(const void* Buffer, int64_t Count) override
  {
    const ssize_t n = ::write(FFd, Buffer, static_cast<size_t>(Count));
    return n < 0 ? 0 : n;
  }
  int64_t Seek(int64_t Offset, int Origin) override
  {
    const int whence = Origin == 0 ? SEEK_SET : Origin == 1 ? SEEK_CUR : SEEK_END;
    return ::lseek(FFd, static_cast<off_t>(Offset), whence);
  }
  bool Truncate(int64_t Size) override { return ::ftruncate(FFd, static_cast<off_t>(Size)) == 0; }

private:
  int FFd;
};
}  // namespace

std::unique_ptr<TPlatformFile> OpenPlatformFile(const std::string& FileName, uint16_t Mode)
{
  const int fd = ::open(FileName.c_str(), AccessFlags(Mode) | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  const int lock = LockFor(Mode);
  if (lock != 0 && ::flock(fd, lock | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  if ((Mode & 0xFF00) == fmCreate && ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<TPosixFile>(fd);
}

bool PlatformFileExists(const std::string& FileName)
{
  struct stat st;
  return ::stat(FileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
