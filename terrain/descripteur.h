// A file descriptor owned by one object, and whole reads and writes on it that
// go on through signals and short transfers.
#pragma once
#include <cstddef>

namespace terrain {

class Descripteur {
 public:
  Descripteur() = default;
  explicit Descripteur(int fd) : fd_(fd) {}
  Descripteur(Descripteur&& autre) noexcept : fd_(autre.fd_) { autre.fd_ = -1; }
  Descripteur& operator=(Descripteur&& autre) noexcept;
  Descripteur(const Descripteur&) = delete;
  Descripteur& operator=(const Descripteur&) = delete;
  ~Descripteur() { ferme(); }

  int fd() const { return fd_; }
  bool valide() const { return fd_ >= 0; }
  void ferme();

 private:
  int fd_ = -1;
};

// All `taille` bytes, or false (error, or the other end closed).
bool ecrisTout(int fd, const void* donnees, size_t taille);
// Exactly `taille` bytes, or false (error, or end of data first).
bool lisTout(int fd, void* donnees, size_t taille);
// True when the data ends here: nothing is left to read.
bool finDesDonnees(int fd);

}  // namespace terrain
