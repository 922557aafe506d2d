#include "dem/sortie_hote.h"

#include <initializer_list>

#include "acedads.h"

namespace dem {
namespace {

// An entity's list on the stack: its type, its colour and its points, made
// with no allocation since a window may hold two million faces.
class ListeEntite {
 public:
  ListeEntite(const char* type, int couleur, std::initializer_list<const Noeud*> points) {
    size_t n = 0;
    rb_[n].restype = 0;
    rb_[n++].resval.rstring = const_cast<char*>(type);
    rb_[n].restype = 62;
    rb_[n++].resval.rint = static_cast<short>(couleur);
    short code = 10;
    for (const Noeud* p : points) {
      rb_[n].restype = code++;
      rb_[n].resval.rpoint[0] = p->x;
      rb_[n].resval.rpoint[1] = p->y;
      rb_[n++].resval.rpoint[2] = p->z;
    }
    for (size_t i = 0; i + 1 < n; ++i) rb_[i].rbnext = &rb_[i + 1];
    rb_[n - 1].rbnext = nullptr;
  }
  const resbuf* tete() const { return rb_; }

 private:
  resbuf rb_[6]{};
};

}  // namespace

void SortieBase::face(const Noeud& a, const Noeud& b, const Noeud& c, const Noeud& d, int couleur) {
  if (acdbEntMake(ListeEntite("3DFACE", couleur, {&a, &b, &c, &d}).tete()) != RTNORM) ++refus_;
}

void SortieBase::ligne(const Noeud& a, const Noeud& b, int couleur) {
  if (acdbEntMake(ListeEntite("LINE", couleur, {&a, &b}).tete()) != RTNORM) ++refus_;
}

void SortieBase::point(const Noeud& a, int couleur) {
  if (acdbEntMake(ListeEntite("POINT", couleur, {&a}).tete()) != RTNORM) ++refus_;
}

void SortieEcran::face(const Noeud& a, const Noeud& b, const Noeud& c, const Noeud&, int couleur) {
  ligne(a, b, couleur);
  ligne(b, c, couleur);
  ligne(c, a, couleur);
}

void SortieEcran::ligne(const Noeud& a, const Noeud& b, int couleur) {
  const ads_point p = {a.x, a.y, a.z}, q = {b.x, b.y, b.z};
  acedGrDraw(p, q, couleur, 0);
}

void SortieEcran::point(const Noeud& a, int couleur) { ligne(a, a, couleur); }

}  // namespace dem
