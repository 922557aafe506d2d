// Registry values kept in the host's registry file. Every call reads the file
// afresh under a lock, so several hosts can share it.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

#include "base/context.h"
#include "platform.h"
#include "platform/registry_data.h"
#include "platform/support_path.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string homeDirectory() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return ".";
}

std::mutex& registryMutex() {
  static std::mutex m;
  return m;
}

// The file read and locked for one call; saved only when asked.
// The state of the registry file whose unreadable lines were last reported.
struct ReportedRegistry {
  std::string state;
};

class RegistryFile {
 public:
  explicit RegistryFile(bool forWriting) : path_(registryFilePath()), guard_(registryMutex()) {
    std::error_code ec;
    if (forWriting) fs::create_directories(fs::path(path_).parent_path(), ec);
    lockFd_ = ::open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ >= 0) ::flock(lockFd_, LOCK_EX);
    load();
  }
  ~RegistryFile() {
    if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
  }
  RegistryFile(const RegistryFile&) = delete;
  RegistryFile& operator=(const RegistryFile&) = delete;

  RegistryData& data() { return data_; }

  bool save() {
    std::error_code ec;
    fs::create_directories(fs::path(path_).parent_path(), ec);
    if (badLines_ > 0) {
      // What could not be read is not thrown away with the rewrite.
      const std::string kept = path_ + ".bad";
      fs::copy_file(path_, kept, fs::copy_options::overwrite_existing, ec);
      if (!ec)
        host::context().print("Registre " + path_ + ": ancien fichier gardé sous " + kept + "\n");
      badLines_ = 0;
    }
    const std::string text = data_.serialize();
    return replaceFile(path_, [&](std::ostream& out) { return static_cast<bool>(out << text); });
  }

 private:
  void load() {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return;
    std::ostringstream s;
    s << in.rdbuf();
    data_ = RegistryData::parse(s.str(), badLines_);
    if (badLines_ > 0) reportOnce();
  }

  // One message per state of the file, not one per call.
  void reportOnce() {
    struct stat st {};
    ::stat(path_.c_str(), &st);
    const std::string state = path_ + ":" + std::to_string(st.st_size) + ":" +
                              std::to_string(st.st_mtim.tv_sec) + "." +
                              std::to_string(st.st_mtim.tv_nsec);
    std::string& reported = host::context().state<ReportedRegistry>().state;
    if (state == reported) return;
    reported = state;
    host::context().print("Registre " + path_ + ": " + std::to_string(badLines_) +
                          " ligne(s) illisible(s) ignorée(s)\n");
  }

  std::string path_;
  std::lock_guard<std::mutex> guard_;
  int lockFd_ = -1;
  RegistryData data_;
  size_t badLines_ = 0;
};

template <class F>
auto guarded(F&& f, decltype(f()) failure) {
  try {
    return f();
  } catch (...) {
    return failure;
  }
}

}  // namespace

std::string registryFilePath() {
  if (const char* p = std::getenv("CADHOST_REGISTRY"); p && *p) return host::toFsPath(p);
  return homeDirectory() + "/.cadhost/registry.txt";
}

std::optional<std::string> readRegistryString(std::string_view key, std::string_view name) {
  return guarded(
      [&]() -> std::optional<std::string> {
        auto path = normalizeRegistryKey(key);
        if (!path) return std::nullopt;
        RegistryFile file(false);
        RegistryKey* k = file.data().find(*path);
        RegistryValue* v = k ? k->find(name) : nullptr;
        if (!v || v->isDword) return std::nullopt;
        return v->text;
      },
      std::nullopt);
}

std::optional<uint32_t> readRegistryDword(std::string_view key, std::string_view name) {
  return guarded(
      [&]() -> std::optional<uint32_t> {
        auto path = normalizeRegistryKey(key);
        if (!path) return std::nullopt;
        RegistryFile file(false);
        RegistryKey* k = file.data().find(*path);
        RegistryValue* v = k ? k->find(name) : nullptr;
        if (!v || !v->isDword) return std::nullopt;
        return v->dword;
      },
      std::nullopt);
}

static bool writeValue(std::string_view key, RegistryValue value) {
  auto path = normalizeRegistryKey(key);
  if (!path) return false;
  RegistryFile file(true);
  file.data().make(*path).set(std::move(value));
  return file.save();
}

bool writeRegistryString(std::string_view key, std::string_view name, std::string_view value) {
  return guarded(
      [&] {
        RegistryValue v;
        v.name = std::string(name);
        v.text = std::string(value);
        return writeValue(key, std::move(v));
      },
      false);
}

bool writeRegistryDword(std::string_view key, std::string_view name, uint32_t value) {
  return guarded(
      [&] {
        RegistryValue v;
        v.name = std::string(name);
        v.isDword = true;
        v.dword = value;
        return writeValue(key, std::move(v));
      },
      false);
}

bool deleteRegistryValue(std::string_view key, std::string_view name) {
  return guarded(
      [&] {
        auto path = normalizeRegistryKey(key);
        if (!path) return false;
        RegistryFile file(false);
        RegistryKey* k = file.data().find(*path);
        if (!k || !k->erase(name)) return false;
        return file.save();
      },
      false);
}

bool deleteRegistryKey(std::string_view key) {
  return guarded(
      [&] {
        auto path = normalizeRegistryKey(key);
        if (!path) return false;
        RegistryFile file(false);
        if (!file.data().erase(*path)) return false;
        return file.save();
      },
      false);
}

bool registryKeyExists(std::string_view key) {
  return guarded(
      [&] {
        auto path = normalizeRegistryKey(key);
        if (!path) return false;
        RegistryFile file(false);
        return file.data().exists(*path);
      },
      false);
}

std::vector<std::string> registryValueNames(std::string_view key) {
  return guarded(
      [&] {
        std::vector<std::string> names;
        auto path = normalizeRegistryKey(key);
        if (!path) return names;
        RegistryFile file(false);
        if (RegistryKey* k = file.data().find(*path))
          for (const RegistryValue& v : k->values) names.push_back(v.name);
        return names;
      },
      std::vector<std::string>{});
}

std::vector<std::string> registrySubkeys(std::string_view key) {
  return guarded(
      [&] {
        auto path = normalizeRegistryKey(key);
        if (!path) return std::vector<std::string>{};
        RegistryFile file(false);
        return file.data().subkeys(*path);
      },
      std::vector<std::string>{});
}

}  // namespace platform
