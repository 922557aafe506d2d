// Records that never move once made, kept in blocks that double up to a few
// ten kilobytes: a mesh makes millions of them, and one allocation per few
// records (as a deque does) costs more than the records' own work.
#pragma once
#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace terrain {

template <typename T>
class STOCK_BLOCS {
 public:
  template <typename... A>
  T& emplace_back(A&&... args) {
    if (blocs_.empty() || blocs_.back().plein())
      blocs_.emplace_back(blocs_.empty() ? kPremier : std::min(2 * blocs_.back().capacite, kMax));
    return blocs_.back().ajoute(std::forward<A>(args)...);
  }
  void clear() { blocs_.clear(); }
  void swap(STOCK_BLOCS& autre) noexcept { blocs_.swap(autre.blocs_); }

 private:
  // Raw cases: only the records made are destroyed.
  union Case {
    Case() {}
    ~Case() {}
    T valeur;
  };
  // Blocks stay below the size the allocator maps on their own: mapped blocks
  // come back to the system when freed, and the next mesh copy faults every
  // page in again.
  static constexpr size_t kPremier = 16;
  static constexpr size_t kMax = std::max<size_t>(kPremier, 64 * 1024 / sizeof(Case));
  struct Bloc {
    explicit Bloc(size_t n) : cases(new Case[n]), capacite(n) {}
    Bloc(Bloc&& autre) noexcept
        : cases(std::move(autre.cases)), capacite(autre.capacite), faits(autre.faits) {
      autre.faits = 0;
    }
    Bloc& operator=(Bloc&&) = delete;
    ~Bloc() {
      for (size_t k = 0; k < faits; ++k) cases[k].valeur.~T();
    }
    bool plein() const { return faits == capacite; }
    template <typename... A>
    T& ajoute(A&&... args) {
      T* r = ::new (static_cast<void*>(&cases[faits].valeur)) T(std::forward<A>(args)...);
      ++faits;
      return *r;
    }
    std::unique_ptr<Case[]> cases;
    size_t capacite;
    size_t faits = 0;
  };
  std::vector<Bloc> blocs_;
};

}  // namespace terrain
