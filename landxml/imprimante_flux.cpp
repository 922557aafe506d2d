#include "landxml/imprimante_flux.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace landxml {

void IMPRIMANTE_FLUX::Print(const char* format, ...) {
  char court[256];
  va_list args;
  va_start(args, format);
  va_list copie;
  va_copy(copie, args);
  const int n = std::vsnprintf(court, sizeof court, format, args);
  va_end(args);
  if (n < 0) {
    va_end(copie);
    return;
  }
  if (static_cast<size_t>(n) < sizeof court) {
    va_end(copie);
    Write(court, static_cast<size_t>(n));
    return;
  }
  std::vector<char> long_(static_cast<size_t>(n) + 1);
  std::vsnprintf(long_.data(), long_.size(), format, copie);
  va_end(copie);
  Write(long_.data(), static_cast<size_t>(n));
}

}  // namespace landxml
