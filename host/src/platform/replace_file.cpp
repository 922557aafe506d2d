// Saves that replace a file all or nothing: written beside it under a name nobody
// else holds, then renamed over it. Its permissions survive, and a symbolic link
// keeps pointing at the file that gets the new text.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <ostream>
#include <streambuf>

#include "platform.h"
#include "platform/support_path.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

// An output stream buffer over a file descriptor; a failed write makes the
// stream bad instead of being lost.
class FdBuffer : public std::streambuf {
 public:
  explicit FdBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  bool drain() {
    const char* p = pbase();
    while (p < pptr()) {
      const ssize_t n = ::write(fd_, p, static_cast<size_t>(pptr() - p));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      p += n;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return true;
  }

  int fd_;
  std::array<char, 1 << 16> buffer_;
};

// The file a path names once its symbolic links are followed (the path itself
// when it is none). A dangling link names the file it would point at.
bool finalTarget(const fs::path& path, fs::path& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return true;
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) return false;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  errno = ELOOP;
  return false;
}

// A new empty file beside `target`, under a name no file had: O_EXCL never
// opens a file that is there already. The usual permissions (umask) apply.
int createTemporary(const fs::path& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = (dir / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                   std::to_string(counter++) + ".tmp"))
               .string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool replaceFile(std::string_view path, const std::function<bool(std::ostream&)>& write) {
  if (path.empty() || !write) return false;
  std::string temp;
  int fd = -1;
  bool ok = false;
  try {
    fs::path target;
    if (!finalTarget(fs::path(host::toFsPath(path)), target)) return false;
    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
      errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
      return false;
    }
    fd = createTemporary(target, temp);
    if (fd < 0) return false;
    if (existed) {
      // The owner first, as changing it clears set-id bits that fchmod then restores.
      // Only the superuser can give a file away: otherwise it stays the writer's own.
      if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        [[maybe_unused]] const int given = ::fchown(fd, old.st_uid, old.st_gid);
      }
      ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    if (!existed || ok) {
      FdBuffer buffer(fd);
      std::ostream out(&buffer);
      ok = write(out) && out.flush().good();
    }
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    fd = -1;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  } catch (...) {  // what `write` throws, or memory: a failed save like any other
    ok = false;
  }
  if (!ok) {
    const int why = errno;
    if (fd >= 0) ::close(fd);
    if (!temp.empty()) ::unlink(temp.c_str());
    errno = why;
  }
  return ok;
}

}  // namespace platform
