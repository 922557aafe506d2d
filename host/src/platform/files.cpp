// Files, directories and the current directory, with the Windows shell's
// rules where modules rely on them (read-only files are not deleted or
// overwritten, a move never replaces an existing file).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

#include "platform.h"
#include "platform/stat_info.h"
#include "platform/support_path.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

bool statPath(std::string_view path, struct stat& st) {
  if (path.empty()) return false;
  return ::stat(host::toFsPath(path).c_str(), &st) == 0;
}

}  // namespace

std::string currentDirectory() {
  char buf[PATH_MAX];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

bool setCurrentDirectory(std::string_view path) {
  return !path.empty() && ::chdir(host::toFsPath(path).c_str()) == 0;
}

bool pathExists(std::string_view path) {
  struct stat st;
  return statPath(path, st);
}

bool fileExists(std::string_view path) {
  struct stat st;
  return statPath(path, st) && !S_ISDIR(st.st_mode);
}

bool directoryExists(std::string_view path) {
  struct stat st;
  return statPath(path, st) && S_ISDIR(st.st_mode);
}

std::optional<FileInfo> fileInfo(std::string_view path) {
  struct stat st;
  if (!statPath(path, st)) return std::nullopt;
  return infoFromStat(st);
}

bool isReadOnly(std::string_view path) {
  struct stat st;
  return statPath(path, st) && (st.st_mode & S_IWUSR) == 0;
}

bool setReadOnly(std::string_view path, bool readOnly) {
  struct stat st;
  if (!statPath(path, st)) return false;
  mode_t mode = st.st_mode & 07777;
  mode = readOnly ? (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
  return ::chmod(host::toFsPath(path).c_str(), mode) == 0;
}

bool createDirectory(std::string_view path) {
  return !path.empty() && ::mkdir(host::toFsPath(path).c_str(), 0777) == 0;
}

bool removeDirectory(std::string_view path) {
  return !path.empty() && ::rmdir(host::toFsPath(path).c_str()) == 0;
}

bool copyFile(std::string_view from, std::string_view to, bool failIfExists) {
  struct stat src, dst;
  if (!statPath(from, src) || !S_ISREG(src.st_mode) || to.empty()) return false;
  if (statPath(to, dst)) {
    if (failIfExists || S_ISDIR(dst.st_mode) || (dst.st_mode & S_IWUSR) == 0) return false;
    if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) return false;
  }
  const std::string target = host::toFsPath(to);
  std::error_code ec;
  if (!fs::copy_file(host::toFsPath(from), target, fs::copy_options::overwrite_existing, ec))
    return false;
  // The copy keeps the original's time, as the shell's copy does.
  const struct timespec times[2] = {src.st_atim, src.st_mtim};
  ::utimensat(AT_FDCWD, target.c_str(), times, 0);
  return true;
}

bool moveFile(std::string_view from, std::string_view to) {
  struct stat st;
  if (!statPath(from, st) || to.empty() || pathExists(to)) return false;
  const std::string source = host::toFsPath(from), target = host::toFsPath(to);
  if (::rename(source.c_str(), target.c_str()) == 0) return true;
  if (errno != EXDEV) return false;
  std::error_code ec;
  fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
  if (ec) {
    fs::remove_all(target, ec);
    return false;
  }
  fs::remove_all(source, ec);
  return !ec;
}

bool appendToFile(std::string_view path, std::string_view text) {
  if (path.empty()) return false;
  const int fd =
      ::open(host::toFsPath(path).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  // One write: O_APPEND puts it whole at the end, whoever else appends meanwhile.
  ssize_t n;
  do {
    n = ::write(fd, text.data(), text.size());
  } while (n < 0 && errno == EINTR);
  const bool whole = n == static_cast<ssize_t>(text.size());
  return ::close(fd) == 0 && whole;
}

bool deleteFile(std::string_view path) {
  struct stat st;
  if (!statPath(path, st) || S_ISDIR(st.st_mode) || (st.st_mode & S_IWUSR) == 0) return false;
  return ::unlink(host::toFsPath(path).c_str()) == 0;
}

}  // namespace platform
