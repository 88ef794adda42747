#include "framework/objects/FileHandle.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/objects/Streams.h"

namespace {
int AccessFlags(uint16_t Mode)
{
  // Created files are emptied only after the lock is held (see Open).
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
}  // namespace

TFileHandle* TFileHandle::Open(const std::string& FileName, uint16_t Mode)
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
  return new TFileHandle(fd);
}

TFileHandle::~TFileHandle() { ::close(static_cast<int>(FHandle)); }

int64_t TFileHandle::Read(void* Buffer, int64_t Count)
{
  const ssize_t n = ::read(static_cast<int>(FHandle), Buffer, static_cast<size_t>(Count));
  return n < 0 ? 0 : n;
}

int64_t TFileHandle::Write(const void* Buffer, int64_t Count)
{
  const ssize_t n = ::write(static_cast<int>(FHandle), Buffer, static_cast<size_t>(Count));
  return n < 0 ? 0 : n;
}

int64_t TFileHandle::Seek(int64_t Offset, int Origin)
{
  const int whence = Origin == 0 ? SEEK_SET : Origin == 1 ? SEEK_CUR : SEEK_END;
  return ::lseek(static_cast<int>(FHandle), static_cast<off_t>(Offset), whence);
}

bool TFileHandle::Truncate(int64_t Size)
{
  return ::ftruncate(static_cast<int>(FHandle), static_cast<off_t>(Size)) == 0;
}

bool FileExistsImpl(const std::string& FileName)
{
  struct stat st;
  return ::stat(FileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
