// Ownership of a result-buffer list the code was handed: released with
// acutRelRb when the holder goes.
#pragma once
#include "acedads.h"

namespace framework {

class ListeResbuf {
 public:
  explicit ListeResbuf(resbuf* liste = nullptr) : liste_(liste) {}
  ~ListeResbuf() { acutRelRb(liste_); }
  ListeResbuf(ListeResbuf&& autre) noexcept : liste_(autre.release()) {}
  ListeResbuf& operator=(ListeResbuf&& autre) noexcept {
    if (this != &autre) reset(autre.release());
    return *this;
  }
  ListeResbuf(const ListeResbuf&) = delete;
  ListeResbuf& operator=(const ListeResbuf&) = delete;

  resbuf* get() const { return liste_; }
  explicit operator bool() const { return liste_ != nullptr; }
  resbuf* release() {
    resbuf* l = liste_;
    liste_ = nullptr;
    return l;
  }
  void reset(resbuf* liste = nullptr) {
    if (liste_ != liste) acutRelRb(liste_);
    liste_ = liste;
  }

 private:
  resbuf* liste_;
};

}  // namespace framework
