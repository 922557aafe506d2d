// The items of a LISP list value that the road programs hand over in a
// symbol: sub-lists taken item by item up to the first item that is not one,
// the values inside an item taken by position.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct resbuf;

namespace road {

// One sub-list item; a missing or non-numeric position reads as 0, a
// non-string as no text.
class ARTICLE_LISP {
 public:
  void ajoute(const resbuf* atome) { atomes_.push_back(atome); }
  double reel(size_t i) const;
  int32_t entier(size_t i) const;
  std::optional<std::string> texte(size_t i) const;

 private:
  std::vector<const resbuf*> atomes_;
};

// The sub-list items of a list value (RTLB ... RTLE), up to the first atom.
std::vector<ARTICLE_LISP> articlesListe(const resbuf* liste);

}  // namespace road
