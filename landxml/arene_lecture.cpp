#include "landxml/arene_lecture.h"

#include <sys/mman.h>

#include <cstdint>

#include <pugixml.hpp>

namespace landxml {
namespace {

ARENE_LECTURE* areneActive = nullptr;

void* alloueXml(size_t taille) { return areneActive ? areneActive->alloue(taille) : nullptr; }
void libereXml(void*) {}

}  // namespace

ARENE_LECTURE::ARENE_LECTURE(size_t capacite) {
  if (capacite == 0) return;
  // Untouched reserved pages cost nothing.
  void* p = ::mmap(nullptr, capacite, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED) return;
#ifdef MADV_HUGEPAGE
  ::madvise(p, capacite, MADV_HUGEPAGE);
#endif
  base_ = static_cast<char*>(p);
  capacite_ = capacite;
}

ARENE_LECTURE::~ARENE_LECTURE() {
  if (base_) ::munmap(base_, capacite_);
}

void* ARENE_LECTURE::alloue(size_t taille) {
  constexpr size_t kAlignement = alignof(std::max_align_t);
  const size_t arrondie = (taille + kAlignement - 1) / kAlignement * kAlignement;
  if (!base_ || arrondie < taille || arrondie > capacite_ - utilise_) return nullptr;
  void* p = base_ + utilise_;
  utilise_ += arrondie;
  return p;
}

void conseillePagesLarges(const void* debut, size_t taille) {
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kPage = uintptr_t{2} << 20;
  const uintptr_t d = (reinterpret_cast<uintptr_t>(debut) + kPage - 1) & ~(kPage - 1);
  const uintptr_t f = (reinterpret_cast<uintptr_t>(debut) + taille) & ~(kPage - 1);
  if (debut && f > d) ::madvise(reinterpret_cast<void*>(d), f - d, MADV_HUGEPAGE);
#else
  (void)debut;
  (void)taille;
#endif
}

ALLOCATION_XML::ALLOCATION_XML(ARENE_LECTURE& arene)
    : allocationAvant_(pugi::get_memory_allocation_function()),
      liberationAvant_(pugi::get_memory_deallocation_function()),
      areneAvant_(areneActive) {
  areneActive = &arene;
  pugi::set_memory_management_functions(alloueXml, libereXml);
}

ALLOCATION_XML::~ALLOCATION_XML() {
  areneActive = areneAvant_;
  pugi::set_memory_management_functions(allocationAvant_, liberationAvant_);
}

}  // namespace landxml
