// Locks between processes: flock on a file kept open while the lock is held.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform.h"
#include "platform/support_path.h"

namespace platform {

int tryLockFile(std::string_view path) {
  if (path.empty()) return -1;
  const int fd = ::open(host::toFsPath(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  int r;
  do {
    r = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (r != 0 && errno == EINTR);
  if (r != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

void unlockFile(int handle) {
  if (handle < 0) return;
  ::flock(handle, LOCK_UN);
  ::close(handle);
}

}  // namespace platform
