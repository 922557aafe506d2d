#include "road/articles_lisp.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "acedads.h"

namespace road {

double ARTICLE_LISP::reel(size_t i) const {
  const resbuf* a = i < atomes_.size() ? atomes_[i] : nullptr;
  if (!a) return 0;
  switch (a->restype) {
    case RTREAL: return a->resval.rreal;
    case RTSHORT: return a->resval.rint;
    case RTLONG: return static_cast<double>(a->resval.rlong);
    default: return 0;
  }
}

int32_t ARTICLE_LISP::entier(size_t i) const {
  const resbuf* a = i < atomes_.size() ? atomes_[i] : nullptr;
  if (!a) return 0;
  switch (a->restype) {
    case RTSHORT: return a->resval.rint;
    case RTLONG: return static_cast<int32_t>(a->resval.rlong);
    case RTREAL: {
      const double v = a->resval.rreal;
      if (std::isnan(v)) return 0;
      return static_cast<int32_t>(std::clamp(v, double{INT32_MIN}, double{INT32_MAX}));
    }
    default: return 0;
  }
}

std::optional<std::string> ARTICLE_LISP::texte(size_t i) const {
  const resbuf* a = i < atomes_.size() ? atomes_[i] : nullptr;
  if (!a || a->restype != RTSTR || !a->resval.rstring) return std::nullopt;
  return std::string(a->resval.rstring);
}

std::vector<ARTICLE_LISP> articlesListe(const resbuf* liste) {
  std::vector<ARTICLE_LISP> resultat;
  if (!liste || liste->restype != RTLB) return resultat;
  const resbuf* rb = liste->rbnext;
  while (rb && rb->restype == RTLB) {
    ARTICLE_LISP article;
    int profondeur = 1;
    // A nested list inside an item is one position (read as 0).
    for (rb = rb->rbnext; rb && profondeur > 0; rb = rb->rbnext) {
      if (rb->restype == RTLB) {
        if (profondeur == 1) article.ajoute(rb);
        ++profondeur;
      } else if (rb->restype == RTLE) {
        --profondeur;
      } else if (profondeur == 1 && rb->restype != RTDOTE) {
        article.ajoute(rb);
      }
    }
    resultat.push_back(std::move(article));
  }
  return resultat;
}

}  // namespace road
