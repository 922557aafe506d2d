// Starting programs. Children not waited for are reaped later, and their exit
// codes kept for waitForProgram.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "platform.h"
#include "platform/support_path.h"

extern char** environ;

namespace platform {
namespace {

struct Children {
  std::mutex mutex;
  std::set<pid_t> running;     // started without waiting, not reaped yet
  std::map<pid_t, int> ended;  // reaped, exit code not asked for yet
};

Children& children() {
  static Children c;
  return c;
}

int exitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Collects the children that have ended so that none stays a zombie.
void reapEnded(Children& c) {
  for (auto it = c.running.begin(); it != c.running.end();) {
    int status = 0;
    const pid_t r = ::waitpid(*it, &status, WNOHANG);
    if (r == *it) {
      c.ended[*it] = exitCodeOf(status);
      it = c.running.erase(it);
    } else if (r < 0 && errno == ECHILD) {
      it = c.running.erase(it);  // someone else collected it
    } else {
      ++it;
    }
  }
  // Codes nobody asks for are dropped, oldest process ids first.
  while (c.ended.size() > 1000) c.ended.erase(c.ended.begin());
}

int waitBlocking(pid_t pid) {
  int status = 0;
  for (;;) {
    if (::waitpid(pid, &status, 0) == pid) return exitCodeOf(status);
    if (errno != EINTR) return -1;
  }
}

class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view line) {
  // The Windows rules: 2n backslashes before a quote give n and the quote
  // opens or closes; 2n+1 give n and a literal quote; other backslashes stay.
  std::vector<std::string> args;
  std::string current;
  bool inArg = false, quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\') {
      size_t n = 0;
      while (i < line.size() && line[i] == '\\') ++n, ++i;
      if (i < line.size() && line[i] == '"') {
        current.append(n / 2, '\\');
        if (n % 2)
          current += '"';
        else
          quoted = !quoted;
      } else {
        current.append(n, '\\');
        --i;
      }
      inArg = true;
    } else if (c == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        current += '"';  // "" inside quotes is one quote
        ++i;
      } else {
        quoted = !quoted;
      }
      inArg = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArg) args.push_back(std::move(current));
      current.clear();
      inArg = false;
    } else {
      current += c;
      inArg = true;
    }
  }
  if (inArg) args.push_back(std::move(current));
  return args;
}

ProcessResult startProgram(std::string_view program, const std::vector<std::string>& arguments,
                           bool wait, std::string_view workingDirectory) {
  ProcessResult result;
  try {
    const std::string path = host::toFsPath(program);
    if (path.empty()) {
      result.error = "aucun programme donné";
      return result;
    }
    std::vector<char*> argv;
    std::string arg0 = path;
    argv.push_back(arg0.data());
    std::vector<std::string> args(arguments);
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    SpawnActions actions;
    std::string dir;
    if (!workingDirectory.empty()) {
      dir = host::toFsPath(workingDirectory);
      posix_spawn_file_actions_addchdir_np(actions.get(), dir.c_str());
    }
    Children& c = children();
    std::unique_lock<std::mutex> lock(c.mutex);
    reapEnded(c);
    pid_t pid = 0;
    const bool lookUp = path.find('/') == std::string::npos;
    const int err =
        lookUp ? posix_spawnp(&pid, path.c_str(), actions.get(), nullptr, argv.data(), environ)
               : posix_spawn(&pid, path.c_str(), actions.get(), nullptr, argv.data(), environ);
    if (err != 0) {
      result.error = "impossible de lancer " + path + ": " + std::strerror(err);
      return result;
    }
    result.started = true;
    result.processId = pid;
    if (!wait) {
      c.running.insert(pid);
      return result;
    }
    lock.unlock();
    result.exitCode = waitBlocking(pid);
  } catch (const std::exception& e) {
    result.error = e.what();
  }
  return result;
}

ProcessResult startCommandLine(std::string_view commandLine, bool wait) {
  std::vector<std::string> args = splitCommandLine(commandLine);
  if (args.empty()) {
    ProcessResult r;
    r.error = "ligne de commande vide";
    return r;
  }
  const std::string program = args.front();
  args.erase(args.begin());
  return startProgram(program, args, wait);
}

std::optional<int> waitForProgram(int processId, int timeoutMs) {
  Children& c = children();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(c.mutex);
      reapEnded(c);
      if (auto it = c.ended.find(processId); it != c.ended.end()) {
        const int code = it->second;
        c.ended.erase(it);
        return code;
      }
      if (!c.running.count(processId)) return std::nullopt;  // not one of ours
    }
    if (timeoutMs >= 0 && std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace platform
