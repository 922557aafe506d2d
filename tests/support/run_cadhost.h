// Runs the cadhost program in a scratch directory and captures what it prints.
#pragma once
#include <string>
#include <utility>
#include <vector>

struct CadhostRun {
  int status = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// A fresh temporary directory, removed when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void write(const std::string& name, const std::string& text) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::string path_;
};

// Runs cadhost with `args` in `dir`, standard input closed.
// With `moduleDir`, the modules loaded by default are those of that directory
// (an empty directory: none).
// `env` adds variables to the program's environment.
CadhostRun runCadhost(const ScratchDir& dir, const std::vector<std::string>& args,
                      const std::string& moduleDir = std::string(),
                      const std::vector<std::pair<std::string, std::string>>& env = {});

// The directory where the build puts the test modules.
std::string testModuleDir();

// The path of a module the build made ("talvex", "quoril" ...).
std::string builtModule(const std::string& name);
