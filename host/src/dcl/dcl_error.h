// A fault found while reading a DCL file, located by file and line.
#pragma once
#include <stdexcept>
#include <string>

namespace dcl {

class DclError : public std::runtime_error {
 public:
  DclError(std::string file, int line, const std::string& message)
      : std::runtime_error(message), file_(std::move(file)), line_(line) {}
  const std::string& file() const { return file_; }
  int line() const { return line_; }
  // "<file>, ligne <n>: <message>" as the host writes it (no line for a
  // fault of the whole file).
  std::string describe() const {
    if (line_ <= 0) return file_ + ": " + what();
    return file_ + ", ligne " + std::to_string(line_) + ": " + what();
  }

 private:
  std::string file_;
  int line_;
};

}  // namespace dcl
