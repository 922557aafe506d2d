// Saves and copies that replace a file all or nothing: written beside it under a name
// nobody else holds, then renamed over it. Its permissions survive, and a symbolic link
// keeps pointing at the file that gets the new text.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <functional>
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

// Fills a new temporary file beside `target` and renames it over `target`; the temporary
// file goes when anything fails, with errno saying why.
bool replaceWith(const fs::path& target, const std::function<bool(int)>& fill) {
  std::string temp;
  const int fd = createTemporary(target, temp);
  if (fd < 0) return false;
  bool ok = false;
  try {
    ok = fill(fd);
  } catch (...) {  // what a writer throws, or memory: a failed save like any other
    ok = false;
  }
  if (ok) ok = ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    const int why = errno;
    ::unlink(temp.c_str());
    errno = why;
  }
  return ok;
}

bool copyBytes(int in, int out) {
  std::array<char, 1 << 16> buffer;
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out, buffer.data() + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
  }
}

}  // namespace

bool replaceFile(std::string_view path, const std::function<bool(std::ostream&)>& write) {
  if (path.empty() || !write) return false;
  try {
    fs::path target;
    if (!finalTarget(fs::path(host::toFsPath(path)), target)) return false;
    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
      errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
      return false;
    }
    return replaceWith(target, [&](int fd) {
      if (existed) {
        // The owner first, as changing it clears set-id bits that fchmod then restores.
        // Only the superuser can give a file away: otherwise it stays the writer's own.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
          [[maybe_unused]] const int given = ::fchown(fd, old.st_uid, old.st_gid);
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) return false;
      }
      FdBuffer buffer(fd);
      std::ostream out(&buffer);
      return write(out) && out.flush().good();
    });
  } catch (...) {
    return false;
  }
}

bool copyFileReplacing(std::string_view from, std::string_view to) {
  if (from.empty() || to.empty()) return false;
  try {
    const std::string source = host::toFsPath(from);
    struct stat src, dst;
    if (::stat(source.c_str(), &src) != 0 || !S_ISREG(src.st_mode)) return false;
    fs::path target;
    if (!finalTarget(fs::path(host::toFsPath(to)), target)) return false;
    if (::stat(target.c_str(), &dst) == 0) {
      // The shell's rules, as copyFile keeps them: a read-only file is not overwritten.
      if (!S_ISREG(dst.st_mode) || (dst.st_mode & S_IWUSR) == 0) return false;
      if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) return false;
    }
    return replaceWith(target, [&](int fd) {
      const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
      if (in < 0) return false;
      // The permissions without set-id bits, which a copy does not carry.
      bool ok = ::fchmod(fd, src.st_mode & 0777) == 0 && copyBytes(in, fd);
      ::close(in);
      const struct timespec times[2] = {src.st_atim, src.st_mtim};
      return ok && ::futimens(fd, times) == 0;
    });
  } catch (...) {
    return false;
  }
}

}  // namespace platform
