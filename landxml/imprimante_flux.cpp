#include "landxml/imprimante_flux.h"

#include <cstdarg>
#include <cstdio>

namespace landxml {

IMPRIMANTE_FLUX::IMPRIMANTE_FLUX(std::ostream& sortie) : XMLPrinter(nullptr), sortie_(sortie) {
  tampon_.reserve(kCapacite);
}

void IMPRIMANTE_FLUX::vide() {
  sortie_.write(tampon_.data(), static_cast<std::streamsize>(tampon_.size()));
  tampon_.clear();
}

void IMPRIMANTE_FLUX::PrintSpace(int profondeur) {
  if (profondeur > 0) tampon_.append(static_cast<size_t>(profondeur), ' ');
  if (tampon_.size() >= kCapacite) vide();
}

void IMPRIMANTE_FLUX::Write(const char* data, size_t taille) {
  if (tampon_.size() + taille > kCapacite) vide();
  if (taille > kCapacite)
    sortie_.write(data, static_cast<std::streamsize>(taille));
  else
    tampon_.append(data, taille);
}

void IMPRIMANTE_FLUX::Putc(char c) {
  if (tampon_.size() >= kCapacite) vide();
  tampon_.push_back(c);
}

void IMPRIMANTE_FLUX::Print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copie;
  va_copy(copie, args);
  const int n = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  if (n > 0) {
    std::string texte(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(texte.data(), texte.size(), format, copie);
    Write(texte.data(), static_cast<size_t>(n));
  }
  va_end(copie);
}

}  // namespace landxml
