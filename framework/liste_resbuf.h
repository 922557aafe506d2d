// Ownership of a result-buffer list that the framework builds or receives
// from the host (acdbEntGet, acutBuildList ...): released with acutRelRb when
// the holder goes, so that no path of the code leaks one.
#pragma once
#include <utility>

#include "acedads.h"

namespace framework {

class ListeResbuf {
 public:
  ListeResbuf() = default;
  explicit ListeResbuf(resbuf* liste) : tete_(liste) {}
  ~ListeResbuf() { vide(); }
  ListeResbuf(const ListeResbuf&) = delete;
  ListeResbuf& operator=(const ListeResbuf&) = delete;
  ListeResbuf(ListeResbuf&& autre) noexcept : tete_(autre.cede()) {}
  ListeResbuf& operator=(ListeResbuf&& autre) noexcept {
    if (this != &autre) remplace(autre.cede());
    return *this;
  }

  resbuf* get() const { return tete_; }
  explicit operator bool() const { return tete_ != nullptr; }

  // Gives the list away: the caller owns it from now on.
  resbuf* cede() { return std::exchange(tete_, nullptr); }
  // Releases the held list and takes `liste`.
  void remplace(resbuf* liste = nullptr) {
    vide();
    tete_ = liste;
  }

  // Links `suite` (taken) after the last element.
  void ajoute(resbuf* suite) {
    if (!suite) return;
    if (!tete_) {
      tete_ = suite;
      return;
    }
    resbuf* dernier = tete_;
    while (dernier->rbnext) dernier = dernier->rbnext;
    dernier->rbnext = suite;
  }
  void ajoute(ListeResbuf&& suite) { ajoute(suite.cede()); }

  // The first element with this type or group code, or nullptr.
  const resbuf* groupe(int code) const {
    for (const resbuf* rb = tete_; rb; rb = rb->rbnext)
      if (rb->restype == code) return rb;
    return nullptr;
  }

 private:
  void vide() {
    if (tete_) acutRelRb(tete_);
    tete_ = nullptr;
  }

  resbuf* tete_ = nullptr;
};

}  // namespace framework
