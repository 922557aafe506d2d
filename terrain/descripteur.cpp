#include "terrain/descripteur.h"

#include <unistd.h>

#include <cerrno>

namespace terrain {

Descripteur& Descripteur::operator=(Descripteur&& autre) noexcept {
  if (this != &autre) {
    ferme();
    fd_ = autre.fd_;
    autre.fd_ = -1;
  }
  return *this;
}

void Descripteur::ferme() {
  // Not retried on EINTR: on Linux the descriptor is released whatever close says.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool ecrisTout(int fd, const void* donnees, size_t taille) {
  const char* p = static_cast<const char*>(donnees);
  while (taille > 0) {
    const ssize_t n = ::write(fd, p, taille);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    taille -= static_cast<size_t>(n);
  }
  return true;
}

bool lisTout(int fd, void* donnees, size_t taille) {
  char* p = static_cast<char*>(donnees);
  while (taille > 0) {
    const ssize_t n = ::read(fd, p, taille);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    taille -= static_cast<size_t>(n);
  }
  return true;
}

bool finDesDonnees(int fd) {
  char c;
  for (;;) {
    const ssize_t n = ::read(fd, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    return n == 0;
  }
}

}  // namespace terrain
