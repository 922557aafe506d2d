#include "tools3d/commande_hote.h"

#include "acedads.h"

namespace tools3d {

void COMMANDE_HOTE::ajoute(resbuf* rb) {
  if (!rb) return;
  if (dernier_)
    dernier_->rbnext = rb;
  else
    liste_.remplace(rb);
  dernier_ = rb;
  while (dernier_->rbnext) dernier_ = dernier_->rbnext;
}

COMMANDE_HOTE& COMMANDE_HOTE::texte(const char* t) {
  ajoute(acutBuildList(RTSTR, t, 0));
  return *this;
}

COMMANDE_HOTE& COMMANDE_HOTE::point(const framework::Point3D& p) {
  ajoute(acutBuildList(RT3DPOINT, p.data(), 0));
  return *this;
}

COMMANDE_HOTE& COMMANDE_HOTE::selection(const ads_name ss) {
  ajoute(acutBuildList(RTPICKS, ss, 0));
  return *this;
}

int COMMANDE_HOTE::execute() { return acedCmdS(liste_.get()); }

}  // namespace tools3d
