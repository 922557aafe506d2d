// Memory for reading one document: a single reservation, backed by large pages
// where the system allows, released whole at the end. On small pages a large
// document's reading spends more time taking page faults than parsing.
#pragma once
#include <cstddef>

namespace landxml {

class ARENE_LECTURE {
 public:
  explicit ARENE_LECTURE(size_t capacite);
  ~ARENE_LECTURE();
  ARENE_LECTURE(const ARENE_LECTURE&) = delete;
  ARENE_LECTURE& operator=(const ARENE_LECTURE&) = delete;

  // Null when the reservation failed or is used up.
  void* alloue(size_t taille);
  bool reservee() const { return base_ != nullptr; }

 private:
  char* base_ = nullptr;
  size_t capacite_ = 0;
  size_t utilise_ = 0;
};

// Asks for large pages over the whole 2 MiB pages inside [debut, debut + taille):
// for a large array about to be filled. A hint only.
void conseillePagesLarges(const void* debut, size_t taille);

template <typename Vecteur>
void reserveEnPagesLarges(Vecteur& v, size_t n) {
  v.reserve(n);
  conseillePagesLarges(v.data(), v.capacity() * sizeof(*v.data()));
}

// While it lives, the XML reader takes its memory from the arena (and frees
// nothing: the arena goes whole). Documents read under it must go before it.
class ALLOCATION_XML {
 public:
  explicit ALLOCATION_XML(ARENE_LECTURE& arene);
  ~ALLOCATION_XML();
  ALLOCATION_XML(const ALLOCATION_XML&) = delete;
  ALLOCATION_XML& operator=(const ALLOCATION_XML&) = delete;

 private:
  void* (*allocationAvant_)(size_t);
  void (*liberationAvant_)(void*);
  ARENE_LECTURE* areneAvant_;
};

}  // namespace landxml
